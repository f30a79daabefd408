#include "editor/commands/delete_objects_command.h"

#include "model/object_edits.h"

#include <algorithm>

namespace vantora {

DeleteObjectsCommand::DeleteObjectsCommand(TDemoFrame& scene, EditorSelection* selection,
                                           std::vector<TDemoObject*> objects, const QString& text)
    : SceneLayoutCommand(scene, selection, text), objects_(std::move(objects)) {}

void DeleteObjectsCommand::perform(TDemoFrame& scene) {
    // Last to first, as the list shrinks under the loop.
    for (std::size_t i = scene.Objects.size(); i-- > 0;)
        if (std::find(objects_.begin(), objects_.end(), scene.Objects[i].get()) != objects_.end())
            hold(RemoveObjectAt(scene, i));
}

} // namespace vantora
