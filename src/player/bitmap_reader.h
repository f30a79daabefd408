#pragma once
// Reads the bitmap tags into premultiplied ARGB images: DefineBits (with the movie's JPEGTables),
// DefineBitsJPEG2, DefineBitsJPEG3 (with zlib alpha) and DefineBitsLossless/2. Sizes are checked
// before anything is allocated.

#include "player/characters.h"

#include <memory>
#include <span>

namespace player {

// The largest bitmap side and pixel count the player decodes.
inline constexpr int kMaxBitmapSide = 8192;
inline constexpr int64_t kMaxBitmapPixels = 32ll << 20;

// `jpegTables` is the body of the movie's JPEGTables tag (empty when none).
std::shared_ptr<BitmapDef> ReadBitmap(uint16_t code, std::span<const uint8_t> body,
                                      std::span<const uint8_t> jpegTables);

// Decodes JPEG bytes (an erroneous FF D9 FF D8 start is skipped). Throws MovieError.
QImage DecodeJpeg(std::span<const uint8_t> jpeg);

} // namespace player
