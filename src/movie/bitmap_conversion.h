#pragma once
// Rendered pictures (Format_ARGB32, straight alpha) become bitmap characters. The pixels go to the
// library through its pixel-buffer entry, which writes them premultiplied by alpha as the format
// requires. A picture met again (the same cursor in every scene, an unchanged balloon) reuses the
// bitmap already defined instead of adding its pixels a second time.

#include <QImage>

#include <cstdint>
#include <filesystem>
#include <map>
#include <vector>

namespace swf {
class TFlashImage;
class TFlashMovie;
} // namespace swf

namespace vantora {

class BitmapConverter {
public:
    explicit BitmapConverter(swf::TFlashMovie& movie) : movie_(movie) {}

    // The bitmap character for `picture`, or nullptr for a null or oversized picture (the caller's
    // rectangle then stays without fill).
    swf::TFlashImage* FromPicture(const QImage& picture);
    // A JPEG work file loaded as a JPEG bitmap; the same file is loaded once.
    swf::TFlashImage* FromJpegFile(const std::filesystem::path& file);

    int BitmapsDefined() const { return defined_; }

private:
    struct Entry {
        std::vector<std::uint8_t> pixels; // kept to tell apart pictures of the same hash
        int width = 0;
        int height = 0;
        swf::TFlashImage* image = nullptr;
    };

    swf::TFlashMovie& movie_;
    std::multimap<std::uint64_t, Entry> byHash_;
    int defined_ = 0;
};

// True when a width x height bitmap may be handed to the library (the render bounds).
bool IsConvertibleSize(std::int64_t width, std::int64_t height);

} // namespace vantora
