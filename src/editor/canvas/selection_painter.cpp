#include "editor/canvas/selection_painter.h"

#include "editor/canvas/canvas_geometry.h"
#include "model/demo_frame.h"

#include <QPainter>
#include <QPolygon>

namespace vantora::canvas {
namespace {

const QColor kLight(0xFF, 0xFF, 0xFF);
const QColor kDark(0x40, 0x40, 0x40);

// A rectangle outline through the pixels from `r.topLeft()` to `r.bottomRight()` inclusive.
void DoubleOutline(QPainter& painter, const QRect& r, Qt::PenStyle darkStyle) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kLight, 1, Qt::SolidLine));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(kDark, 1, darkStyle));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
}

} // namespace

QRect FrameRect(const TDemoObject& o) { return QRect(QPoint(o.Left - 1, o.Top - 1), QPoint(o.Left + o.Width, o.Top + o.Height)); }

QRect SelectionExtent(const TDemoObject& object) {
    QRect extent = FrameRect(object).adjusted(-4, -4, 4, 4);
    if (const std::optional<QPoint> tip = PointerTip(object))
        extent |= QRect(tip->x() - 5, tip->y() - 5, 11, 11);
    return extent;
}

void SelectionPainter::paint(QPainter& painter, const TDemoFrame& scene,
                             const std::function<bool(const TDemoObject*)>& isSelected, const QRect& area) const {
    for (const auto& object : scene.Objects) {
        if (!object || !SelectionExtent(*object).intersects(area))
            continue;
        paintFrame(painter, *object);
        if (isSelected(object.get()))
            paintHandles(painter, *object);
    }
}

void SelectionPainter::paintFrame(QPainter& painter, const TDemoObject& object) const {
    DoubleOutline(painter, FrameRect(object), Qt::DotLine);
}

void SelectionPainter::paintHandles(QPainter& painter, const TDemoObject& object) const {
    for (const QPoint& centre : HandleCentres(object)) {
        const QRect box(centre.x() - 3, centre.y() - 3, 7, 7);
        painter.fillRect(box, kLight);
        painter.fillRect(box.adjusted(1, 1, -1, -1), kDark);
    }
    if (const std::optional<QPoint> tip = PointerTip(object)) {
        const int x = tip->x(), y = tip->y();
        const QPolygon diamond({QPoint(x, y - 4), QPoint(x + 4, y), QPoint(x, y + 4), QPoint(x - 4, y)});
        painter.setPen(QPen(kLight, 1));
        painter.setBrush(kDark);
        painter.drawPolygon(diamond);
    }
}

void SelectionPainter::paintRubberBand(QPainter& painter, const QRect& band) const {
    DoubleOutline(painter, band.adjusted(0, 0, 1, 1), Qt::DotLine);
}

} // namespace vantora::canvas
