#pragma once
// The part of the screen a capture records: a rectangle of the demo's shape that the author
// places over the program being recorded (or the whole screen). It maps screen positions to the
// pixels of a shot, which always has the demo's size unless the whole screen is recorded.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace vantora::grabbit {

// The smallest area side the author can drag the frame to, in screen pixels.
inline constexpr int kMinimumAreaSide = 40;

// An area of the demo's size in device pixels (`demo` / `scale` logical pixels), centred on
// `screen` and moved inside it where it fits.
QRect InitialArea(QSize demo, qreal scale, const QRect& screen);

// The area after its bottom-right corner is dragged to `corner`: the top-left stays, the width
// follows the corner and the height keeps the demo's shape; never below the minimum side.
QRect ResizedArea(const QRect& area, QPoint corner, QSize demo);

// Where a click at `global` (logical screen position) lands on a shot of `area` that is
// `shot` pixels large; nothing when it falls outside the area.
std::optional<QPoint> ShotPoint(QPoint global, const QRect& area, QSize shot);

} // namespace vantora::grabbit
