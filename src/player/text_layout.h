#pragma once
// Lays out and paints a text field: lines broken at line ends (and at word gaps when the field
// wraps), aligned inside the field's 2-pixel gutter and margins, clipped to its bounds. Fields
// with embedded glyphs draw those; the others use the system face of the font's name.

#include "player/characters.h"

#include <QPainter>

#include <string>
#include <vector>

namespace player {

void PaintTextField(QPainter& painter, const EditTextDef& field, const FontDef* font, const QTransform& t, QColor color);

// Splits `text` into lines: at line ends, and where a line would pass `width` (when `wrap`) at
// the last space before that point (or inside a word longer than a line). `advance` measures.
template <class Measure>
std::vector<std::u16string> BreakLines(const std::u16string& text, bool wrap, double width, Measure advance) {
    std::vector<std::u16string> lines;
    std::u16string line;
    double lineWidth = 0;
    size_t lastSpace = std::u16string::npos;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            lines.push_back(line);
            line.clear();
            lineWidth = 0;
            lastSpace = std::u16string::npos;
            continue;
        }
        const double w = advance(c);
        if (wrap && !line.empty() && lineWidth + w > width && c != u' ') {
            if (lastSpace != std::u16string::npos) {
                std::u16string rest = line.substr(lastSpace + 1);
                line.resize(lastSpace);
                lines.push_back(line);
                line = rest;
            } else {
                lines.push_back(line);
                line.clear();
            }
            lineWidth = 0;
            for (char16_t k : line)
                lineWidth += advance(k);
            lastSpace = std::u16string::npos;
        }
        if (c == u' ')
            lastSpace = line.size();
        line.push_back(c);
        lineWidth += w;
    }
    lines.push_back(line);
    return lines;
}

} // namespace player
