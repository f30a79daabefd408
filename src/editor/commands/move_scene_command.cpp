#include "editor/commands/move_scene_command.h"

#include "model/scene_operations.h"

namespace vantora {

MoveSceneCommand::MoveSceneCommand(TVantora& demo, std::size_t from, std::size_t to, const QString& text)
    : QUndoCommand(text), demo_(demo), from_(from), to_(to) {}

void MoveSceneCommand::redo() {
    if (!MoveScene(demo_, from_, to_))
        setObsolete(true);
}

void MoveSceneCommand::undo() { MoveScene(demo_, to_, from_); }

} // namespace vantora
