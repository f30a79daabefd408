#include "dialogs/colour_palette.h"

#include "dialogs/colour_conversion.h"
#include "model/colour_names.h"

#include <QPainter>

#include <vector>

namespace vantora {
namespace {

constexpr int kLeft = 6;
constexpr int kSmallPitch = 11;
constexpr int kSmallWidth = 10;
constexpr int kSmallHalfHeight = 4; // cells cover y - 4 .. y + 4
constexpr int kHueColumns = 17;     // and one grey column after them
constexpr int kLargeHalfHeight = 5; // cells cover y - 5 .. y + 5
constexpr int kLargeLeft = 76;
constexpr int kLargePitch = 14;
constexpr int kLargeWidth = 12;

QColor SmallCellColour(int column, int row) {
    const double shade = double(row) / (kPaletteSmallRows - 1); // 0 light .. 1 dark
    if (column == kHueColumns) {
        const int grey = int(255 * (1.0 - shade) + 0.5);
        return QColor(grey, grey, grey);
    }
    const int hue = column * 360 / kHueColumns;
    // Light rows mix with white, dark rows with black; the middle row is the pure hue.
    const double lightness = 0.92 - 0.84 * shade;
    return QColor::fromHslF(float(hue) / 360.0f, 1.0f, float(lightness)).toRgb();
}

// The named colours without white and black, which have their large cells.
std::vector<TColor> LargeCellColours() {
    std::vector<TColor> colours;
    for (const NamedColour& entry : NamedColours())
        if (entry.value != clWhite && entry.value != clBlack)
            colours.push_back(entry.value);
    return colours;
}

QImage DrawPalette() {
    QImage image(kPaletteWidth, kPaletteHeight, QImage::Format_RGB32);
    image.fill(ToQColor(kPaletteBackground));
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < kPaletteSmallRows; ++row)
        for (int column = 0; column <= kHueColumns; ++column) {
            QColor colour = SmallCellColour(column, row);
            if (FromQColor(colour) == kPaletteBackground)
                colour = colour.darker(101);
            painter.fillRect(kLeft + column * kSmallPitch, PaletteSmallRowY(row) - kSmallHalfHeight, kSmallWidth,
                             2 * kSmallHalfHeight + 1, colour);
        }
    painter.fillRect(PaletteWhiteCell(), Qt::white);
    painter.fillRect(PaletteBlackCell(), Qt::black);
    const std::vector<TColor> colours = LargeCellColours();
    const std::size_t perRow = (colours.size() + 1) / 2;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const int y = kPaletteLargeRowY[i / perRow];
        const int x = kLargeLeft + int(i % perRow) * kLargePitch;
        painter.fillRect(x, y - kLargeHalfHeight, kLargeWidth, 2 * kLargeHalfHeight + 1, ToQColor(colours[i]));
    }
    return image;
}

TColor PixelColour(const QImage& image, int x, int y) { return FromQColor(QColor(image.pixel(x, y))); }

// The first run of `colour` on row y, as [start, end]; nothing when the row does not hold it.
std::optional<std::pair<int, int>> FirstRun(const QImage& image, int y, TColor colour) {
    for (int x = 0; x < image.width(); ++x) {
        if (PixelColour(image, x, y) != colour)
            continue;
        int end = x;
        while (end + 1 < image.width() && PixelColour(image, end + 1, y) == colour)
            ++end;
        return std::make_pair(x, end);
    }
    return std::nullopt;
}

} // namespace

QRect PaletteWhiteCell() { return QRect(kLeft, 158, 32, 24); }
QRect PaletteBlackCell() { return QRect(kLeft + 34, 158, 32, 24); }

const QImage& PalettePicture() {
    static const QImage palette = DrawPalette();
    return palette;
}

std::optional<TColor> PickPaletteColour(const QImage& palette, QPoint point) {
    if (palette.isNull() || !palette.rect().contains(point))
        return std::nullopt;
    const TColor background = PixelColour(palette, 0, 0);
    for (const int dy : {0, 1, -1}) {
        const int y = point.y() + dy;
        if (y < 0 || y >= palette.height())
            continue;
        const TColor colour = PixelColour(palette, point.x(), y);
        if (colour != background)
            return colour;
    }
    return std::nullopt;
}

std::optional<PaletteMarker> FindPaletteMarker(const QImage& palette, TColor colour) {
    if (colour == clWhite)
        return PaletteMarker{PaletteMarkerKind::WhiteCell, PaletteWhiteCell().adjusted(-2, -2, 2, 2)};
    if (colour == clBlack)
        return PaletteMarker{PaletteMarkerKind::BlackCell, PaletteBlackCell().adjusted(-2, -2, 2, 2)};
    if (palette.isNull() || colour == PixelColour(palette, 0, 0))
        return std::nullopt;
    const auto markAt = [&](int y, PaletteMarkerKind kind, QSize size) -> std::optional<PaletteMarker> {
        const auto run = FirstRun(palette, y, colour);
        if (!run)
            return std::nullopt;
        const int middle = (run->first + run->second) / 2;
        return PaletteMarker{kind, QRect(middle - size.width() / 2, y - size.height() / 2, size.width(), size.height())};
    };
    for (int row = 0; row < kPaletteSmallRows; ++row)
        if (auto marker = markAt(PaletteSmallRowY(row), PaletteMarkerKind::SmallCell, QSize(13, 11)))
            return marker;
    for (const int y : kPaletteLargeRowY)
        if (auto marker = markAt(y, PaletteMarkerKind::LargeCell, QSize(15, 13)))
            return marker;
    return std::nullopt;
}

} // namespace vantora
