#pragma once
// The palette picture of the colour editor: colour cells on a uniform background. Thirteen rows of
// small cells (hues across, light to dark down, a grey column at the right) are centred on the rows
// y = 6 + 11 i; below them a large white cell, a large black cell and two rows of larger cells with
// the named colours, centred on y = 163 and y = 176.

#include "model/colour.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <optional>

namespace vantora {

inline constexpr int kPaletteWidth = 209;
inline constexpr int kPaletteHeight = 187;
inline constexpr int kPaletteSmallRows = 13;
inline constexpr int kPaletteLargeRowY[2] = {163, 176};

constexpr int PaletteSmallRowY(int row) { return 6 + 11 * row; }

// The palette's background: the colour of its top-left pixel, never a cell colour.
inline constexpr TColor kPaletteBackground = 0x00C8D0D4;

// The palette, drawn once (Format_RGB32).
const QImage& PalettePicture();

// The colour under a click: the pixel's colour, or when that is the background the pixel one below,
// then the one above. Nothing when all of them are background or the point is outside.
std::optional<TColor> PickPaletteColour(const QImage& palette, QPoint point);

enum class PaletteMarkerKind { SmallCell, LargeCell, WhiteCell, BlackCell };

struct PaletteMarker {
    PaletteMarkerKind kind;
    QRect frame; // where the marker is drawn
};

// Where the marker of a colour goes: white and black mark their large cells; another colour marks
// the middle of its first run on the first cell row that holds it. Nothing for a colour the palette
// does not hold.
std::optional<PaletteMarker> FindPaletteMarker(const QImage& palette, TColor colour);

// The rectangles of the large white and black cells.
QRect PaletteWhiteCell();
QRect PaletteBlackCell();

} // namespace vantora
