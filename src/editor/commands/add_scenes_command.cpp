#include "editor/commands/add_scenes_command.h"

#include "editor/document/editor_selection.h"
#include "model/scene_operations.h"

namespace vantora {

AddScenesCommand::AddScenesCommand(TVantora& demo, EditorSelection* selection,
                                   std::vector<std::unique_ptr<TDemoFrame>> scenes, const QString& text)
    : QUndoCommand(text), demo_(demo), selection_(selection), held_(std::move(scenes)) {
    std::erase(held_, nullptr);
    if (held_.empty())
        setObsolete(true);
}

void AddScenesCommand::redo() {
    if (selection_)
        previousCurrent_ = selection_->currentScene();
    for (std::unique_ptr<TDemoFrame>& scene : held_)
        added_.push_back(&InsertScene(demo_, demo_.Scenes.size(), std::move(scene)));
    held_.clear();
    if (selection_ && !added_.empty())
        selection_->setCurrentScene(added_.front());
}

void AddScenesCommand::undo() {
    // Last first, so that each scene leaves from the end and the others keep their places.
    std::vector<std::unique_ptr<TDemoFrame>> taken;
    for (auto it = added_.rbegin(); it != added_.rend(); ++it) {
        const std::size_t index = IndexOfScene(demo_, *it);
        if (index != std::string::npos)
            taken.push_back(TakeScene(demo_, index));
    }
    held_.assign(std::make_move_iterator(taken.rbegin()), std::make_move_iterator(taken.rend()));
    added_.clear();
    if (selection_)
        selection_->setCurrentScene(previousCurrent_);
}

} // namespace vantora
