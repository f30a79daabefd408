#include "swf/colors.h"

namespace swf {

namespace {

// Default desktop colours by system-colour index, as 0xRRGGBB.
constexpr uint32_t kSystemColors[31] = {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x0078D7, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0};

} // namespace

uint32_t ColorToRGB(TColor color) {
    const uint8_t high = uint8_t(color >> 24);
    if (high == 0x80 || high == 0xFF) {
        const uint32_t index = color & 0xFF;
        const uint32_t rgb = index < 31 ? kSystemColors[index] : 0;
        // to 0x00BBGGRR
        return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
    }
    return color & 0x00FFFFFF;
}

TSWFRGB SWFRGB(TColor color) { return TSWFRGB::FromPacked(ColorToRGB(color)); }

uint32_t SWFRGBA(TColor color, uint8_t alpha) { return ColorToRGB(color) | uint32_t(alpha) << 24; }

} // namespace swf
