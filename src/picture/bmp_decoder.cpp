#include "picture/bmp_decoder.h"

#include "picture/byte_view.h"
#include "swf/bmp_reader.h"

#include <algorithm>

namespace vantora {
namespace {

bool allAlphaZero(const RgbaImage& image) {
    return std::none_of(image.pixels.begin(), image.pixels.end(), [](std::uint32_t pixel) { return alphaOf(pixel) != 0; });
}

void makeOpaque(RgbaImage& image) {
    for (std::uint32_t& pixel : image.pixels)
        pixel |= 0xFF000000u;
}

// The size the headers claim, checked before the reader allocates its rows. Core headers (12
// bytes) hold 16-bit sizes; the others signed 32-bit ones, a negative height meaning top-down rows.
bool claimedSizeFits(std::span<const std::uint8_t> bytes, const DecodeLimits& limits, std::string& error) {
    constexpr std::size_t kInfoStart = 14;
    const ByteView view(bytes);
    if (!view.has(kInfoStart, 12))
        return true; // too short for a header: the reader says what is wrong
    const bool core = view.le32(kInfoStart) == 12;
    const std::int64_t width = core ? view.le16(kInfoStart + 4) : view.le32s(kInfoStart + 4);
    const std::int64_t height = core ? view.le16(kInfoStart + 6) : view.le32s(kInfoStart + 8);
    return checkPictureSize(width, height < 0 ? -height : height, limits, error);
}

} // namespace

RgbaImage rgbaFromBmpReader(const swf::TBMPReader& reader, std::string& error, const DecodeLimits& limits,
                            bool* alphaUsed) {
    RgbaImage image = allocatePicture(reader.Width(), reader.Height(), limits, error);
    if (image.empty())
        return {};
    for (int y = 0; y < image.height; ++y) {
        const int sourceRow = image.height - 1 - y; // the reader's row 0 is the bottom row
        for (int x = 0; x < image.width; ++x) {
            const swf::TBMPPixel p = reader.PixelBGRA(x, sourceRow);
            image.pixel(x, y) = packArgb(p.Alpha, p.Red, p.Green, p.Blue);
        }
    }
    const bool keepAlpha = !allAlphaZero(image);
    if (!keepAlpha)
        makeOpaque(image);
    if (alphaUsed)
        *alphaUsed = keepAlpha;
    return image;
}

RgbaImage decodeBmp(std::span<const std::uint8_t> bytes, std::string& error, const DecodeLimits& limits) {
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') {
        error = "The data is not a bitmap picture.";
        return {};
    }
    if (!claimedSizeFits(bytes, limits, error))
        return {};
    swf::TBMPReader reader;
    if (!reader.LoadFromMemory(bytes.data(), bytes.size())) {
        error = "The bitmap picture cannot be read: " + reader.ErrorText();
        return {};
    }
    return rgbaFromBmpReader(reader, error, limits);
}

} // namespace vantora
