// PNG encoding through libpng's simplified writing API, which catches libpng's errors itself and
// reports them as a return value, so no longjmp reaches our code.

#include "picture/png_codec.h"

#include <png.h>

#include <new>

namespace vantora {
namespace {

std::vector<std::uint8_t> rgbaBytesOf(const RgbaImage& image) {
    std::vector<std::uint8_t> bytes(image.pixels.size() * 4);
    std::size_t i = 0;
    for (std::uint32_t pixel : image.pixels) {
        bytes[i++] = redOf(pixel);
        bytes[i++] = greenOf(pixel);
        bytes[i++] = blueOf(pixel);
        bytes[i++] = alphaOf(pixel);
    }
    return bytes;
}

png_image describe(const RgbaImage& image) {
    png_image description{};
    description.version = PNG_IMAGE_VERSION;
    description.width = static_cast<png_uint_32>(image.width);
    description.height = static_cast<png_uint_32>(image.height);
    description.format = PNG_FORMAT_RGBA;
    return description;
}

} // namespace

std::vector<std::uint8_t> encodePng(const RgbaImage& image, std::string* error) {
    auto fail = [error](const std::string& text) {
        if (error)
            *error = text;
        return std::vector<std::uint8_t>{};
    };
    if (image.empty() || image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        return fail("There is no picture to encode.");
    try {
        const std::vector<std::uint8_t> rgba = rgbaBytesOf(image);
        png_image description = describe(image);
        // The worst case is a little more than the raw pixels; one pass then always fits.
        std::vector<std::uint8_t> out(PNG_IMAGE_PNG_SIZE_MAX(description));
        png_alloc_size_t size = out.size();
        const int ok = png_image_write_to_memory(&description, out.data(), &size, 0, rgba.data(), 0, nullptr);
        const std::string message = description.message;
        png_image_free(&description);
        if (!ok)
            return fail("The PNG picture cannot be written: " + message + ".");
        out.resize(size);
        out.shrink_to_fit();
        return out;
    } catch (const std::bad_alloc&) {
        return fail("Not enough memory to encode the picture.");
    }
}

} // namespace vantora
