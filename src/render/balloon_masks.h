#pragma once
// The drawn skin of the rectangular balloon: four 12 x 12 corner masks and four 22-row x 18-column
// arrow masks. An entry holds alpha in its high 16 bits and a colour code in its low 16 bits: a
// code below 256 is an index into the balloon's colour ramp, a larger one two indices (low and high
// byte) whose colours are averaged. So the skin follows any body and border colour.
//
// The masks are computed once, at first use, from the same geometry the balloon painter's straight
// edges follow (outline one pixel in from the top/left edge and two in from the bottom/right edge,
// four bevel rows inside it), sampled 8 x 8 times per pixel for smooth edges.

#include <cstdint>
#include <vector>

namespace vantora {

// Ramp indices of the skin: the painter's bevel rows use the same ones.
constexpr int kRampBody = 64;     // the body colour itself
constexpr int kRampOutline = 128; // the border colour
constexpr int kRampHighlight[4] = {125, 112, 92, 70}; // 1..4 pixels inside the top/left outline
constexpr int kRampShade[4] = {38, 19, 6, 2};         // 1..4 pixels inside the bottom/right outline

enum class BalloonCorner { TopLeft, TopRight, BottomRight, BottomLeft };

struct BalloonMask {
    int rows = 0;
    int columns = 0;
    std::vector<std::uint32_t> entries; // row-major

    std::uint32_t at(int row, int column) const { return entries[static_cast<std::size_t>(row) * columns + column]; }
};

constexpr int kCornerMaskSize = 12;
constexpr int kArrowMaskRows = 22;
constexpr int kArrowMaskColumns = 18;

constexpr std::uint32_t MaskEntry(int alpha, int colourCode) {
    return (std::uint32_t(alpha) << 16) | std::uint32_t(colourCode & 0xFFFF);
}
constexpr int MaskAlpha(std::uint32_t entry) { return int(entry >> 16) & 0xFF; }
constexpr int MaskColourCode(std::uint32_t entry) { return int(entry & 0xFFFF); }

// The corner of the body rectangle at `corner`.
const BalloonMask& BalloonCornerMask(BalloonCorner corner);

// The arrow that leaves the top edge (TopLeft, TopRight) or the bottom edge (BottomLeft,
// BottomRight) near the named corner; side arrows use these transposed.
const BalloonMask& BalloonArrowMask(BalloonCorner corner);

} // namespace vantora
