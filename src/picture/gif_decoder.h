#pragma once
// GIF pictures through giflib: the first frame, drawn at its place on the logical screen, with its
// transparent colour as alpha 0. Later frames are not read.

#include "picture/decode_limits.h"
#include "picture/rgba_image.h"

#include <cstdint>
#include <span>
#include <string>

namespace vantora {

// Returns the first frame on a picture of the logical screen's size (grown to hold the frame when
// the screen is smaller); pixels the frame does not cover are transparent. On damaged, truncated
// or oversized data returns an empty image and a reason in `error`.
RgbaImage decodeGif(std::span<const std::uint8_t> bytes, std::string& error, const DecodeLimits& limits = {});

} // namespace vantora
