#include "swf/bmp_reader.h"

#include "swf/errors.h"

#include "base/safe_file.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

namespace swf {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;

uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t le32(const uint8_t* p) { return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24); }

// Scales the channel that `mask` selects from `value` to 0..255.
uint8_t maskedChannel(uint32_t value, uint32_t mask) {
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const uint32_t field = mask >> shift;
    const uint32_t raw = (value & mask) >> shift;
    if (field == 0xFF)
        return uint8_t(raw);
    return uint8_t((uint64_t(raw) * 255 + field / 2) / field);
}

} // namespace

void TBMPReader::Clear() {
    *this = TBMPReader();
}

bool TBMPReader::Fail(std::string text) {
    const std::string keep = std::move(text);
    Clear();
    error_ = keep;
    return false;
}

bool TBMPReader::LoadFromMemory(const uint8_t* data, size_t size) { return Load(data, size, true); }

bool TBMPReader::LoadDIBFromMemory(const uint8_t* data, size_t size) { return Load(data, size, false); }

bool TBMPReader::LoadFromFile(const std::filesystem::path& path) {
    // A BMP can never be larger than its largest decodable pixel data plus headers and palette.
    std::vector<uint8_t> bytes;
    const vantora::FileReadOutcome read = vantora::ReadFileLimited(path, kMaxDecodedBytes + 64 * 1024, bytes);
    if (read.status == vantora::FileReadOutcome::Status::OpenFailed)
        return Fail("cannot open " + QuotedPath(path) + ": " + std::strerror(read.systemError));
    if (read.status == vantora::FileReadOutcome::Status::TooLarge)
        return Fail(QuotedPath(path) + " is too large for a bitmap");
    if (!read.ok())
        return Fail("cannot read " + QuotedPath(path) + ": " + std::strerror(read.systemError));
    if (!LoadFromMemory(bytes.data(), bytes.size())) {
        error_ = QuotedPath(path).append(": ").append(error_);
        return false;
    }
    return true;
}

bool TBMPReader::Load(const uint8_t* data, size_t size, bool hasFileHeader) {
    Clear();
    if (data == nullptr)
        size = 0;
    size_t infoStart = 0;
    size_t pixelOffset = 0;
    if (hasFileHeader) {
        if (size < kFileHeaderSize + 4)
            return Fail("data too short for a BMP header (" + std::to_string(size) + " bytes)");
        if (data[0] != 'B' || data[1] != 'M')
            return Fail("not a BMP file (no \"BM\" signature)");
        pixelOffset = le32(data + 10);
        infoStart = kFileHeaderSize;
    }

    size_t paletteStart = 0;
    size_t entrySize = 0;
    if (!ReadInfoHeader(data + infoStart, size - infoStart, paletteStart, entrySize))
        return false;
    paletteStart += infoStart;

    // Without a file header the pixels follow the palette directly.
    uint32_t paletteCount = 0;
    if (bitsPerPixel_ <= 8) {
        paletteCount = colorsUsed_ != 0 ? colorsUsed_ : (1u << bitsPerPixel_);
        paletteCount = std::min<uint32_t>(paletteCount, 256);
    }
    if (hasFileHeader) {
        if (pixelOffset >= size || pixelOffset < paletteStart)
            return Fail("pixel data offset " + std::to_string(pixelOffset) + " lies outside the data (size " +
                        std::to_string(size) + ")");
        // Some writers declare more colours than they store before the pixels: keep what is there.
        const size_t room = (pixelOffset - paletteStart) / entrySize;
        paletteCount = uint32_t(std::min<size_t>(paletteCount, room));
    } else {
        pixelOffset = paletteStart + size_t(paletteCount) * entrySize;
    }
    if (!ReadPalette(data, size, paletteStart, entrySize, paletteCount))
        return false;
    if (pixelOffset > size)
        return Fail("pixel data offset lies past the end of the data");

    const bool ok = compression_ == BI_RLE8   ? ExpandRLE(data + pixelOffset, size - pixelOffset, false)
                    : compression_ == BI_RLE4 ? ExpandRLE(data + pixelOffset, size - pixelOffset, true)
                                              : ReadUncompressed(data + pixelOffset, size - pixelOffset);
    if (!ok)
        return false;
    loaded_ = true;
    return true;
}

