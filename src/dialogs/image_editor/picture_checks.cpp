#include "dialogs/image_editor/picture_checks.h"

#include "model/property_values.h"
#include "picture/jpeg_codec.h"
#include "picture/png_codec.h"

#include <png.h>

#include <algorithm>
#include <new>

namespace vantora {
namespace {

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t BigEndian32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return (std::uint32_t(bytes[at]) << 24) | (std::uint32_t(bytes[at + 1]) << 16) |
           (std::uint32_t(bytes[at + 2]) << 8) | std::uint32_t(bytes[at + 3]);
}

bool HasTransparency(const RgbaImage& image) {
    return std::any_of(image.pixels.begin(), image.pixels.end(), [](std::uint32_t p) { return alphaOf(p) != 0xFF; });
}

// An 8-bit RGB PNG (colour type 2) of the picture's colours.
std::vector<std::uint8_t> EncodeRgbPng(const RgbaImage& image) {
    try {
        std::vector<std::uint8_t> rgb;
        rgb.reserve(image.pixels.size() * 3);
        for (const std::uint32_t pixel : image.pixels) {
            rgb.push_back(redOf(pixel));
            rgb.push_back(greenOf(pixel));
            rgb.push_back(blueOf(pixel));
        }
        png_image description{};
        description.version = PNG_IMAGE_VERSION;
        description.width = png_uint_32(image.width);
        description.height = png_uint_32(image.height);
        description.format = PNG_FORMAT_RGB;
        std::vector<std::uint8_t> out(PNG_IMAGE_PNG_SIZE_MAX(description));
        png_alloc_size_t size = out.size();
        const int ok = png_image_write_to_memory(&description, out.data(), &size, 0, rgb.data(), 0, nullptr);
        png_image_free(&description);
        if (!ok)
            return {};
        out.resize(size);
        return out;
    } catch (const std::bad_alloc&) {
        return {};
    }
}

} // namespace

std::optional<PngHeader> ReadPngHeader(std::span<const std::uint8_t> bytes) {
    // Signature, IHDR length and type, then width, height, depth and colour type.
    if (bytes.size() < 26 || !std::equal(std::begin(kPngSignature), std::end(kPngSignature), bytes.begin()))
        return std::nullopt;
    if (bytes[12] != 'I' || bytes[13] != 'H' || bytes[14] != 'D' || bytes[15] != 'R')
        return std::nullopt;
    PngHeader header;
    header.width = int(std::min<std::uint32_t>(BigEndian32(bytes, 16), 0x7FFFFFFF));
    header.height = int(std::min<std::uint32_t>(BigEndian32(bytes, 20), 0x7FFFFFFF));
    header.bitDepth = bytes[24];
    header.colourType = bytes[25];
    return header;
}

QString PictureKindText(const Picture& picture, int width, int height) {
    QString kind = QString::fromStdString(PictureDisplayName(picture));
    kind = kind.mid(1, kind.size() - 2); // without its brackets
    if (picture.empty())
        return kind;
    QString text = kind + QStringLiteral("  [%1 X %2]").arg(width).arg(height);
    if (picture.format() == PictureFormat::Png)
        if (const auto header = ReadPngHeader(picture.bytes()))
            text += QStringLiteral("[%1,%2]").arg(header->colourType).arg(header->bitDepth);
    return text;
}

PictureCheck CheckPicture(const Picture& picture) {
    PictureCheck check;
    if (picture.empty() || picture.format() == PictureFormat::Metafile) {
        check.ok = true;
        return check;
    }
    const RgbaImage decoded = picture.decode(kImageEditorLimits, &check.reason);
    if (decoded.empty()) {
        // The size check of the decoders names the refused size; a damaged file gives other reasons.
        check.tooLarge = check.reason.find("too large") != std::string::npos;
        return check;
    }
    check.ok = true;
    check.width = decoded.width;
    check.height = decoded.height;
    return check;
}

std::optional<Picture> WithoutPngPalette(const Picture& picture) {
    if (picture.format() != PictureFormat::Png)
        return picture;
    const auto header = ReadPngHeader(picture.bytes());
    if (!header)
        return std::nullopt;
    if (header->colourType != 3)
        return picture;
    const RgbaImage decoded = picture.decode(kImageEditorLimits);
    if (decoded.empty())
        return std::nullopt;
    std::vector<std::uint8_t> bytes = HasTransparency(decoded) ? encodePng(decoded) : EncodeRgbPng(decoded);
    if (bytes.empty())
        return std::nullopt;
    return Picture(PictureFormat::Png, std::move(bytes));
}

std::optional<Picture> BitmapToJpeg(const Picture& bitmap) {
    const RgbaImage decoded = bitmap.decode(kImageEditorLimits);
    if (decoded.empty())
        return std::nullopt;
    std::vector<std::uint8_t> jpeg = encodeJpeg(decoded, 100);
    if (jpeg.empty())
        return std::nullopt;
    return Picture(PictureFormat::Jpeg, std::move(jpeg));
}

} // namespace vantora
