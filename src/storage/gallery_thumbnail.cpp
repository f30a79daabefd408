#include "storage/gallery_thumbnail.h"

#include <cmath>

namespace vantora {

ThumbnailRect FitThumbnail(int width, int height, int thumbnailWidth, int thumbnailHeight) {
    if (width <= 0 || height <= 0 || thumbnailWidth <= 0 || thumbnailHeight <= 0)
        return {thumbnailWidth / 2, thumbnailHeight / 2, 0, 0};
    long long w = width;
    long long h = height;
    if (w > thumbnailWidth || h > thumbnailHeight) {
        // The side that overflows most decides: compare w/tw with h/th without division.
        if (w * thumbnailHeight >= h * thumbnailWidth) {
            h = std::llround(static_cast<double>(h) * thumbnailWidth / static_cast<double>(w));
            w = thumbnailWidth;
        } else {
            w = std::llround(static_cast<double>(w) * thumbnailHeight / static_cast<double>(h));
            h = thumbnailHeight;
        }
    }
    return {static_cast<int>((thumbnailWidth - w) / 2), static_cast<int>((thumbnailHeight - h) / 2),
            static_cast<int>(w), static_cast<int>(h)};
}

} // namespace vantora
