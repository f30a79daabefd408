#include "render/text/aa_downsample.h"

#include <cstdint>
#include <stdexcept>

namespace vantora {
namespace {

using Row = const std::uint8_t*;

void ReduceRowBy1(Row s0, std::uint8_t* out, int width) {
    for (int x = 0; x < width; ++x) {
        out[x] = s0[x];
    }
}

void ReduceRowBy2(Row s0, Row s1, std::uint8_t* out, int width) {
    for (int x = 0; x < width; ++x) {
        const int c = 2 * x;
        out[x] = static_cast<std::uint8_t>((s0[c] + s0[c + 1] + s1[c] + s1[c + 1]) >> 2);
    }
}

// Weights 1 1 1/2 / 1 1 1 / 1/2 1 1 (sum 8); doubled to stay in integers, so divide by 16.
void ReduceRowBy3(Row s0, Row s1, Row s2, std::uint8_t* out, int width) {
    for (int x = 0; x < width; ++x) {
        const int c = 3 * x;
        const int full = s0[c] + s0[c + 1] + s1[c] + s1[c + 1] + s1[c + 2] + s2[c + 1] + s2[c + 2];
        const int half = s0[c + 2] + s2[c];
        out[x] = static_cast<std::uint8_t>((2 * full + half) >> 4);
    }
}

void ReduceRowBy4(Row s0, Row s1, Row s2, Row s3, std::uint8_t* out, int width) {
    for (int x = 0; x < width; ++x) {
        const int c = 4 * x;
        int sum = 0;
        for (int k = 0; k < 4; ++k) {
            sum += s0[c + k] + s1[c + k] + s2[c + k] + s3[c + k];
        }
        out[x] = static_cast<std::uint8_t>(sum >> 4);
    }
}

} // namespace

void DownsampleToMask(const QImage& source, int factor, TAAMask& mask) {
    const int width = mask.Width();
    const int height = mask.Height();
    if (factor < 1 || factor > 4 || source.format() != QImage::Format_Grayscale8 ||
        source.width() < width * factor || source.height() < height * factor) {
        throw std::invalid_argument("DownsampleToMask: source does not cover the mask");
    }
    for (int y = 0; y < height; ++y) {
        std::uint8_t* out = mask.ScanLine(y);
        auto row = [&](int k) { return source.constScanLine(y * factor + k); };
        switch (factor) {
        case 1: ReduceRowBy1(row(0), out, width); break;
        case 2: ReduceRowBy2(row(0), row(1), out, width); break;
        case 3: ReduceRowBy3(row(0), row(1), row(2), out, width); break;
        default: ReduceRowBy4(row(0), row(1), row(2), row(3), out, width); break;
        }
    }
}

} // namespace vantora
