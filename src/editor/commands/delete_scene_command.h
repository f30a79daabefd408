#pragma once
// "Delete Scene": the scene leaves the list (later scenes move up); the command holds it until
// it is dropped from the history. The scene now at its place (or the one before, for the last)
// becomes the current one.

#include "model/demo.h"

#include <QUndoCommand>

#include <memory>

namespace vantora {

class EditorSelection;

class DeleteSceneCommand : public QUndoCommand {
public:
    DeleteSceneCommand(TVantora& demo, EditorSelection* selection, TDemoFrame& scene);

    void redo() override;
    void undo() override;

private:
    TVantora& demo_;
    EditorSelection* selection_;
    TDemoFrame* scene_;
    std::unique_ptr<TDemoFrame> held_;
    std::size_t index_ = 0;
    bool wasCurrent_ = false;
};

} // namespace vantora
