#include "render/text/aa_mask_effects.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace vantora {

void OutlineMask(TAAMask& mask, TAAMask& scratch) {
    const int width = mask.Width();
    const int height = mask.Height();
    if (width < 3 || height < 3) {
        return; // no inner pixels
    }
    scratch = mask;
    for (int y = 1; y < height - 1; ++y) {
        const std::uint8_t* a = scratch.ScanLine(y - 1);
        const std::uint8_t* m = scratch.ScanLine(y);
        const std::uint8_t* b = scratch.ScanLine(y + 1);
        std::uint8_t* out = mask.ScanLine(y);
        for (int x = 1; x < width - 1; ++x) {
            const int v = std::abs(b[x + 1] - a[x - 1]) + std::abs(b[x] - a[x]) + std::abs(m[x + 1] - m[x - 1]) +
                          std::abs(b[x - 1] - a[x + 1]);
            out[x] = static_cast<std::uint8_t>(v < 1024 ? v / 4 : 255);
        }
    }
}

void SprayMask(TAAMask& mask, int amount, TAARandom& random) {
    if (amount <= 0) {
        return;
    }
    const int width = mask.Width();
    const int height = mask.Height();
    // Row y of the mask is ScanLine(y); rows are stored bottom-up, so row y + dy sits dy strides
    // lower in memory.
    const std::ptrdiff_t stride = mask.Stride();
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = mask.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            const int c = random.Random(amount + 1);
            if (c == 0) {
                continue; // both offsets are 0: the pixel reads itself
            }
            const int dx = c - random.Random(2 * c);
            const int dy = c - random.Random(2 * c);
            const int sx = std::clamp(x + dx, 0, width - 1);
            const int sy = std::clamp(y + dy, 0, height - 1);
            row[x] = row[(y - sy) * stride + sx];
        }
    }
}

void MirrorMaskHorizontally(TAAMask& mask) {
    for (int y = 0; y < mask.Height(); ++y) {
        std::uint8_t* row = mask.ScanLine(y);
        std::reverse(row, row + mask.Width());
    }
}

void MirrorMaskVertically(TAAMask& mask) {
    const int width = mask.Width();
    for (int top = 0, bottom = mask.Height() - 1; top < bottom; ++top, --bottom) {
        std::swap_ranges(mask.ScanLine(top), mask.ScanLine(top) + width, mask.ScanLine(bottom));
    }
}

} // namespace vantora
