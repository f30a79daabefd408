#pragma once
// Icon (ICO, and CUR with the same layout) pictures: the directory is read and the best entry
// decoded, the largest one and among those the deepest. PNG entries go through the PNG decoder;
// bitmap entries through the BMP reader, with their AND mask making pixels transparent.

#include "picture/decode_limits.h"
#include "picture/rgba_image.h"

#include <cstdint>
#include <span>
#include <string>

namespace vantora {

// Returns the best entry's picture; when that entry is damaged the next best is tried. On a damaged
// directory, or when no entry can be decoded, returns an empty image and a reason in `error`.
RgbaImage decodeIco(std::span<const std::uint8_t> bytes, std::string& error, const DecodeLimits& limits = {});

} // namespace vantora
