#pragma once
// JPEG files made on the spot for the tests: baseline through the library's encoder, progressive
// through libjpeg directly.

#include "swf/jpeg_codec.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

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
    const std::vector<uint8_t> rgb = twoColourRGB(w, h);
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(w);
    cinfo.image_height = JDIMENSION(h);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<uint8_t*>(rgb.data()) + size_t(cinfo.next_scanline) * size_t(w) * 3;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<uint8_t> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

} // namespace swf_test
