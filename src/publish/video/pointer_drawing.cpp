#include "publish/video/pointer_drawing.h"

#include <QPolygonF>

namespace vantora::video {

void DrawPointer(QPainter& painter, QPointF tip, double scale) {
    // The arrow in stage pixels, tip at the origin: 19 pixels high, as a desktop draws it.
    static const QPolygonF arrow({{0, 0}, {0, 17}, {4, 13}, {7, 19.5}, {9.5, 18.5}, {6.5, 12}, {12, 12}});
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(tip * scale);
    painter.scale(scale, scale);
    painter.setPen(QPen(QColor(20, 20, 20), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
    painter.restore();
}

} // namespace vantora::video