bool TBMPReader::ReadInfoHeader(const uint8_t* p, size_t size, size_t& paletteStart, size_t& entrySize) {
    if (size < 4)
        return Fail("data too short for a bitmap info header");
    const uint32_t headerSize = le32(p);
    if (headerSize != kCoreHeaderSize && (headerSize < kInfoHeaderSize || headerSize > 1024))
        return Fail("unsupported bitmap info header size " + std::to_string(headerSize));
    if (size < headerSize)
        return Fail("bitmap info header is truncated");

    int64_t width = 0;
    int64_t height = 0;
    uint16_t planes = 0;
    if (headerSize == kCoreHeaderSize) {
        width = le16(p + 4);
        height = le16(p + 6);
        planes = le16(p + 8);
        bitsPerPixel_ = le16(p + 10);
        compression_ = BI_RGB;
        entrySize = 3;
    } else {
        width = int32_t(le32(p + 4));
        height = int32_t(le32(p + 8));
        planes = le16(p + 12);
        bitsPerPixel_ = le16(p + 14);
        compression_ = le32(p + 16);
        colorsUsed_ = le32(p + 32);
        entrySize = 4;
    }
    paletteStart = headerSize;
    (void)planes; // some writers leave planes at 0; it carries no information we need

    topDown_ = height < 0;
    height = topDown_ ? -height : height;
    if (width <= 0 || height <= 0)
        return Fail("bitmap has no pixels (" + std::to_string(width) + " x " + std::to_string(height) + ")");
    if (width > kMaxDimension || height > kMaxDimension)
        return Fail("bitmap of " + std::to_string(width) + " x " + std::to_string(height) + " pixels is too large (limit " +
                    std::to_string(kMaxDimension) + ")");
    width_ = int(width);
    height_ = int(height);

    switch (bitsPerPixel_) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return Fail("unsupported bit depth " + std::to_string(bitsPerPixel_));
    }
    switch (compression_) {
    case BI_RGB: break;
    case BI_RLE8:
        if (bitsPerPixel_ != 8)
            return Fail("RLE8 compression needs 8 bits per pixel, not " + std::to_string(bitsPerPixel_));
        break;
    case BI_RLE4:
        if (bitsPerPixel_ != 4)
            return Fail("RLE4 compression needs 4 bits per pixel, not " + std::to_string(bitsPerPixel_));
        break;
    case BI_BITFIELDS:
        if (bitsPerPixel_ != 16 && bitsPerPixel_ != 32)
            return Fail("bit-field compression needs 16 or 32 bits per pixel, not " + std::to_string(bitsPerPixel_));
        break;
    default: return Fail("unsupported compression " + std::to_string(compression_));
    }
    if (topDown_ && (compression_ == BI_RLE8 || compression_ == BI_RLE4))
        return Fail("run-length encoded bitmaps cannot be stored top-down");

    rowBytes_ = ((size_t(width_) * size_t(bitsPerPixel_) + 31) / 32) * 4;
    if (rowBytes_ * size_t(height_) > kMaxDecodedBytes)
        return Fail("bitmap of " + std::to_string(width_) + " x " + std::to_string(height_) + " at " +
                    std::to_string(bitsPerPixel_) + " bits needs too much memory");

    // Channel masks: defaults, then the bit fields (inside V2+ headers or right after a 40-byte one).
    if (bitsPerPixel_ == 16) {
        masks_[0] = 0x7C00; masks_[1] = 0x03E0; masks_[2] = 0x001F; masks_[3] = 0;
    } else if (bitsPerPixel_ == 32) {
        masks_[0] = 0x00FF0000; masks_[1] = 0x0000FF00; masks_[2] = 0x000000FF; masks_[3] = 0xFF000000;
    }
    if (compression_ == BI_BITFIELDS) {
        if (headerSize == kInfoHeaderSize) {
            if (size < kInfoHeaderSize + 12)
                return Fail("bit-field masks are truncated");
            paletteStart += 12;
        } else if (headerSize < kInfoHeaderSize + 12) {
            // A header longer than 40 bytes holds the masks itself, so it must be long enough for them.
            return Fail("bit-field masks are truncated");
        }
        masks_[0] = le32(p + 40);
        masks_[1] = le32(p + 44);
        masks_[2] = le32(p + 48);
        masks_[3] = headerSize >= 56 ? le32(p + 52) : 0;
    }
    return true;
}

