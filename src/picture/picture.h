#pragma once
// The owned picture of a demo: a screenshot, an image object's picture, a custom cursor, a button
// image. It keeps the bytes exactly as they were loaded, so that saving writes them back unchanged,
// and decodes them to 32-bit pixels only when someone asks.

#include "picture/rgba_image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantora {

enum class PictureFormat : std::uint8_t {
    Empty,    // no picture
    Bitmap,   // BMP
    Jpeg,
    Png,
    Gif,
    Icon,     // ICO
    Metafile, // kept as bytes and saved back; never drawn
};

class Picture {
public:
    Picture() = default;
    Picture(PictureFormat format, std::vector<std::uint8_t> bytes);

    PictureFormat format() const { return format_; }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    bool empty() const { return format_ == PictureFormat::Empty || bytes_.empty(); }

    // Replaces the content; the format must describe the bytes.
    void assign(PictureFormat format, std::vector<std::uint8_t> bytes);
    void clear();

    // Decodes to 32-bit pixels with straight alpha. On damaged or unsupported data returns an
    // empty image and, when `error` is given, fills it with a short reason.
    RgbaImage decode(std::string* error = nullptr) const;

private:
    PictureFormat format_ = PictureFormat::Empty;
    std::vector<std::uint8_t> bytes_;
};

} // namespace vantora
