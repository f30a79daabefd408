#pragma once
// The round body shared by RoundBalloon and Note: bevelled rings of rounded rectangles (and the
// balloon's triangular pointer), a soft four-step shadow, then the text and, for a note, its
// decoration picture.

#include "model/demo_object.h"

#include <QImage>
#include <QPolygon>
#include <QRect>

namespace vantora {

enum class TNoteGraphic : int { None = 0, Custom = 1, Bind = 2, Clip = 3, Pad = 4, Pin = 5 };

// Which sides of the picture a pointer or decoration keeps free.
struct MarkedSides {
    bool left = false, top = false, right = false, bottom = false;
};

MarkedSides RoundBodyMarkedSides(const TDemoObject& object);

// The pointer triangle of a RoundBalloon, ring `ring` (0..3) shifted by (offset, offset). Empty
// for notes and for Arrow values outside 0..11.
QPolygon RoundBalloonArrowRing(const TDemoObject& balloon, int ring, int offset);

// The text box inside the body, clear of the marked sides.
QRect RoundBodyTextBox(const TDemoObject& object);

// Paints a RoundBalloon or Note into `target` (Format_ARGB32, straight alpha, Width x Height).
void PaintRoundBody(const TDemoObject& object, QImage& target);

} // namespace vantora