bool TBMPReader::ReadPalette(const uint8_t* data, size_t size, size_t paletteStart, size_t entrySize,
                             uint32_t count) {
    if (count == 0)
        return true;
    if (paletteStart + size_t(count) * entrySize > size)
        return Fail("palette of " + std::to_string(count) + " entries is truncated");
    palette_.resize(count);
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* e = data + paletteStart + size_t(i) * entrySize;
        palette_[i] = TBMPPaletteEntry{e[0], e[1], e[2], 255};
    }
    return true;
}

bool TBMPReader::ReadUncompressed(const uint8_t* data, size_t size) {
    // The last row may lack its padding in files cut short by careless writers; anything less is damage.
    const size_t usedBytes = (size_t(width_) * size_t(bitsPerPixel_) + 7) / 8;
    const size_t needed = rowBytes_ * size_t(height_ - 1) + usedBytes;
    if (size < needed)
        return Fail("pixel data is truncated: " + std::to_string(size) + " of " + std::to_string(needed) + " bytes");
    pixels_.assign(rowBytes_ * size_t(height_), 0);
    for (int i = 0; i < height_; ++i) {
        const size_t available = std::min(rowBytes_, size - size_t(i) * rowBytes_);
        const int target = topDown_ ? height_ - 1 - i : i;
        std::memcpy(pixels_.data() + size_t(target) * rowBytes_, data + size_t(i) * rowBytes_, available);
    }
    return true;
}

bool TBMPReader::ExpandRLE(const uint8_t* data, size_t size, bool fourBit) {
    // A few bytes of run-length data can claim a huge picture; beyond a plain screen's worth the
    // decoded size must stay in proportion to the data given.
    const size_t decoded = rowBytes_ * size_t(height_);
    if (decoded > kMaxRLEBytesAlways && decoded / 1024 > size)
        return Fail("run-length data of " + std::to_string(size) + " bytes cannot describe " + std::to_string(width_) +
                    " x " + std::to_string(height_) + " pixels");
    pixels_.assign(decoded, 0);
    auto put = [&](int x, int y, uint8_t value) {
        uint8_t* row = pixels_.data() + size_t(y) * rowBytes_;
        if (!fourBit) {
            row[x] = value;
        } else if (x % 2 == 0) {
            row[x / 2] = uint8_t((row[x / 2] & 0x0F) | (value << 4));
        } else {
            row[x / 2] = uint8_t((row[x / 2] & 0xF0) | (value & 0x0F));
        }
    };
    auto where = [&](int y) { return " at row " + std::to_string(y); };

    // Encoders may run a row on into its padding (a 13-pixel row written as 16 pixels); those
    // pixels are dropped, and only runs past the padded row are damage.
    const int paddedWidth = int(rowBytes_ * 8 / size_t(bitsPerPixel_));
    const char* kind = fourBit ? "RLE4" : "RLE8";
    size_t pos = 0;
    int x = 0;
    int y = 0;
    while (true) {
        if (pos + 2 > size)
            return Fail(std::string(kind) + " data ends before the end-of-bitmap marker");
        const uint8_t count = data[pos];
        const uint8_t value = data[pos + 1];
        pos += 2;
        if (count > 0) {
            if (y >= height_)
                return Fail(std::string(kind) + " run lies past the last row of the image");
            if (x + count > paddedWidth)
                return Fail(std::string(kind) + " run of " + std::to_string(count) + " pixels passes the end of the row" + where(y));
            for (int i = 0; i < count && x + i < width_; ++i) {
                const uint8_t v = fourBit ? uint8_t(i % 2 == 0 ? value >> 4 : value & 0x0F) : value;
                put(x + i, y, v);
            }
            x += count;
            continue;
        }
        switch (value) {
        case 0: // end of line
            x = 0;
            ++y;
            if (y > height_)
                return Fail(std::string(kind) + " end-of-line passes the last row of the image");
            continue;
        case 1: // end of bitmap
            return true;
        case 2: { // delta: move right and up
            if (pos + 2 > size)
                return Fail(std::string(kind) + " delta escape is truncated");
            x += data[pos];
            y += data[pos + 1];
            pos += 2;
            if (x > width_ || y > height_)
                return Fail(std::string(kind) + " delta moves outside the image");
            continue;
        }
        default: { // absolute run of `value` literal pixels, padded to a 16-bit boundary
            const size_t literalBytes = fourBit ? (size_t(value) + 1) / 2 : value;
            const size_t paddedBytes = (literalBytes + 1) & ~size_t(1);
            if (y >= height_)
                return Fail(std::string(kind) + " literal run lies past the last row of the image");
            if (x + value > paddedWidth)
                return Fail(std::string(kind) + " literal run of " + std::to_string(value) + " pixels passes the end of the row" + where(y));
            if (pos + literalBytes > size)
                return Fail(std::string(kind) + " literal run is truncated");
            for (int i = 0; i < value && x + i < width_; ++i) {
                const uint8_t b = data[pos + (fourBit ? size_t(i / 2) : size_t(i))];
                put(x + i, y, fourBit ? uint8_t(i % 2 == 0 ? b >> 4 : b & 0x0F) : b);
            }
            x += value;
            pos += std::min(paddedBytes, size - pos);
            continue;
        }
        }
    }
}

