#include "render/text/aa_blur.h"

#include <algorithm>

namespace vantora {
namespace {

// Sums of 5 neighbours (offsets -2..2, indices clamped into 0..count-1) of every element, as a
// sliding window: each step drops the element leaving on the left and takes the one entering.
template <typename Source, typename Sink>
void WindowSums(int count, Source value, Sink store) {
    auto at = [&](int i) { return value(std::clamp(i, 0, count - 1)); };
    int sum = at(-2) + at(-1) + at(0) + at(1) + at(2);
    store(0, sum);
    for (int i = 1; i < count; ++i) {
        sum += at(i + 2) - at(i - 3);
        store(i, sum);
    }
}

} // namespace

void TAABlur::Apply(TAAMask& mask, int strength) {
    const int width = mask.Width();
    const int height = mask.Height();
    strength = std::clamp(strength, 0, 100);
    if (strength == 0 || width == 0 || height == 0) {
        return;
    }
    const int k = (strength * 255 + 50) / 100; // round(p * 255 / 100)

    // The 5 x 5 sum with clamped neighbours separates into row sums and then column sums of
    // those; every row sum is taken from the unchanged mask before any pixel is written.
    rowSums_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    auto rowSums = [&](int y) { return rowSums_.data() + static_cast<std::size_t>(y) * width; };
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = mask.ScanLine(y);
        int* sums = rowSums(y);
        WindowSums(width, [row](int x) { return int{row[x]}; }, [sums](int x, int sum) { sums[x] = sum; });
    }
    columnSums_.assign(static_cast<std::size_t>(width), 0);
    for (int d = -2; d <= 2; ++d) {
        const int* sums = rowSums(std::clamp(d, 0, height - 1));
        for (int x = 0; x < width; ++x) {
            columnSums_[x] += sums[x];
        }
    }
    for (int y = 0; y < height; ++y) {
        if (y > 0) {
            const int* leaving = rowSums(std::clamp(y - 3, 0, height - 1));
            const int* entering = rowSums(std::clamp(y + 2, 0, height - 1));
            for (int x = 0; x < width; ++x) {
                columnSums_[x] += entering[x] - leaving[x];
            }
        }
        std::uint8_t* out = mask.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            const int filtered = (columnSums_[x] + 12) / 25;
            if (k == 255) {
                out[x] = static_cast<std::uint8_t>(filtered);
            } else {
                out[x] = static_cast<std::uint8_t>(out[x] + (((filtered - out[x]) * k) >> 8));
            }
        }
    }
}

} // namespace vantora
