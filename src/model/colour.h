#pragma once
// Colours of the model: 32-bit values laid out as 0x00BBGGRR (red in the low byte), the layout
// that project files store and the movie builder converts.

#include <cstdint>

namespace vantora {

using TColor = std::uint32_t;

constexpr TColor RGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return TColor(red) | (TColor(green) << 8) | (TColor(blue) << 16);
}

constexpr std::uint8_t RedOf(TColor colour) { return std::uint8_t(colour & 0xFF); }
constexpr std::uint8_t GreenOf(TColor colour) { return std::uint8_t((colour >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(TColor colour) { return std::uint8_t((colour >> 16) & 0xFF); }

constexpr TColor clBlack = 0x00000000;
constexpr TColor clWhite = 0x00FFFFFF;
constexpr TColor clYellow = 0x0000FFFF;
constexpr TColor clFuchsia = 0x00FF00FF; // magenta

} // namespace vantora
