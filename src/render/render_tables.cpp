#include "render/render_tables.h"

#include "render/balloon_masks.h"

#include <QFontDatabase>
#include <QStringList>

#include <system_error>

namespace vantora {

void PrepareRenderTables() {
    // Each table is a function-local static, made once and thread-safely by whoever asks first.
    BalloonCornerMask(BalloonCorner::TopLeft);
    BalloonArrowMask(BalloonCorner::TopLeft);
    // Reading the families makes Qt load the font configuration and list the system's faces.
    QFontDatabase::families();
}

PrepareRenderTablesAside::PrepareRenderTablesAside() {
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
