#include "editor/commands/move_resize_command.h"

#include "model/object_operations.h"

namespace vantora {

MoveResizeCommand::MoveResizeCommand(TDemoFrame& scene, EditorSelection* selection,
                                     std::vector<BoundsChange> changes, const QString& text, int dragKey)
    : SceneLayoutCommand(scene, selection, text, dragKey), changes_(std::move(changes)) {}

void MoveResizeCommand::perform(TDemoFrame& scene) {
    for (const auto& [object, bounds] : changes_)
        if (IndexOfObject(scene, object) != std::string::npos)
            SetObjectBounds(scene, *object, bounds);
}

} // namespace vantora
