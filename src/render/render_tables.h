#pragma once
// What object painting computes once, on its first use: the balloon masks and the system's font
// list. A long job that paints many objects (a movie build) has it made on a spare core while it
// does its first other work, instead of paying for it inside the first object it paints.

namespace vantora {

// Makes those tables now. Safe to call on any thread, and at the same time as painting: a
// painter that needs a table still being made waits for it.
void PrepareRenderTables();

} // namespace vantora
