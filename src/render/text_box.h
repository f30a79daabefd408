#pragma once
// The plain text routine of balloons, buttons and the canvas's text placeholders: hard-edged
// glyphs, clipped to a box, placed at the top, centre or bottom of it.

#include "model/object_font.h"

#include <QColor>
#include <QRect>
#include <string>

class QPainter;

namespace vantora {

enum TTextAlignment : int { taLeft = 0, taCenter = 1, taRight = 2 };
enum TTextLayout : int { tlTop = 0, tlCenter = 1, tlBottom = 2 };

// Draws `text` (UTF-8, lines separated by CR LF or LF) into `box` with the font's colour, or with
// `colourOverride` when it is valid (masks draw the same glyphs in white). For Center and Bottom
// the text is measured first (an empty text as one blank) and the box moved so the text sits in
// its middle or on its bottom edge; the drawing is clipped to the moved box.
void DrawTextBox(QPainter& canvas, const std::string& text, QRect box, bool wordWrap, int layout, int alignment,
                 const TObjectFont& font, QColor colourOverride = QColor());

// The text with CR LF and lone CR turned into LF, as QPainter expects.
QString TextForPainting(const std::string& text);

} // namespace vantora
