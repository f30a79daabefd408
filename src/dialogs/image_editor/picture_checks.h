#pragma once
// What the image editor does to a picture besides showing it: telling its kind and size, checking
// that it decodes, turning palette PNGs into RGB ones and bitmaps into JPEGs.

#include "picture/picture.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vantora {

// Pictures the editor decodes at most: a generous screenshot, not a gigapixel bomb.
inline constexpr DecodeLimits kImageEditorLimits{16384, 40'000'000};

struct PngHeader {
    int width = 0;
    int height = 0;
    int bitDepth = 0;
    int colourType = 0; // 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA
};

// The IHDR fields of PNG bytes; nothing when they do not start like a PNG file.
std::optional<PngHeader> ReadPngHeader(std::span<const std::uint8_t> bytes);

// "PNGImage  [320 X 200][3,8]": the kind name, the size, and for PNG the colour type and depth.
// An empty picture is "None".
QString PictureKindText(const Picture& picture, int width, int height);

struct PictureCheck {
    bool ok = false;
    bool tooLarge = false; // the picture decodes to more pixels than the editor takes
    std::string reason;    // the decoder's reason on failure
    int width = 0;
    int height = 0;
};

// Decodes the picture within the editor's limits. Metafiles are kept as bytes and pass unchecked
// (with no size). An empty picture passes.
PictureCheck CheckPicture(const Picture& picture);

// A palette PNG (colour type 3) becomes an 8-bit RGB PNG (colour type 2), or an RGBA one when its
// palette has transparency, which an RGB file could not keep. Other pictures come back as they
// are. Nothing when the PNG does not decode or encode.
std::optional<Picture> WithoutPngPalette(const Picture& picture);

// A JPEG of quality 100 made from a bitmap; nothing when the bitmap does not decode.
std::optional<Picture> BitmapToJpeg(const Picture& bitmap);

} // namespace vantora
