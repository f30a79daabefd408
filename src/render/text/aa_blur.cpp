#include "render/text/aa_blur.h"

#include <algorithm>

namespace vantora {

void TAABlur::Apply(TAAMask& mask, int strength) {
    const int width = mask.Width();
    const int height = mask.Height();
    strength = std::clamp(strength, 0, 100);
    if (strength == 0 || width == 0 || height == 0) {
        return;
    }
    const int k = (strength * 255 + 50) / 100; // round(p * 255 / 100)

    // The 5 x 5 sum with clamped neighbours separates into row sums and column sums; every row
    // sum is taken from the unchanged mask before any pixel is written.
    rowSums_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = mask.ScanLine(y);
        int* sums = rowSums_.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            int sum = 0;
            for (int d = -2; d <= 2; ++d) {
                sum += row[std::clamp(x + d, 0, width - 1)];
            }
            sums[x] = sum;
        }
    }
    for (int y = 0; y < height; ++y) {
        const int* rows[5];
        for (int d = -2; d <= 2; ++d) {
            rows[d + 2] = rowSums_.data() + static_cast<std::size_t>(std::clamp(y + d, 0, height - 1)) * width;
        }
        std::uint8_t* out = mask.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            const int sum = rows[0][x] + rows[1][x] + rows[2][x] + rows[3][x] + rows[4][x];
            const int filtered = (sum + 12) / 25;
            if (k == 255) {
                out[x] = static_cast<std::uint8_t>(filtered);
            } else {
                out[x] = static_cast<std::uint8_t>(out[x] + (((filtered - out[x]) * k) >> 8));
            }
        }
    }
}

} // namespace vantora
