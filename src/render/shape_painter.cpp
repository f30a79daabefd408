#include "render/shape_painter.h"

#include "render/text/font_conversion.h"
#include "render/render_limits.h"
#include "render/rgb_alpha_canvas.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cstdlib>

namespace vantora {
namespace {

// The pixels of a thin line as the canvas sets them: Bresenham steps from `from`, leaving out the
// last pixel. QPainter's own rule for the end pixel differs by slope, so thin lines are stepped here.
QPolygon thinLinePixels(QPoint from, QPoint to) {
    QPolygon pixels;
    const int dx = std::abs(to.x() - from.x()), sx = from.x() < to.x() ? 1 : -1;
    const int dy = -std::abs(to.y() - from.y()), sy = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    QPoint p = from;
    while (p != to) {
        pixels << p;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.rx() += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.ry() += sy;
        }
    }
    return pixels;
}

// Wide pens end in a round cap on the end point, like the platform's geometric pens.
void drawLine(QPainter& painter, QPoint from, QPoint to) {
    if (from == to || painter.pen().style() == Qt::NoPen)
        return;
    if (painter.pen().width() > 1) {
        painter.drawLine(from, to);
        return;
    }
    painter.drawPoints(thinLinePixels(from, to));
}

// (left, top) - (right, bottom) with exclusive right/bottom edges, as the platform canvas takes.
QRect exclusiveRect(int left, int top, int right, int bottom) { return QRect(left, top, right - left - 1, bottom - top - 1); }

} // namespace

QPen ShapePen(int borderWidth, QColor colour) {
    if (borderWidth <= 0)
        return Qt::NoPen;
    QPen pen(colour, ClampedDistance(borderWidth));
    pen.setCapStyle(borderWidth > 1 ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(borderWidth > 1 ? Qt::RoundJoin : Qt::MiterJoin);
    return pen;
}

void DrawShapeGeometry(QPainter& painter, TShapeKind shape, int w, int h, int borderWidth, int cornerEllipse) {
    const int a = std::max(ClampedDistance(borderWidth), 0) / 2;
    const auto polygon = [&](std::initializer_list<QPoint> points) { painter.drawPolygon(QPolygon(points)); };
    switch (shape) {
    case TShapeKind::Rectangle: {
        const QRect box = exclusiveRect(a + 1, a + 1, w - a - 1, h - a - 1);
        const qreal radius = std::max(ClampedDistance(cornerEllipse), 0) / 2.0;
        if (radius > 0)
            painter.drawRoundedRect(box, radius, radius, Qt::AbsoluteSize);
        else
            painter.drawRect(box);
        break;
    }
    case TShapeKind::Ellipse: painter.drawEllipse(exclusiveRect(a + 1, a + 1, w - a - 1, h - a - 1)); break;
    case TShapeKind::Diamond:
        polygon({{a, h / 2}, {w / 2, a}, {w - a - 1, h / 2}, {w / 2, h - a - 1}});
        break;
    case TShapeKind::ArrowLeft:
        polygon({{a, h / 2}, {w / 3, a}, {w / 3, h / 4}, {w - a - 1, h / 4}, {w - a - 1, 3 * h / 4}, {w / 3, 3 * h / 4},
                 {w / 3, h - a - 1}});
        break;
    case TShapeKind::ArrowRight:
        polygon({{w - a, h / 2}, {2 * w / 3, a}, {2 * w / 3, h / 4}, {a, h / 4}, {a, 3 * h / 4},
                 {2 * w / 3, 3 * h / 4}, {2 * w / 3, h - a - 1}});
        break;
    case TShapeKind::ArrowUp:
        polygon({{w / 2, a}, {a, h / 3}, {w / 4, h / 3}, {w / 4, h - a}, {3 * w / 4, h - a}, {3 * w / 4, h / 3},
                 {w - a - 1, h / 3}});
        break;
    case TShapeKind::ArrowDown:
        polygon({{w / 2, h - a}, {a, 2 * h / 3}, {w / 4, 2 * h / 3}, {w / 4, a}, {3 * w / 4, a},
                 {3 * w / 4, 2 * h / 3}, {w - a - 1, 2 * h / 3}});
        break;
    case TShapeKind::LineHorz: drawLine(painter, {a, h / 2}, {w - a, h / 2}); break;
    case TShapeKind::LineVert: drawLine(painter, {w / 2, a}, {w / 2, h}); break;
    case TShapeKind::LineLeftTopToRightBottom: drawLine(painter, {a, a}, {w - a, h}); break;
    case TShapeKind::LineTopRightToBottomLeft: drawLine(painter, {w - a, a}, {a, h}); break;
    }
}

void PaintShape(const TDemoObject& shape, QImage& target) {
    const int kind = shape.*slot::ShapeKind;
    if (!IsRenderableSize(shape.Width, shape.Height) || kind < 0 || kind > 10) {
        target = QImage();
        return;
    }
    const bool solid = (shape.*slot::FillStyle) != static_cast<int>(TFillStyle::Clear);
    RgbAlphaCanvas canvas(shape.Width, shape.Height);
    {
        QPainter colour(&canvas.rgb);
        colour.setPen(ShapePen(shape.BorderWidth, ToQColor(shape.BorderColor)));
        colour.setBrush(solid ? QBrush(ToQColor(shape.*slot::FillColor)) : QBrush(Qt::NoBrush));
        DrawShapeGeometry(colour, static_cast<TShapeKind>(kind), shape.Width, shape.Height, shape.BorderWidth,
                          2 * ClampedDistance(shape.*slot::RoundForRect));
        QPainter mask(&canvas.alpha);
        mask.setPen(ShapePen(shape.BorderWidth, Qt::white));
        mask.setBrush(solid ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
        DrawShapeGeometry(mask, static_cast<TShapeKind>(kind), shape.Width, shape.Height, shape.BorderWidth,
                          2 * ClampedDistance(shape.*slot::RoundForRect));
    }
    canvas.ComposeInto(target);
}

} // namespace vantora
