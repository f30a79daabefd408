#pragma once
// The decoration pictures a note can carry at its top centre: "Bind" (binder rings, 60 x 37) and
// "Pad" (a strip of adhesive tape, 70 x 33). Drawn once, at first use. "Clip", "Pin", "Custom"
// and "None" have no picture.

#include "render/round_body_painter.h"

#include <QImage>

namespace vantora {

constexpr int kBindWidth = 60, kBindHeight = 37;
constexpr int kPadWidth = 70, kPadHeight = 33;

// Format_ARGB32 with straight alpha, or a null image for graphics without a picture.
QImage NoteDecoration(TNoteGraphic graphic);

} // namespace vantora
