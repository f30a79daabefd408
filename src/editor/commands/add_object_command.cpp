#include "editor/commands/add_object_command.h"

#include "editor/document/editor_selection.h"
#include "model/object_operations.h"

namespace vantora {

AddObjectCommand::AddObjectCommand(TDemoFrame& scene, EditorSelection* selection, TObjectKind kind,
                                   std::int32_t left, std::int32_t top)
    : SceneLayoutCommand(scene, selection, QStringLiteral("Add %1").arg(QString::fromUtf8(ObjectKindName(kind))))
    , kind_(kind)
    , left_(left)
    , top_(top) {}

void AddObjectCommand::perform(TDemoFrame& scene) {
    object_ = &NewObject(scene, kind_, left_, top_);
    if (selection())
        selection()->selectOnly(object_);
}

} // namespace vantora
