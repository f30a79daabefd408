#include "movie/bitmap_conversion.h"

#include "movie/movie_limits.h"
#include "render/render_limits.h"
#include "swf/image.h"
#include "swf/movie.h"

#include <cstring>

namespace vantora {
namespace {

// FNV-1a over the rows; only a key for the lookup, equality is checked on the bytes.
std::uint64_t HashPixels(const QImage& picture) {
    std::uint64_t hash = 1469598103934665603ull ^ std::uint64_t(picture.width()) << 32 ^ std::uint64_t(picture.height());
    const std::size_t rowBytes = std::size_t(picture.width()) * 4;
    for (int y = 0; y < picture.height(); ++y) {
        const uchar* row = picture.constScanLine(y);
        for (std::size_t i = 0; i < rowBytes; i += 4) {
            std::uint32_t word;
            std::memcpy(&word, row + i, 4);
            hash = (hash ^ word) * 1099511628211ull;
        }
    }
    return hash;
}

std::vector<std::uint8_t> PackedRows(const QImage& picture) {
    const std::size_t rowBytes = std::size_t(picture.width()) * 4;
    std::vector<std::uint8_t> bytes(rowBytes * std::size_t(picture.height()));
    for (int y = 0; y < picture.height(); ++y)
        std::memcpy(bytes.data() + rowBytes * std::size_t(y), picture.constScanLine(y), rowBytes);
    return bytes;
}

bool SamePixels(const QImage& picture, const std::vector<std::uint8_t>& bytes) {
    const std::size_t rowBytes = std::size_t(picture.width()) * 4;
    for (int y = 0; y < picture.height(); ++y)
        if (std::memcmp(bytes.data() + rowBytes * std::size_t(y), picture.constScanLine(y), rowBytes) != 0)
            return false;
    return true;
}

} // namespace

bool IsConvertibleSize(std::int64_t width, std::int64_t height) {
    return IsRenderableSize(width, height) && width <= 65535 && height <= 65535;
}

swf::TFlashImage* BitmapConverter::FromPicture(const QImage& source) {
    if (source.isNull() || !IsConvertibleSize(source.width(), source.height()))
        return nullptr;
    const QImage picture = source.format() == QImage::Format_ARGB32 ? source : source.convertToFormat(QImage::Format_ARGB32);
    const std::uint64_t hash = HashPixels(picture);
    const auto range = byHash_.equal_range(hash);
    for (auto it = range.first; it != range.second; ++it) {
        const Entry& entry = it->second;
        if (entry.width == picture.width() && entry.height == picture.height() && SamePixels(picture, entry.pixels))
            return entry.image;
    }

    // Format_ARGB32 words are 0xAARRGGBB, which little-endian memory holds as B, G, R, A.
    swf::TPixelBuffer buffer;
    buffer.Pixels = picture.constBits();
    buffer.Width = picture.width();
    buffer.Height = picture.height();
    buffer.Stride = static_cast<int>(picture.bytesPerLine());
    buffer.Layout = swf::TPixelLayout::BGRA32;
    swf::TFlashImage* image = CheckedCharacter(movie_.AddImage());
    image->LoadFromPixels(buffer);
    ++defined_;
    byHash_.emplace(hash, Entry{PackedRows(picture), picture.width(), picture.height(), image});
    return image;
}

swf::TFlashImage* BitmapConverter::FromJpegFile(const std::filesystem::path& file) {
    swf::TFlashImage* image = CheckedCharacter(movie_.AddImage(file));
    ++defined_;
    return image;
}

} // namespace vantora
