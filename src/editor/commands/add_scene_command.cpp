#include "editor/commands/add_scene_command.h"

#include "editor/document/editor_selection.h"
#include "model/scene_operations.h"

namespace vantora {

AddSceneCommand::AddSceneCommand(TVantora& demo, EditorSelection* selection)
    : QUndoCommand(QStringLiteral("New Scene")), demo_(demo), selection_(selection) {}

AddSceneCommand::AddSceneCommand(TVantora& demo, EditorSelection* selection, std::unique_ptr<TDemoFrame> scene,
                                 const QString& text)
    : QUndoCommand(text), demo_(demo), selection_(selection), held_(std::move(scene)) {
    if (!held_)
        setObsolete(true);
}

void AddSceneCommand::redo() {
    if (selection_)
        previousCurrent_ = selection_->currentScene();
    if (!scene_ && !held_) {
        scene_ = &NewScene(demo_);
        index_ = demo_.Scenes.size() - 1;
    } else if (held_) {
        if (!scene_)
            index_ = demo_.Scenes.size();
        scene_ = &InsertScene(demo_, index_, std::move(held_));
    }
    if (selection_)
        selection_->setCurrentScene(scene_);
}

void AddSceneCommand::undo() {
    const std::size_t index = IndexOfScene(demo_, scene_);
    if (index == std::string::npos)
        return;
    index_ = index;
    held_ = TakeScene(demo_, index);
    if (selection_)
        selection_->setCurrentScene(previousCurrent_);
}

} // namespace vantora
