// Pictures through the program's one JPEG codec (jpeg/): the size is checked against the decode
// limits before any pixel memory is taken.

#include "picture/jpeg_codec.h"

#include "jpeg/jpeg_codec.h"

namespace vantora {

RgbaImage decodeJpeg(std::span<const std::uint8_t> bytes, std::string& error, const DecodeLimits& limits) {
    jpeg::Decoder decoder(bytes);
    if (!decoder.readHeader()) {
        if (bytes.size() < 3 || bytes[0] != 0xFF || bytes[1] != 0xD8 || bytes[2] != 0xFF)
            error = decoder.message();
        else
            error = "The JPEG picture cannot be read: " + decoder.message();
        return {};
    }
    RgbaImage image = allocatePicture(decoder.header().width, decoder.header().height, limits, error);
    if (image.empty())
        return {};
    if (!decoder.readArgb(image.pixels.data())) {
        error = "The JPEG picture is damaged: " + decoder.message();
        return {};
    }
    return image;
}

std::vector<std::uint8_t> encodeJpeg(const RgbaImage& image, int quality, std::string* error) {
    std::vector<std::uint8_t> out;
    std::string reason;
    if (image.empty() || image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        reason = "There is no picture to encode.";
    else {
        const jpeg::PixelView view{reinterpret_cast<const std::uint8_t*>(image.pixels.data()), image.width, image.height,
                                   std::size_t(image.width) * sizeof(std::uint32_t), jpeg::PixelLayout::ArgbWords};
        jpeg::encode(view, quality, out, reason);
    }
    if (error != nullptr && out.empty())
        *error = reason;
    return out;
}

std::vector<std::uint8_t> reencodeJpeg(std::span<const std::uint8_t> bytes, int quality, std::string* error) {
    std::vector<std::uint8_t> out;
    std::string reason;
    if (!jpeg::reencode(bytes, quality, out, reason)) {
        out.clear();
        if (error != nullptr)
            *error = reason;
    }
    return out;
}

} // namespace vantora
