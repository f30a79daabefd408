#include "capture_area.h"

#include <algorithm>
#include <cmath>

namespace vantora::grabbit {

QRect InitialArea(QSize demo, qreal scale, const QRect& screen) {
    const qreal s = scale > 0 ? scale : 1.0;
    const QSize size(std::max(1, int(std::lround(demo.width() / s))), std::max(1, int(std::lround(demo.height() / s))));
    QRect area(QPoint(0, 0), size);
    area.moveCenter(screen.center());
    // A demo larger than the screen starts at its top-left corner, a smaller one stays on it.
    area.moveLeft(std::max(screen.left(), std::min(area.left(), screen.right() + 1 - size.width())));
    area.moveTop(std::max(screen.top(), std::min(area.top(), screen.bottom() + 1 - size.height())));
    return area;
}

QRect ResizedArea(const QRect& area, QPoint corner, QSize demo) {
    if (demo.width() <= 0 || demo.height() <= 0)
        return area;
    const double shape = double(demo.height()) / demo.width();
    // Wide enough that the shorter side keeps the minimum too.
    const int width = std::max({corner.x() - area.left() + 1, kMinimumAreaSide,
                                int(std::ceil(kMinimumAreaSide / shape))});
    return QRect(area.topLeft(), QSize(width, int(std::lround(width * shape))));
}

std::optional<QPoint> ShotPoint(QPoint global, const QRect& area, QSize shot) {
    if (!area.contains(global) || area.isEmpty())
        return std::nullopt;
    const QPoint inside = global - area.topLeft();
    // The pixel's own spot scaled, so that a shot twice the area's size maps pixel x to 2x.
    return QPoint(int(std::floor(inside.x() * double(shot.width()) / area.width())),
                  int(std::floor(inside.y() * double(shot.height()) / area.height())));
}

} // namespace vantora::grabbit
