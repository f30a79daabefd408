#pragma once
// Shapes (kind Shape) and the plain button face: outline and fill drawn twice, once in colour
// and once in white on a black mask whose grey value becomes the alpha.

#include "model/demo_object.h"

#include <QImage>

class QPainter;

namespace vantora {

enum class TShapeKind : int {
    Rectangle = 0, Ellipse, Diamond, ArrowLeft, ArrowRight, ArrowUp, ArrowDown,
    LineHorz, LineVert, LineLeftTopToRightBottom, LineTopRightToBottomLeft
};

enum class TFillStyle : int { Solid = 0, Clear = 1 };

// Draws the geometry of `shape` in a width x height picture with the painter's current pen and
// brush; `borderWidth` sets the inset, `cornerEllipse` the rounding of Rectangle.
void DrawShapeGeometry(QPainter& painter, TShapeKind shape, int width, int height, int borderWidth, int cornerEllipse);

// A pen of BorderWidth in `colour`; width 0 draws nothing.
QPen ShapePen(int borderWidth, QColor colour);

// Paints `shape` into `target` (Format_ARGB32, straight alpha, Width x Height).
void PaintShape(const TDemoObject& shape, QImage& target);

} // namespace vantora