const uint8_t* TBMPReader::Row(int y) const {
    if (!loaded_ || y < 0 || y >= height_)
        return nullptr;
    return pixels_.data() + size_t(y) * rowBytes_;
}

uint8_t* TBMPReader::MutableRow(int y) {
    if (!loaded_ || y < 0 || y >= height_)
        return nullptr;
    return pixels_.data() + size_t(y) * rowBytes_;
}

uint8_t TBMPReader::PaletteIndex(int x, int y) const {
    const uint8_t* row = Row(y);
    if (row == nullptr || x < 0 || x >= width_)
        return 0;
    switch (bitsPerPixel_) {
    case 1: return uint8_t((row[x / 8] >> (7 - x % 8)) & 1);
    case 4: return uint8_t(x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F);
    case 8: return row[x];
    default: return 0;
    }
}

TBMPPixel TBMPReader::PixelBGRA(int x, int y) const {
    const uint8_t* row = Row(y);
    if (row == nullptr || x < 0 || x >= width_)
        return TBMPPixel{0, 0, 0, 0};
    switch (bitsPerPixel_) {
    case 1: case 4: case 8: {
        const uint8_t index = PaletteIndex(x, y);
        if (index >= palette_.size())
            return TBMPPixel{0, 0, 0, 255};
        const TBMPPaletteEntry& e = palette_[index];
        return TBMPPixel{e.Blue, e.Green, e.Red, e.Alpha};
    }
    case 24: {
        const uint8_t* p = row + size_t(x) * 3;
        return TBMPPixel{p[0], p[1], p[2], 255};
    }
    case 16:
    case 32: {
        const uint32_t v = bitsPerPixel_ == 16 ? le16(row + size_t(x) * 2) : le32(row + size_t(x) * 4);
        const uint8_t alpha = masks_[3] != 0 ? maskedChannel(v, masks_[3]) : 255;
        return TBMPPixel{maskedChannel(v, masks_[2]), maskedChannel(v, masks_[1]), maskedChannel(v, masks_[0]), alpha};
    }
    default: return TBMPPixel{0, 0, 0, 0};
    }
}

} // namespace swf
