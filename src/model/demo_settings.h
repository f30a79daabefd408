#pragma once
// The five settings of the demo as the "Create New Demo" and "Demo Properties" dialogs edit
// them, and how they are applied: sizes kept within 1..9999, the frame rate one of its three.

#include "model/demo.h"

#include <cstdint>
#include <string>

namespace vantora {

struct TDemoSettings {
    std::string Name;
    std::int32_t Width = 640;
    std::int32_t Height = 480;
    TColor BackColor = clWhite;
    std::int32_t FrameRateFactor = 2;

    bool operator==(const TDemoSettings&) const = default;
};

// 1, 2 or 4 (10, 20 or 40 frames per second).
constexpr bool IsValidFrameRateFactor(std::int32_t factor) { return factor == 1 || factor == 2 || factor == 4; }

TDemoSettings DemoSettingsOf(const TVantora& demo);

// Writes the settings into the demo and reports DemoSettings. Width and Height are clamped to
// 1..9999; a frame-rate factor other than 1, 2 or 4 leaves the demo's factor as it is.
void ApplyDemoSettings(TVantora& demo, const TDemoSettings& settings);

} // namespace vantora
