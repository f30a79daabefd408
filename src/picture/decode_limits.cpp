#include "picture/decode_limits.h"

#include <new>

namespace vantora {

bool checkPictureSize(std::int64_t width, std::int64_t height, const DecodeLimits& limits, std::string& error) {
    if (width <= 0 || height <= 0) {
        error = "The picture has no pixels (" + std::to_string(width) + " x " + std::to_string(height) + ").";
        return false;
    }
    if (width > limits.maxSide || height > limits.maxSide || width * height > limits.maxPixels) {
        error = "The picture is too large (" + std::to_string(width) + " x " + std::to_string(height) + " pixels).";
        return false;
    }
    return true;
}

RgbaImage allocatePicture(std::int64_t width, std::int64_t height, const DecodeLimits& limits, std::string& error) {
    RgbaImage image;
    if (!checkPictureSize(width, height, limits, error))
        return image;
    try {
        image.pixels.assign(static_cast<std::size_t>(width * height), 0u);
    } catch (const std::bad_alloc&) {
        error = "Not enough memory to decode the picture.";
        return {};
    }
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    return image;
}

} // namespace vantora
