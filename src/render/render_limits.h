#pragma once
// Bounds on the pictures painters make. Project files can hold absurd sizes; an object beyond these
// gets no picture instead of an allocation of gigabytes.

#include <cstdint>

namespace vantora {

constexpr int kMaxRenderSide = 16384;
constexpr std::int64_t kMaxRenderPixels = 16LL * 1024 * 1024; // a few hundred MB of work images at most

constexpr bool IsRenderableSize(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxRenderSide && height <= kMaxRenderSide &&
           width * height <= kMaxRenderPixels;
}

// Distances read from an object (margins, roundings, pen widths) kept to a range where the
// painters' integer geometry cannot overflow; anything beyond it looks the same anyway.
constexpr int ClampedDistance(std::int32_t value) {
    return value < -2 * kMaxRenderSide ? -2 * kMaxRenderSide : value > 2 * kMaxRenderSide ? 2 * kMaxRenderSide : value;
}

} // namespace vantora
