#include "editor/commands/scene_layout_command.h"

#include "editor/commands/command_ids.h"
#include "editor/document/editor_selection.h"

#include <algorithm>

namespace vantora {

SceneLayoutCommand::SceneLayoutCommand(TDemoFrame& scene, EditorSelection* selection, const QString& text,
                                       int mergeKey)
    : QUndoCommand(text), scene_(scene), selection_(selection), mergeKey_(mergeKey) {}

SceneLayoutCommand::~SceneLayoutCommand() = default;

std::vector<TDemoObject*> SceneLayoutCommand::selectedNow() const {
    return selection_ ? selection_->selectedIn(scene_) : std::vector<TDemoObject*>{};
}

void SceneLayoutCommand::redo() {
    if (performed_) {
        restore(after_, selectedAfter_);
        return;
    }
    performed_ = true;
    before_ = CaptureLayout(scene_);
    selectedBefore_ = selectedNow();
    perform(scene_);
    after_ = CaptureLayout(scene_);
    selectedAfter_ = selectedNow();
    if (after_ == before_)
        setObsolete(true); // nothing changed: the stack drops the command
}

void SceneLayoutCommand::hold(std::unique_ptr<TDemoObject> object) {
    if (object)
        held_.push_back(std::move(object));
}

void SceneLayoutCommand::undo() { restore(before_, selectedBefore_); }

void SceneLayoutCommand::restore(const TSceneLayout& layout, const std::vector<TDemoObject*>& selected) {
    RestoreLayout(scene_, layout, held_);
    if (!selection_)
        return;
    // Only objects that are in the scene now can be selected.
    std::vector<TDemoObject*> present;
    const auto order = ObjectOrder(scene_);
    for (TDemoObject* object : selected)
        if (std::find(order.begin(), order.end(), object) != order.end())
            present.push_back(object);
    selection_->setSelected(present);
}

int SceneLayoutCommand::id() const { return mergeKey_ != 0 ? kLayoutCommandId : -1; }

bool SceneLayoutCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const SceneLayoutCommand*>(other);
    if (!next || next->mergeKey_ != mergeKey_ || &next->scene_ != &scene_ || !next->held_.empty())
        return false;
    after_ = next->after_;
    selectedAfter_ = next->selectedAfter_;
    if (after_ == before_)
        setObsolete(true); // the drag came back to where it started
    return true;
}

} // namespace vantora
