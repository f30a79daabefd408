#pragma once
// TBMPReader: decodes Windows BMP data (file or memory) into rows of the source depth and a palette.
//
// The reader treats its input as hostile. Every failure (truncated data, absurd sizes, bad
// offsets, RLE runs that leave the row or the image, unsupported variants) makes the Load
// functions return false and leaves a readable reason in ErrorText(); nothing is thrown, and no
// allocation is larger than the decoded image, which is capped (see kMaxDimension,
// kMaxDecodedBytes and kMaxRLEBytesAlways).
//
// What a successful load gives:
//   - header values: Width(), Height() (always positive), BitsPerPixel() (1, 4, 8, 16, 24 or 32),
//     Compression() (0 BI_RGB, 1 BI_RLE8, 2 BI_RLE4, 3 BI_BITFIELDS), TopDown() (the source stored
//     its rows top to bottom; the rows here are always bottom-up regardless);
//   - channel masks for 16/32-bit data (RedMask() ...): the BI_BITFIELDS masks, or the defaults
//     5-5-5 for 16 bits and 8-8-8 (alpha in the top byte) for 32 bits;
//   - the palette (up to 256 entries of blue, green, red, alpha; alpha is 255 for every entry);
//   - the rows at the source depth, RLE data expanded: Row(0) is the BOTTOM row of the picture,
//     each row is RowBytes() long (padded to 4 bytes, as in BMP files).
//   - PixelBGRA(x, y) decodes one pixel of any depth to blue, green, red, alpha (y = 0 is the
//     bottom row), for callers that want colours rather than raw rows.
//
// Usage:
//   swf::TBMPReader bmp;
//   if (!bmp.LoadFromMemory(bytes.data(), bytes.size())) report(bmp.ErrorText());
//   for (int y = bmp.Height() - 1; y >= 0; --y) { const uint8_t* row = bmp.Row(y); ... }

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace swf {

// One palette entry in the byte order BMP files store (blue, green, red, then alpha).
struct TBMPPaletteEntry {
    uint8_t Blue = 0;
    uint8_t Green = 0;
    uint8_t Red = 0;
    uint8_t Alpha = 255;
};

// One decoded pixel.
struct TBMPPixel {
    uint8_t Blue = 0;
    uint8_t Green = 0;
    uint8_t Red = 0;
    uint8_t Alpha = 255;
};

class TBMPReader {
public:
    // Largest width or height accepted, and the largest decoded pixel buffer in bytes.
    static constexpr int kMaxDimension = 16384;
    static constexpr size_t kMaxDecodedBytes = size_t(256) * 1024 * 1024;
    // Run-length data may expand to this many bytes whatever its size; larger pictures need at
    // least one byte of data per 1024 decoded bytes.
    static constexpr size_t kMaxRLEBytesAlways = size_t(64) * 1024 * 1024;

    enum Compression : uint32_t { BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3 };

    // A complete BMP file image ("BM" file header, info header, palette, pixels).
    bool LoadFromMemory(const uint8_t* data, size_t size);
    bool LoadFromMemory(const std::vector<uint8_t>& bytes) { return LoadFromMemory(bytes.data(), bytes.size()); }
    // A BMP file on disk; a file that cannot be read fails with the path and the system's reason.
    bool LoadFromFile(const std::filesystem::path& path);
    // A device-independent bitmap without the 14-byte file header (info header, palette, pixels
    // right after it), as held in icon files and clipboards.
    bool LoadDIBFromMemory(const uint8_t* data, size_t size);

    bool IsLoaded() const { return loaded_; }
    const std::string& ErrorText() const { return error_; }

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    uint32_t Compression() const { return compression_; }
    bool TopDown() const { return topDown_; }
    uint32_t RedMask() const { return masks_[0]; }
    uint32_t GreenMask() const { return masks_[1]; }
    uint32_t BlueMask() const { return masks_[2]; }
    uint32_t AlphaMask() const { return masks_[3]; }

    const std::vector<TBMPPaletteEntry>& Palette() const { return palette_; }

    size_t RowBytes() const { return rowBytes_; }
    // Row y of the picture, 0 = bottom row; nullptr when y is out of range or nothing is loaded.
    const uint8_t* Row(int y) const;
    uint8_t* MutableRow(int y);
    // All rows, bottom row first, RowBytes() each.
    const std::vector<uint8_t>& Pixels() const { return pixels_; }

    // Palette index of pixel (x, y) for 1/4/8-bit pictures (0 when out of range).
    uint8_t PaletteIndex(int x, int y) const;
    // Colour of pixel (x, y), y = 0 bottom. Indexed pixels look up the palette (an index past its
    // end gives black); 16/32-bit pixels go through the masks; 32-bit pixels without an alpha mask
    // take alpha from the top byte.
    TBMPPixel PixelBGRA(int x, int y) const;

    // Replaces the palette (for callers that compact or recolour it); indices are not checked.
    void SetPalette(std::vector<TBMPPaletteEntry> palette) { palette_ = std::move(palette); }

    void Clear();

private:
    bool Load(const uint8_t* data, size_t size, bool hasFileHeader);
    bool Fail(std::string text);
    bool ReadInfoHeader(const uint8_t* data, size_t size, size_t& paletteStart, size_t& entrySize);
    bool ReadPalette(const uint8_t* data, size_t size, size_t paletteStart, size_t entrySize,
                     uint32_t colorsUsed);
    bool ReadUncompressed(const uint8_t* data, size_t size);
    bool ExpandRLE(const uint8_t* data, size_t size, bool fourBit);

    bool loaded_ = false;
    std::string error_;
    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 0;
    uint32_t compression_ = BI_RGB;
    bool topDown_ = false;
    uint32_t masks_[4] = {0, 0, 0, 0};
    uint32_t colorsUsed_ = 0;
    size_t rowBytes_ = 0;
    std::vector<TBMPPaletteEntry> palette_;
    std::vector<uint8_t> pixels_;
};

} // namespace swf
