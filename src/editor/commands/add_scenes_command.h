#pragma once
// "Add Scenes From Screen Shots": scenes built elsewhere join the end of the demo's list in one
// step, and the first of them becomes the current scene. While undone, the command holds them.

#include "model/demo.h"

#include <QUndoCommand>

#include <memory>
#include <vector>

namespace vantora {

class EditorSelection;

class AddScenesCommand : public QUndoCommand {
public:
    AddScenesCommand(TVantora& demo, EditorSelection* selection, std::vector<std::unique_ptr<TDemoFrame>> scenes,
                     const QString& text);

    void redo() override;
    void undo() override;

    // The scenes while they are in the demo (empty while undone).
    const std::vector<TDemoFrame*>& scenes() const { return added_; }

private:
    TVantora& demo_;
    EditorSelection* selection_;
    std::vector<std::unique_ptr<TDemoFrame>> held_;
    std::vector<TDemoFrame*> added_;
    TDemoFrame* previousCurrent_ = nullptr;
};

} // namespace vantora
