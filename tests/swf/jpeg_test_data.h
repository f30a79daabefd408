#pragma once
// JPEG files made on the spot for the tests: baseline through the library's encoder, progressive
// through libjpeg directly.

#include "swf/jpeg_codec.h"

#include "../jpeg/libjpeg_reference.h"

#include <cstdint>
#include <vector>

namespace swf_test {

// w x h pixels, left half red, right half blue.
inline std::vector<uint8_t> twoColourRGB(int w, int h) {
    std::vector<uint8_t> rgb(size_t(w) * size_t(h) * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = rgb.data() + (size_t(y) * size_t(w) + size_t(x)) * 3;
            p[0] = x < w / 2 ? 220 : 20;
            p[1] = 20;
            p[2] = x < w / 2 ? 20 : 220;
        }
    return rgb;
}

inline std::vector<uint8_t> baselineJpeg(int w, int h) {
    const std::vector<uint8_t> rgb = twoColourRGB(w, h);
    return swf::EncodeJPEG({rgb.data(), w, h, w * 3, swf::TPixelLayout::RGB24}, 90);
}

inline std::vector<uint8_t> progressiveJpeg(int w, int h) {
    return jpeg_test::libjpegEncode(twoColourRGB(w, h), w, h, 75, true);
}

} // namespace swf_test
