#include "render/cursor_sketch.h"

#include <cstring>
#include <vector>

namespace vantora {

void CursorSketch::Set(int x, int y, Ink ink) {
    if (x >= 0 && y >= 0 && x < kSize && y < kSize)
        pixels_[std::size_t(y * kSize + x)] = ink;
}

void CursorSketch::Stamp(const std::function<bool(double, double)>& inside, Ink fill, Ink outline) {
    std::array<bool, kSize * kSize> mask{};
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            mask[std::size_t(y * kSize + x)] = inside(x + 0.5, y + 0.5);
    const auto covered = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < kSize && y < kSize && mask[std::size_t(y * kSize + x)];
    };
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (covered(x, y)) {
                Set(x, y, fill);
                continue;
            }
            if (outline == Ink::None)
                continue;
            bool touches = false;
            for (int dy = -1; dy <= 1 && !touches; ++dy)
                for (int dx = -1; dx <= 1 && !touches; ++dx)
                    touches = covered(x + dx, y + dy);
            if (touches)
                Set(x, y, outline);
        }
    }
}

void CursorSketch::Art(int left, int top, std::initializer_list<const char*> rows) {
    int y = top;
    for (const char* row : rows) {
        for (int x = 0; row[x] != '\0'; ++x) {
            if (row[x] == 'X')
                Set(left + x, y, Ink::Black);
            else if (row[x] == '.')
                Set(left + x, y, Ink::White);
        }
        ++y;
    }
}

QImage CursorSketch::ToImage() const {
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    for (int y = 0; y < kSize; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kSize; ++x) {
            switch (At(x, y)) {
            case Ink::Black: row[x] = 0xFF000000u; break;
            case Ink::White: row[x] = 0xFFFFFFFFu; break;
            case Ink::None: row[x] = 0x00000000u; break;
            }
        }
    }
    return image;
}

void CursorSketch::StampArt(int left, int top, std::initializer_list<const char*> rows, Ink fill, Ink outline) {
    const std::vector<const char*> lines(rows);
    Stamp(
        [&](double x, double y) {
            const int column = int(x) - left;
            const int row = int(y) - top;
            if (x < left || y < top || row >= int(lines.size()))
                return false;
            const char* line = lines[std::size_t(row)];
            return column < int(std::strlen(line)) && line[column] == 'X';
        },
        fill, outline);
}

bool InsidePolygon(const Outline& p, double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        const auto [xi, yi] = p[i];
        const auto [xj, yj] = p[j];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
            inside = !inside;
    }
    return inside;
}

} // namespace vantora
