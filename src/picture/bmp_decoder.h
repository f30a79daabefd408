#pragma once
// BMP pictures: the SWF library's BMP reader parses the file (every depth of 1, 4, 8, 16, 24 and
// 32 bits, bit fields and RLE); this turns its bottom-up rows into top-down 32-bit pixels.

#include "picture/decode_limits.h"
#include "picture/rgba_image.h"

#include <cstdint>
#include <span>
#include <string>

namespace swf {
class TBMPReader;
}

namespace vantora {

// Decodes a complete BMP file. Pictures are opaque except 32-bit ones (and 16-bit ones with an
// alpha mask) that carry alpha; a picture whose alpha is zero everywhere is taken as opaque,
// because most writers leave the fourth byte of 32-bit pixels unused. On damaged, truncated or
// oversized data returns an empty image and a reason in `error`.
RgbaImage decodeBmp(std::span<const std::uint8_t> bytes, std::string& error, const DecodeLimits& limits = {});

// Converts what a loaded reader holds, with the alpha rule above. `alphaUsed`, when given, tells
// whether the pixels' own alpha was kept (some pixel had non-zero alpha).
RgbaImage rgbaFromBmpReader(const swf::TBMPReader& reader, std::string& error, const DecodeLimits& limits,
                            bool* alphaUsed = nullptr);

} // namespace vantora
