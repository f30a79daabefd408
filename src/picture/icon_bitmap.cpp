#include "picture/icon_bitmap.h"

#include "picture/bmp_decoder.h"
#include "picture/byte_view.h"
#include "swf/bmp_reader.h"

#include <algorithm>
#include <new>
#include <vector>

namespace vantora {
namespace {

constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kMaxPaletteEntries = 256;

// Where the AND mask starts: after the header, the bit-field masks, the palette and the colour rows.
std::uint64_t maskOffset(const ByteView& dib, const swf::TBMPReader& reader, int height) {
    const std::uint32_t headerSize = dib.le32(0);
    const std::uint32_t compression = dib.le32(16);
    std::uint64_t offset = headerSize;
    if (headerSize == kInfoHeaderSize && compression == kBitFields)
        offset += 12;
    if (reader.BitsPerPixel() <= 8) {
        const std::uint32_t colorsUsed = dib.le32(32);
        const std::uint32_t entries = colorsUsed != 0 ? colorsUsed : (1u << reader.BitsPerPixel());
        offset += 4ull * std::min(entries, kMaxPaletteEntries);
    }
    const bool runLength = compression == swf::TBMPReader::BI_RLE8 || compression == swf::TBMPReader::BI_RLE4;
    offset += runLength ? std::uint64_t{dib.le32(20)} : std::uint64_t{reader.RowBytes()} * static_cast<std::uint64_t>(height);
    return offset;
}

// Clears the alpha of pixels whose mask bit is set. A mask cut short leaves the pixels opaque.
void applyAndMask(const ByteView& dib, std::uint64_t offset, RgbaImage& image) {
    const std::size_t rowBytes = (static_cast<std::size_t>(image.width) + 31) / 32 * 4;
    if (!dib.has(offset, rowBytes * static_cast<std::uint64_t>(image.height)))
        return;
    for (int y = 0; y < image.height; ++y) {
        const std::size_t row = static_cast<std::size_t>(offset) + rowBytes * static_cast<std::size_t>(image.height - 1 - y);
        for (int x = 0; x < image.width; ++x)
            if (dib.u8(row + static_cast<std::size_t>(x) / 8) & (0x80 >> (x % 8)))
                image.pixel(x, y) &= 0x00FFFFFFu;
    }
}

} // namespace

RgbaImage decodeIconBitmap(std::span<const std::uint8_t> entry, std::string& error, const DecodeLimits& limits) {
    const ByteView dib(entry);
    if (!dib.has(0, kInfoHeaderSize) || dib.le32(0) < kInfoHeaderSize) {
        error = "The icon image has no bitmap header.";
        return {};
    }
    const std::int32_t doubledHeight = dib.le32s(8);
    if (doubledHeight <= 0 || doubledHeight % 2 != 0) {
        error = "The icon image has a bad height.";
        return {};
    }
    const int height = doubledHeight / 2;
    if (!checkPictureSize(dib.le32s(4), height, limits, error))
        return {};
    // The header's height covers colour rows and mask rows; the BMP reader gets the colour rows only.
    std::vector<std::uint8_t> colourPart;
    try {
        colourPart.assign(entry.begin(), entry.end());
    } catch (const std::bad_alloc&) {
        error = "Not enough memory to decode the picture.";
        return {};
    }
    for (int i = 0; i < 4; ++i)
        colourPart[8 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(height) >> (8 * i));
    swf::TBMPReader reader;
    if (!reader.LoadDIBFromMemory(colourPart.data(), colourPart.size())) {
        error = "The icon image cannot be read: " + reader.ErrorText();
        return {};
    }
    bool alphaUsed = false;
    RgbaImage image = rgbaFromBmpReader(reader, error, limits, &alphaUsed);
    if (image.empty())
        return {};
    if (!(reader.BitsPerPixel() == 32 && alphaUsed))
        applyAndMask(dib, maskOffset(dib, reader, height), image);
    return image;
}

} // namespace vantora
