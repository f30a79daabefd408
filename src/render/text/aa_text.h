#pragma once
// The multi-line text control of notes: a background colour, then every line of text drawn
// with the anti-aliasing font, word-wrapped to the client width, aligned, rows spaced by the
// font height times (1 + RowPitch %). Layout is always from the top.

#include "render/text/aa_effect.h"
#include "render/text/aa_font_ex.h"
#include "render/text/aa_quality.h"
#include "render/text/aa_random.h"

#include <QFont>
#include <QImage>
#include <QRgb>
#include <QStringList>

namespace vantora {

enum class TAAAlignment { taLeftJustify, taRightJustify, taCenter };

// Where one row is drawn and what it shows, as Paint lays them out.
struct TAATextRow {
    QString text;
    int x = 0;
    int y = 0;
};

class TAAText {
public:
    QStringList Lines;
    TAAAlignment Alignment = TAAAlignment::taLeftJustify;
    bool WordWrap = true;
    int RowPitch = 0;                 // percent, signed 16-bit
    QRgb Color = qRgb(255, 255, 255); // background
    int Border = 0;
    QFont Font;
    QRgb FontColor = qRgb(0, 0, 0);
    TAAEffect FontEffect;
    TAAQuality Quality = TAAQuality::aqNormal;

    // Fills `bitmap` (Format_RGB32, the client area) with Color and draws every row.
    void Paint(QImage& bitmap, TAARandom& random) const;
    // The same with a font the caller keeps, so its work bitmaps serve many paints.
    void Paint(QImage& bitmap, TAAFontEx& font) const;

    // The rows Paint draws into a client area of `clientSize`, in order, with their positions.
    std::vector<TAATextRow> LayOut(QSize clientSize, TAAFontEx& font) const;

private:
    void PrepareFont(TAAFontEx& font) const;
    QStringList WrapLine(const QString& line, int available, TAAFontEx& font) const;
    int RowX(int clientWidth, int rowWidth) const;
};

} // namespace vantora
