#pragma once
// "Move Up", "Move Down", "Move to First", "Move to Last" and drags in the scene list.

#include "model/demo.h"

#include <QUndoCommand>

namespace vantora {

class MoveSceneCommand : public QUndoCommand {
public:
    MoveSceneCommand(TVantora& demo, std::size_t from, std::size_t to, const QString& text);

    void redo() override;
    void undo() override;

private:
    TVantora& demo_;
    std::size_t from_;
    std::size_t to_;
};

} // namespace vantora
