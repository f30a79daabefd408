#include "swf/lossless_data.h"

#include <array>

namespace swf {

TBitmapFormat FormatForDepth(int bitsPerPixel) {
    switch (bitsPerPixel) {
    case 1: case 4: case 8: return bmfColorMapped;
    case 16: return bmf15Bit;
    case 24: return bmf24Bit;
    case 32: return bmf32BitSource;
    default: return bmfNone;
    }
}

int LosslessRowLength(TBitmapFormat format, int width) {
    switch (format) {
    case bmfColorMapped: return (width + 3) & ~3;
    case bmf15Bit: return (width + 1) & ~1;
    default: return width;
    }
}

void CompactPalette(TBMPReader& bmp) {
    if (bmp.BitsPerPixel() > 8 || !bmp.IsLoaded())
        return;
    std::array<bool, 256> used{};
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x)
            used[bmp.PaletteIndex(x, y)] = true;
    std::vector<TBMPPaletteEntry> palette = bmp.Palette();
    std::array<uint8_t, 256> newIndex{};
    std::vector<TBMPPaletteEntry> compacted;
    for (int i = 0; i < 256; ++i) {
        if (!used[size_t(i)])
            continue;
        newIndex[size_t(i)] = uint8_t(compacted.size());
        compacted.push_back(size_t(i) < palette.size() ? palette[size_t(i)] : TBMPPaletteEntry{0, 0, 0, 255});
    }
    const int bpp = bmp.BitsPerPixel();
    for (int y = 0; y < bmp.Height(); ++y) {
        uint8_t* row = bmp.MutableRow(y);
        for (int x = 0; x < bmp.Width(); ++x) {
            const uint8_t v = newIndex[bmp.PaletteIndex(x, y)];
            if (bpp == 8) {
                row[x] = v;
            } else if (bpp == 4) {
                uint8_t& b = row[x / 2];
                b = x % 2 == 0 ? uint8_t((b & 0x0F) | (v << 4)) : uint8_t((b & 0xF0) | v);
            } else {
                uint8_t& b = row[x / 8];
                const uint8_t bit = uint8_t(0x80 >> (x % 8));
                b = v ? uint8_t(b | bit) : uint8_t(b & ~bit);
            }
        }
    }
    bmp.SetPalette(std::move(compacted));
}

bool AlphaBytesAllZero(const TBMPReader& bmp) {
    if (bmp.BitsPerPixel() != 32 || !bmp.IsLoaded())
        return false;
    for (int y = 0; y < bmp.Height(); ++y) {
        const uint8_t* row = bmp.Row(y);
        for (int x = 0; x < bmp.Width(); ++x)
            if (bmp.AlphaMask() != 0 ? bmp.PixelBGRA(x, y).Alpha != 0 : row[x * 4 + 3] != 0)
                return false;
    }
    return true;
}

namespace {

// 16-bit pixels go out as x-RRRRR-GGGGG-BBBBB; bit-field sources (5-6-5 and others) are converted.
uint16_t to555(const TBMPReader& bmp, int x, int y) {
    const uint8_t* row = bmp.Row(y);
    const uint16_t raw = uint16_t(row[x * 2] | row[x * 2 + 1] << 8);
    if (bmp.RedMask() == 0x7C00 && bmp.GreenMask() == 0x03E0 && bmp.BlueMask() == 0x001F)
        return raw & 0x7FFF;
    const TBMPPixel p = bmp.PixelBGRA(x, y);
    return uint16_t((p.Red >> 3) << 10 | (p.Green >> 3) << 5 | (p.Blue >> 3));
}

} // namespace

std::vector<uint8_t> LosslessFromBMP(const TBMPReader& bmp, TBitmapFormat format, bool hasAlpha, bool ignoreAlpha) {
    std::vector<uint8_t> out;
    const int w = bmp.Width();
    const int h = bmp.Height();
    const int rowLength = LosslessRowLength(format, w);
    switch (format) {
    case bmfColorMapped: {
        out.reserve(bmp.Palette().size() * 4 + size_t(rowLength) * size_t(h));
        for (const TBMPPaletteEntry& e : bmp.Palette()) {
            if (hasAlpha) {
                out.push_back(Premultiply(e.Red, e.Alpha));
                out.push_back(Premultiply(e.Green, e.Alpha));
                out.push_back(Premultiply(e.Blue, e.Alpha));
                out.push_back(e.Alpha);
            } else {
                out.push_back(e.Red);
                out.push_back(e.Green);
                out.push_back(e.Blue);
            }
        }
        for (int y = h - 1; y >= 0; --y) {
            for (int x = 0; x < w; ++x)
                out.push_back(bmp.PaletteIndex(x, y));
            out.insert(out.end(), size_t(rowLength - w), 0);
        }
        break;
    }
    case bmf15Bit:
        out.reserve(size_t(rowLength) * size_t(h) * 2);
        for (int y = h - 1; y >= 0; --y) {
            for (int x = 0; x < w; ++x) {
                const uint16_t v = to555(bmp, x, y);
                out.push_back(uint8_t(v >> 8));
                out.push_back(uint8_t(v));
            }
            out.insert(out.end(), size_t(rowLength - w) * 2, 0);
        }
        break;
    case bmf24Bit:
        out.resize(size_t(w) * size_t(h) * 4);
        for (int y = h - 1, o = 0; y >= 0; --y) {
            const uint8_t* row = bmp.Row(y);
            for (int x = 0; x < w; ++x, o += 4) {
                out[size_t(o)] = 0xFF;
                out[size_t(o) + 1] = row[x * 3 + 2];
                out[size_t(o) + 2] = row[x * 3 + 1];
                out[size_t(o) + 3] = row[x * 3];
            }
        }
        break;
    case bmf32BitSource:
        out.resize(size_t(w) * size_t(h) * 4);
        for (int y = h - 1, o = 0; y >= 0; --y) {
            for (int x = 0; x < w; ++x, o += 4) {
                const TBMPPixel p = bmp.PixelBGRA(x, y);
                const uint8_t a = ignoreAlpha ? 255 : p.Alpha;
                if (a == 0)
                    continue; // four zero bytes
                out[size_t(o)] = a;
                out[size_t(o) + 1] = Premultiply(p.Red, a);
                out[size_t(o) + 2] = Premultiply(p.Green, a);
                out[size_t(o) + 3] = Premultiply(p.Blue, a);
            }
        }
        break;
    case bmfNone: break;
    }
    return out;
}

std::vector<uint8_t> LosslessFromPixels(const TPixelBuffer& px) {
    std::vector<uint8_t> out(size_t(px.Width) * size_t(px.Height) * 4);
    const int bpp = px.BytesPerPixel();
    const bool alpha = px.HasAlpha();
    const int r = px.RedFirst() ? 0 : 2;
    const int b = px.RedFirst() ? 2 : 0;
    uint8_t* o = out.data();
    for (int y = 0; y < px.Height; ++y) {
        const uint8_t* s = px.Pixels + size_t(y) * size_t(px.Stride);
        for (int x = 0; x < px.Width; ++x, s += bpp, o += 4) {
            const uint8_t a = alpha ? s[3] : 255;
            if (a == 255) {
                o[0] = 255;
                o[1] = s[r];
                o[2] = s[1];
                o[3] = s[b];
            } else if (a != 0) {
                o[0] = a;
                o[1] = Premultiply(s[r], a);
                o[2] = Premultiply(s[1], a);
                o[3] = Premultiply(s[b], a);
            } // alpha 0: four zero bytes
        }
    }
    return out;
}

} // namespace swf
