#pragma once
// What the object renderer asks of the text painters: the effect text of a Note, drawn into the
// note's picture, and the whole picture of a Label.

#include <QImage>
#include <QRect>

namespace vantora {

struct TDemoObject;

// Draws the note's text with all its text effects onto a background of the note's BackColor,
// sized to `textBox`, and copies that box onto `picture` (ARGB32 with straight alpha, or an RGB32
// colour plane) at the box's top-left corner. Only colours change: the alpha the note body gave
// those pixels is kept. Parts of the box outside the picture are clipped; an empty box draws
// nothing.
void DrawNoteText(QImage& picture, const TDemoObject& note, const QRect& textBox);

// Replaces `picture` with the label's picture: Width x Height, ARGB32 with straight alpha, the
// caption drawn in the font colour with its anti-aliased coverage as alpha, clipped at the edges
// (no wrapping). A label without a usable size gets a null picture.
void PaintLabel(const TDemoObject& label, QImage& picture);

} // namespace vantora
