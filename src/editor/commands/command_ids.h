#pragma once
// The ids by which QUndoStack finds commands that may merge (a drag becomes one undo step).

namespace vantora {

enum CommandId : int {
    kLayoutCommandId = 1001,   // moves, resizes, timeline drags, stop-point drags
    kPropertyCommandId = 1002, // text typed into a row, stored on every key
};

} // namespace vantora
