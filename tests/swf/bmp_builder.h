#pragma once
// Builds BMP files byte by byte for the tests, so every header field can be set (or damaged) at will.

#include <cstdint>
#include <vector>

namespace swf_test {

struct BmpLayout {
    int32_t width = 1;
    int32_t height = 1; // negative: top-down
    uint16_t bitsPerPixel = 24;
    uint32_t compression = 0;
    std::vector<uint32_t> palette; // 0x00RRGGBB per entry
    std::vector<uint32_t> masks;   // written after the 40-byte header when not empty
    uint32_t colorsUsed = 0;
    std::vector<uint8_t> pixels;   // stored rows exactly as they go into the file
};

inline void putLE(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

inline std::vector<uint8_t> makeBmp(const BmpLayout& s) {
    const uint32_t paletteBytes = uint32_t(s.palette.size() * 4);
    const uint32_t maskBytes = uint32_t(s.masks.size() * 4);
    const uint32_t offset = 14 + 40 + maskBytes + paletteBytes;
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    putLE(out, offset + uint32_t(s.pixels.size()), 4);
    putLE(out, 0, 4);
    putLE(out, offset, 4);
    putLE(out, 40, 4);
    putLE(out, uint32_t(s.width), 4);
    putLE(out, uint32_t(s.height), 4);
    putLE(out, 1, 2);
    putLE(out, s.bitsPerPixel, 2);
    putLE(out, s.compression, 4);
    putLE(out, uint32_t(s.pixels.size()), 4);
    putLE(out, 2835, 4);
    putLE(out, 2835, 4);
    putLE(out, s.colorsUsed, 4);
    putLE(out, 0, 4);
    for (uint32_t m : s.masks)
        putLE(out, m, 4);
    for (uint32_t c : s.palette) {
        out.push_back(uint8_t(c));
        out.push_back(uint8_t(c >> 8));
        out.push_back(uint8_t(c >> 16));
        out.push_back(0);
    }
    out.insert(out.end(), s.pixels.begin(), s.pixels.end());
    return out;
}

// A 24-bit bottom-up BMP whose pixel (x, y) (y = 0 top row) is colour(x, y) as 0x00RRGGBB.
template <class ColourOf>
std::vector<uint8_t> makeBmp24(int width, int height, ColourOf colour) {
    BmpLayout s;
    s.width = width;
    s.height = height;
    const size_t rowBytes = ((size_t(width) * 24 + 31) / 32) * 4;
    s.pixels.assign(rowBytes * size_t(height), 0);
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row; // bottom row is stored first
        for (int x = 0; x < width; ++x) {
            const uint32_t c = colour(x, y);
            uint8_t* p = s.pixels.data() + size_t(row) * rowBytes + size_t(x) * 3;
            p[0] = uint8_t(c);
            p[1] = uint8_t(c >> 8);
            p[2] = uint8_t(c >> 16);
        }
    }
    return makeBmp(s);
}

} // namespace swf_test
