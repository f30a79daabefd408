#include "render/text/aa_text.h"

#include "render/text/aa_blend.h"
#include "render/text/aa_word_wrap.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vantora {

void TAAText::PrepareFont(TAAFontEx& font) const {
    font.SetQuality(Quality);
    font.SetFont(Font);
    font.Color = FontColor;
    font.Effect = FontEffect;
}

QStringList TAAText::WrapLine(const QString& line, int available, TAAFontEx& font) const {
    const int width = font.TextExtent(line).width();
    if (!WordWrap || width <= available || line.isEmpty()) {
        return {line};
    }
    // First guess from the average character width, then shrink until the prefix fits.
    long long columns = std::max(0LL, 1LL * std::max(available, 0) * line.size() / width);
    while (columns > 0 && font.TextExtent(line.left(columns)).width() > available) {
        --columns;
    }
    return WrapByColumns(line, static_cast<int>(columns + 1));
}

int TAAText::RowX(int clientWidth, int rowWidth) const {
    switch (Alignment) {
    case TAAAlignment::taRightJustify: return clientWidth - Border - rowWidth;
    case TAAAlignment::taCenter: return (clientWidth - rowWidth) / 2;
    case TAAAlignment::taLeftJustify: break;
    }
    return Border;
}

std::vector<TAATextRow> TAAText::LayOut(QSize clientSize, TAAFontEx& font) const {
    PrepareFont(font);
    const int pitch = std::clamp(RowPitch, int{std::numeric_limits<std::int16_t>::min()},
                                 int{std::numeric_limits<std::int16_t>::max()});
    const double rowFactor = pitch / 100.0 + 1.0;
    const int bottom = clientSize.height() - Border;
    const int available = clientSize.width() - 2 * Border;

    std::vector<TAATextRow> rows;
    long long y = Border;
    for (const QString& line : Lines) {
        if (y > bottom) {
            break;
        }
        for (const QString& wrapped : WrapLine(line, available, font)) {
            if (y > bottom) {
                break;
            }
            const QString text = wrapped.isEmpty() ? QStringLiteral(" ") : wrapped;
            const int height = font.TextExtent(text + u' ').height();
            const int width = font.TextExtent(text).width();
            rows.push_back({text, RowX(clientSize.width(), width), static_cast<int>(y)});
            y += std::llround(rowFactor * height);
            // A strongly negative pitch walks upward; nothing above the top can show.
            if (y < -(1LL << 30)) {
                return rows;
            }
        }
    }
    return rows;
}

void TAAText::Paint(QImage& bitmap, TAARandom& random) const {
    TAAFontEx font(random);
    Paint(bitmap, font);
}

void TAAText::Paint(QImage& bitmap, TAAFontEx& font) const {
    bitmap.fill(Color | 0xFF000000u);
    TAACanvas canvas{&bitmap, std::nullopt};
    for (const TAATextRow& row : LayOut(bitmap.size(), font)) {
        font.TextOut(canvas, row.x, row.y, row.text);
    }
}

} // namespace vantora
