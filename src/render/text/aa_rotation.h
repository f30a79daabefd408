#pragma once
// Geometry of a rotated line of text: the box a w x h text needs once it is turned by an angle,
// and where the text's top-left origin lands inside that box.

#include <QPointF>
#include <QSize>

namespace vantora {

struct TAARotatedBox {
    QSize size;      // bounding box of the rotated text rectangle
    QPointF origin;  // the text's (unrotated) top-left corner inside that box
};

// Rotates the corners of a w x h box about its centre by `angleDegrees` counter-clockwise as
// seen on screen (y grows downward). Angle 0 gives the box itself with origin (0, 0).
TAARotatedBox RotatedTextBox(int width, int height, int angleDegrees);

// The angle brought into -359..359; full turns draw like no rotation at all.
int NormalizedAngle(int angleDegrees);

} // namespace vantora
