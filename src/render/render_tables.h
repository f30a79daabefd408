#pragma once
// What object painting computes once, on its first use: the balloon masks and the system's font
// list. A long job that paints many objects (a movie build) has it made on a spare core while it
// does its first other work, instead of paying for it inside the first object it paints.

#include <future>

namespace vantora {

// Makes those tables now. Safe to call on any thread, and at the same time as painting: a
// painter that needs a table still being made waits for it.
void PrepareRenderTables();

// PrepareRenderTables on another thread for as long as this lives (or at once on this thread when
// no thread can be had), so that the tables are ready by the first painting. Nothing happens when
// the tables were asked for before.
class PrepareRenderTablesAside {
public:
    PrepareRenderTablesAside();
    ~PrepareRenderTablesAside();
    PrepareRenderTablesAside(const PrepareRenderTablesAside&) = delete;
    PrepareRenderTablesAside& operator=(const PrepareRenderTablesAside&) = delete;

private:
    std::future<void> done_;
};

} // namespace vantora
