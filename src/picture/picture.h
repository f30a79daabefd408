#pragma once
// The owned picture of a demo: a screenshot, an image object's picture, a custom cursor, a button
// image. It keeps the bytes exactly as they were loaded, so that saving writes them back unchanged,
// and decodes them to 32-bit pixels only when someone asks.

#include "picture/decode_limits.h"
#include "picture/rgba_image.h"

#include <cstdint>
#include <filesystem>
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

    // Takes `bytes` as the picture, its format told by the magic number. Bytes of no known format
    // leave the picture unchanged and return false with a reason in `error`.
    bool loadFromBytes(std::vector<std::uint8_t> bytes, std::string* error = nullptr);

    // Loads a picture file. The bytes decide the format (a PNG named .bmp is a PNG); a file whose
    // bytes match no format, that cannot be read, or whose picture does not decode leaves the
    // picture unchanged and returns false with a reason in `error`. Metafiles are taken unchecked.
    bool loadFromFile(const std::filesystem::path& path, std::string* error = nullptr);

    // Decodes to 32-bit pixels with straight alpha. On damaged or unsupported data returns an
    // empty image and, when `error` is given, fills it with a short reason.
    RgbaImage decode(std::string* error = nullptr) const;
    RgbaImage decode(const DecodeLimits& limits, std::string* error = nullptr) const;

    // Same format and same bytes.
    friend bool operator==(const Picture&, const Picture&) = default;

private:
    PictureFormat format_ = PictureFormat::Empty;
    std::vector<std::uint8_t> bytes_;
};

} // namespace vantora
