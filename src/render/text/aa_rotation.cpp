#include "render/text/aa_rotation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantora {

int NormalizedAngle(int angleDegrees) {
    return angleDegrees % 360;
}

TAARotatedBox RotatedTextBox(int width, int height, int angleDegrees) {
    const int angle = NormalizedAngle(angleDegrees);
    if (angle == 0) {
        return {QSize(width, height), QPointF(0, 0)};
    }
    const double theta = angle * std::numbers::pi / 180.0;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    // Counter-clockwise on a y-down screen: (x, y) -> (x cos + y sin, -x sin + y cos).
    auto rotate = [&](double x, double y) { return QPointF(x * c + y * s, -x * s + y * c); };
    const double hw = width / 2.0;
    const double hh = height / 2.0;
    const QPointF corners[4] = {rotate(-hw, -hh), rotate(hw, -hh), rotate(hw, hh), rotate(-hw, hh)};
    double minX = corners[0].x(), maxX = minX, minY = corners[0].y(), maxY = minY;
    for (const QPointF& p : corners) {
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
    }
    const QSize size(static_cast<int>(std::lround(maxX - minX)), static_cast<int>(std::lround(maxY - minY)));
    const QPointF origin = corners[0] + QPointF(size.width() / 2.0, size.height() / 2.0);
    return {size, origin};
}

} // namespace vantora
