#pragma once
// A small pixel canvas for drawing the built-in cursors: crisp black and white shapes, each
// stamped with a one-pixel outline of the opposite tone so it reads on any background, the way
// desktop cursors are drawn.

#include <QImage>

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace vantora {

enum class Ink : std::uint8_t { None = 0, Black = 1, White = 2 };

class CursorSketch {
public:
    static constexpr int kSize = 32;

    // A shape given by whether a pixel centre (x + 0.5, y + 0.5) lies inside it: filled with
    // `fill`, ringed (eight neighbours) with `outline` unless that is Ink::None.
    void Stamp(const std::function<bool(double x, double y)>& inside, Ink fill, Ink outline);

    // Pixel art: 'X' black, '.' white, any other character leaves the pixel as it is.
    void Art(int left, int top, std::initializer_list<const char*> rows);

    // Pixel art as a shape: its 'X' pixels filled with `fill` and ringed with `outline`.
    void StampArt(int left, int top, std::initializer_list<const char*> rows, Ink fill, Ink outline);

    Ink At(int x, int y) const { return pixels_[std::size_t(y * kSize + x)]; }

    // Format_ARGB32: black, white or fully transparent pixels.
    QImage ToImage() const;

private:
    void Set(int x, int y, Ink ink);
    std::array<Ink, kSize * kSize> pixels_{};
};

// Even-odd point-in-polygon test for Stamp predicates.
using Outline = std::vector<std::pair<double, double>>;
bool InsidePolygon(const Outline& points, double x, double y);

} // namespace vantora
