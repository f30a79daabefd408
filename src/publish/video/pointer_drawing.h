#pragma once
// The viewer's mouse pointer drawn over a video frame: the usual white arrow with a dark edge,
// its tip at the point.

#include <QPainter>
#include <QPointF>

namespace vantora::video {

// `scale` is the video's pixels per stage pixel.
void DrawPointer(QPainter& painter, QPointF tip, double scale);

} // namespace vantora::video
