#include "render/shade_color.h"

#include <algorithm>
#include <array>

namespace vantora {
namespace {

std::uint8_t shadeChannel(int channel, int k) {
    return static_cast<std::uint8_t>(std::clamp(channel + k * (255 - channel) / 100, 0, 255));
}

} // namespace

TColor ShadeColor(TColor colour, int step) {
    constexpr std::array<int, 4> kPercent{50, 25, -10, -30};
    if (step < 0 || step >= static_cast<int>(kPercent.size()))
        return colour & 0x00FFFFFFu;
    const int k = kPercent[static_cast<std::size_t>(step)];
    return RGB(shadeChannel(RedOf(colour), k), shadeChannel(GreenOf(colour), k), shadeChannel(BlueOf(colour), k));
}

} // namespace vantora
