#include "picture/picture_format.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

namespace vantora {
namespace {

bool startsWith(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> magic) {
    return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
}

std::uint16_t le16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

bool isIcon(std::span<const std::uint8_t> bytes) {
    // ICONDIR: reserved 0, type 1 (icon) or 2 (cursor), at least one entry.
    if (bytes.size() < 6 || le16(bytes, 0) != 0)
        return false;
    const std::uint16_t type = le16(bytes, 2);
    return (type == 1 || type == 2) && le16(bytes, 4) > 0;
}

bool isMetafile(std::span<const std::uint8_t> bytes) {
    if (startsWith(bytes, {0xD7, 0xCD, 0xC6, 0x9A})) // placeable metafile
        return true;
    // Enhanced metafile: record type 1 (EMR_HEADER) and the signature " EMF" at offset 40.
    if (startsWith(bytes, {0x01, 0x00, 0x00, 0x00}) && bytes.size() >= 44 && std::memcmp(bytes.data() + 40, " EMF", 4) == 0)
        return true;
    // Standard metafile header: type 1 (memory) or 2 (disk), header size 9 words, version 0x100/0x300.
    if (bytes.size() >= 18 && (le16(bytes, 0) == 1 || le16(bytes, 0) == 2) && le16(bytes, 2) == 9) {
        const std::uint16_t version = le16(bytes, 4);
        return version == 0x0100 || version == 0x0300;
    }
    return false;
}

std::string lowerCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

struct ClassName {
    PictureFormat format;
    std::string_view name;
};

// The order of the lookup list that stored names are matched against.
constexpr std::array<ClassName, 6> kClassNames = {{
    {PictureFormat::Gif, "TGIFImage"},
    {PictureFormat::Png, "TPNGObject"},
    {PictureFormat::Jpeg, "TJPEGImage"},
    {PictureFormat::Bitmap, "TBitmap"},
    {PictureFormat::Icon, "TIcon"},
    {PictureFormat::Metafile, "TMetafile"},
}};

} // namespace

PictureFormat detectPictureFormat(std::span<const std::uint8_t> bytes) {
    if (startsWith(bytes, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}))
        return PictureFormat::Png;
    if (startsWith(bytes, {0xFF, 0xD8, 0xFF}))
        return PictureFormat::Jpeg;
    if (startsWith(bytes, {'G', 'I', 'F', '8', '7', 'a'}) || startsWith(bytes, {'G', 'I', 'F', '8', '9', 'a'}))
        return PictureFormat::Gif;
    if (startsWith(bytes, {'B', 'M'}))
        return PictureFormat::Bitmap;
    if (isMetafile(bytes))
        return PictureFormat::Metafile;
    if (isIcon(bytes))
        return PictureFormat::Icon;
    return PictureFormat::Empty;
}

PictureFormat pictureFormatFromFileName(const std::filesystem::path& fileName) {
    const std::string extension = lowerCase(fileName.extension().string());
    if (extension == ".bmp" || extension == ".dib")
        return PictureFormat::Bitmap;
    if (extension == ".jpg" || extension == ".jpeg" || extension == ".jpe" || extension == ".jfif")
        return PictureFormat::Jpeg;
    if (extension == ".png")
        return PictureFormat::Png;
    if (extension == ".gif")
        return PictureFormat::Gif;
    if (extension == ".ico" || extension == ".cur")
        return PictureFormat::Icon;
    if (extension == ".wmf" || extension == ".emf")
        return PictureFormat::Metafile;
    return PictureFormat::Empty;
}

std::string_view pictureClassName(PictureFormat format) {
    for (const ClassName& entry : kClassNames)
        if (entry.format == format)
            return entry.name;
    return {};
}

std::optional<PictureFormat> pictureFormatFromClassName(std::string_view className) {
    if (className.empty())
        return PictureFormat::Empty;
    const std::string wanted = lowerCase(className);
    for (const ClassName& entry : kClassNames)
        if (lowerCase(entry.name) == wanted)
            return entry.format;
    return std::nullopt;
}

std::string_view pictureFormatName(PictureFormat format) {
    switch (format) {
    case PictureFormat::Empty: return "empty";
    case PictureFormat::Bitmap: return "bitmap";
    case PictureFormat::Jpeg: return "JPEG";
    case PictureFormat::Png: return "PNG";
    case PictureFormat::Gif: return "GIF";
    case PictureFormat::Icon: return "icon";
    case PictureFormat::Metafile: return "metafile";
    }
    return "unknown";
}

} // namespace vantora
