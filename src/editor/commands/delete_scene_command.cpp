#include "editor/commands/delete_scene_command.h"

#include "editor/document/editor_selection.h"
#include "model/scene_operations.h"

namespace vantora {

DeleteSceneCommand::DeleteSceneCommand(TVantora& demo, EditorSelection* selection, TDemoFrame& scene)
    : QUndoCommand(QStringLiteral("Delete Scene")), demo_(demo), selection_(selection), scene_(&scene) {}

void DeleteSceneCommand::redo() {
    const std::size_t index = IndexOfScene(demo_, scene_);
    if (index == std::string::npos) {
        setObsolete(true);
        return;
    }
    index_ = index;
    wasCurrent_ = selection_ && selection_->currentScene() == scene_;
    if (selection_)
        selection_->forgetScene(scene_);
    held_ = TakeScene(demo_, index);
    if (selection_ && wasCurrent_ && !demo_.Scenes.empty())
        selection_->setCurrentScene(demo_.Scenes[std::min(index_, demo_.Scenes.size() - 1)].get());
}

void DeleteSceneCommand::undo() {
    if (!held_)
        return;
    InsertScene(demo_, index_, std::move(held_));
    if (selection_ && wasCurrent_)
        selection_->setCurrentScene(scene_);
}

} // namespace vantora
