#include "picture/ico_decoder.h"

#include "picture/byte_view.h"
#include "picture/icon_bitmap.h"
#include "picture/png_codec.h"

#include <algorithm>
#include <vector>

namespace vantora {
namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
// A hostile directory may list thousands of broken entries; a few fallbacks are enough.
constexpr std::size_t kMaxDecodeAttempts = 8;
constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

struct IconEntry {
    std::span<const std::uint8_t> data;
    bool png = false;
    std::int64_t width = 0; // as the entry's own header says; the directory's bytes are often wrong
    std::int64_t height = 0;
    int depth = 0;
    // Width x height when both sides lie inside the decode limits, else 0: such an entry is tried
    // last, where its decoder refuses it with the reason.
    std::int64_t plausibleArea = 0;
};

bool isPng(std::span<const std::uint8_t> data) {
    return data.size() >= sizeof kPngSignature && std::equal(std::begin(kPngSignature), std::end(kPngSignature), data.begin());
}

// Reads the size and depth from the entry's own header; false when it is too short to have one.
bool describeEntry(IconEntry& entry) {
    const ByteView view(entry.data);
    entry.png = isPng(entry.data);
    if (entry.png) {
        // IHDR: width and height big-endian at 16 and 20; every PNG decodes to 32 bits.
        if (!view.has(0, 24))
            return false;
        entry.width = view.be32(16);
        entry.height = view.be32(20);
        entry.depth = 32;
        return true;
    }
    if (!view.has(0, 16))
        return false;
    entry.width = view.le32s(4);
    entry.height = view.le32s(8) / 2;
    entry.depth = view.le16(14);
    return true;
}

// Header sizes come from the file and may be anything; only sizes a decoder would accept rank by
// area (their product cannot overflow, since each side is at most an int).
std::int64_t plausibleArea(const IconEntry& entry, const DecodeLimits& limits) {
    const bool fits = entry.width > 0 && entry.height > 0 && entry.width <= limits.maxSide && entry.height <= limits.maxSide;
    return fits ? entry.width * entry.height : 0;
}

// Directory entries whose data lies inside the file, best first.
std::vector<IconEntry> readDirectory(const ByteView& view, std::string& error, const DecodeLimits& limits) {
    std::vector<IconEntry> entries;
    if (!view.has(0, kDirectorySize) || view.le16(0) != 0 || (view.le16(2) != 1 && view.le16(2) != 2)) {
        error = "The data is not an icon.";
        return entries;
    }
    const std::size_t count = view.le16(4);
    if (count == 0 || !view.has(kDirectorySize, count * kEntrySize)) {
        error = "The icon directory is damaged.";
        return entries;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kDirectorySize + i * kEntrySize;
        const std::uint32_t size = view.le32(at + 8);
        const std::uint32_t offset = view.le32(at + 12);
        if (!view.has(offset, size))
            continue;
        IconEntry entry;
        entry.data = view.slice(offset, size);
        if (!describeEntry(entry))
            continue;
        entry.plausibleArea = plausibleArea(entry, limits);
        entries.push_back(entry);
    }
    std::stable_sort(entries.begin(), entries.end(), [](const IconEntry& a, const IconEntry& b) {
        return a.plausibleArea != b.plausibleArea ? a.plausibleArea > b.plausibleArea : a.depth > b.depth;
    });
    if (entries.empty())
        error = "The icon holds no readable image.";
    return entries;
}

RgbaImage decodeEntry(const IconEntry& entry, std::string& error, const DecodeLimits& limits) {
    return entry.png ? decodePng(entry.data, error, limits) : decodeIconBitmap(entry.data, error, limits);
}

} // namespace

RgbaImage decodeIco(std::span<const std::uint8_t> bytes, std::string& error, const DecodeLimits& limits) {
    const std::vector<IconEntry> entries = readDirectory(ByteView(bytes), error, limits);
    std::string firstError;
    const std::size_t attempts = std::min(entries.size(), kMaxDecodeAttempts);
    for (std::size_t i = 0; i < attempts; ++i) {
        std::string entryError;
        RgbaImage image = decodeEntry(entries[i], entryError, limits);
        if (!image.empty())
            return image;
        if (firstError.empty())
            firstError = entryError;
    }
    if (!entries.empty())
        error = "The icon is damaged: " + firstError;
    return {};
}

} // namespace vantora
