#include "render/render_tables.h"

#include "render/balloon_masks.h"

#include <QFontDatabase>
#include <QStringList>

#include <atomic>
#include <system_error>

namespace vantora {
namespace {

std::atomic<bool> asked{false};

} // namespace

void PrepareRenderTables() {
    asked.store(true, std::memory_order_relaxed);
    // Each table is a function-local static, made once and thread-safely by whoever asks first.
    BalloonCornerMask(BalloonCorner::TopLeft);
    BalloonArrowMask(BalloonCorner::TopLeft);
    // Reading the families makes Qt load the font configuration and list the system's faces.
    QFontDatabase::families();
}

PrepareRenderTablesAside::PrepareRenderTablesAside() {
    // Once asked for, the tables are made or being made: a painter waits for one still in the
    // making, so a later build (or a build inside a tool that asked first) starts no thread.
    if (asked.exchange(true, std::memory_order_relaxed))
        return;
    try {
        done_ = std::async(std::launch::async, PrepareRenderTables);
    } catch (const std::system_error&) {
        PrepareRenderTables();
    }
}

PrepareRenderTablesAside::~PrepareRenderTablesAside() {
    if (done_.valid())
        done_.wait();
}

} // namespace vantora
