// Draws "Default.ico", the CD icon used when the author chose none: a blue screen with a white
// play sign, at 16, 32 and 48 pixels, as 32-bit images with alpha and their transparency masks.
// Usage: make_default_icon OUT.ico

#include "base/little_endian.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

using vantora::AppendU16;
using vantora::AppendU32;

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;
};

// Coverage of the icon's shapes at a point of the unit square: the rounded screen and the sign.
Rgba shade(double x, double y) {
    const double inset = 0.06, radius = 0.16;
    const double cx = std::clamp(x, inset + radius, 1 - inset - radius);
    const double cy = std::clamp(y, inset + radius, 1 - inset - radius);
    const double outside = std::hypot(x - cx, y - cy) - radius;
    if (outside > 0)
        return {};
    // The play sign: a triangle pointing right.
    const double ax = 0.38, ay = 0.28, bx = 0.38, by = 0.72, px = 0.74, py = 0.5;
    auto side = [](double x0, double y0, double x1, double y1, double x2, double y2) {
        return (x1 - x0) * (y2 - y0) - (y1 - y0) * (x2 - x0);
    };
    const bool inSign = side(ax, ay, px, py, x, y) >= 0 && side(px, py, bx, by, x, y) >= 0 && side(bx, by, ax, ay, x, y) >= 0;
    if (inSign)
        return {1, 1, 1, 1};
    // A vertical blue gradient, darker at the bottom, with a light rim.
    const double rim = outside > -0.035 ? 0.25 : 0;
    return {0.10 + rim, 0.35 - 0.15 * y + rim, 0.85 - 0.25 * y + rim, 1};
}

std::vector<std::uint8_t> drawBgra(int size) {
    constexpr int kSamples = 4; // per axis, for smooth edges
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(size) * size * 4);
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            Rgba sum;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Rgba s = shade((column + (sx + 0.5) / kSamples) / size, (row + (sy + 0.5) / kSamples) / size);
                    sum.r += s.r * s.a; sum.g += s.g * s.a; sum.b += s.b * s.a; sum.a += s.a;
                }
            const double alpha = sum.a / (kSamples * kSamples);
            auto channel = [&](double premultiplied) {
                return static_cast<std::uint8_t>(std::lround(std::clamp(sum.a > 0 ? premultiplied / sum.a : 0.0, 0.0, 1.0) * 255));
            };
            // Icon rows run from the bottom up.
            std::uint8_t* p = &pixels[(static_cast<std::size_t>(size - 1 - row) * size + column) * 4];
            p[0] = channel(sum.b);
            p[1] = channel(sum.g);
            p[2] = channel(sum.r);
            p[3] = static_cast<std::uint8_t>(std::lround(alpha * 255));
        }
    }
    return pixels;
}

// One icon image: the bitmap header (twice the height, for the mask), the pixels, the mask.
std::vector<std::uint8_t> iconImage(int size) {
    const std::vector<std::uint8_t> pixels = drawBgra(size);
    const int maskRow = ((size + 31) / 32) * 4;
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(maskRow) * size, 0);
    for (int row = 0; row < size; ++row)
        for (int column = 0; column < size; ++column)
            if (pixels[(static_cast<std::size_t>(row) * size + column) * 4 + 3] == 0)
                mask[static_cast<std::size_t>(row) * maskRow + column / 8] |= 0x80 >> (column % 8);
    std::vector<std::uint8_t> out;
    AppendU32(out, 40);
    AppendU32(out, size);
    AppendU32(out, 2 * size);
    AppendU16(out, 1);
    AppendU16(out, 32);
    AppendU32(out, 0);
    AppendU32(out, static_cast<std::uint32_t>(pixels.size() + mask.size()));
    for (int i = 0; i < 4; ++i)
        AppendU32(out, 0);
    out.insert(out.end(), pixels.begin(), pixels.end());
    out.insert(out.end(), mask.begin(), mask.end());
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_default_icon OUT.ico\n");
        return 2;
    }
    const int sizes[] = {16, 32, 48};
    std::vector<std::vector<std::uint8_t>> images;
    for (int size : sizes)
        images.push_back(iconImage(size));
    std::vector<std::uint8_t> file;
    AppendU16(file, 0);
    AppendU16(file, 1);
    AppendU16(file, static_cast<std::uint16_t>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        file.push_back(static_cast<std::uint8_t>(sizes[i]));
        file.push_back(static_cast<std::uint8_t>(sizes[i]));
        file.push_back(0);
        file.push_back(0);
        AppendU16(file, 1);
        AppendU16(file, 32);
        AppendU32(file, static_cast<std::uint32_t>(images[i].size()));
        AppendU32(file, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images)
        file.insert(file.end(), image.begin(), image.end());
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    if (!out) {
        std::fprintf(stderr, "make_default_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
