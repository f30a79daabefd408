#pragma once
// One bitmap entry of an icon file: a device-independent bitmap without file header whose height
// counts both the colour rows and the AND mask rows that follow them.

#include "picture/decode_limits.h"
#include "picture/rgba_image.h"

#include <cstdint>
#include <span>
#include <string>

namespace vantora {

// Pixels with a set mask bit become transparent. A 32-bit entry whose pixels carry alpha uses that
// alpha instead of the mask, as the system does when it draws such icons.
RgbaImage decodeIconBitmap(std::span<const std::uint8_t> entry, std::string& error, const DecodeLimits& limits);

} // namespace vantora
