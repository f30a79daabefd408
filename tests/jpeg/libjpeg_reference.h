#pragma once
// JPEG files written by libjpeg directly, with its defaults: the reference our codec must match,
// and the maker of progressive files (which our codec never writes) for the tests.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace jpeg_test {

// `samples` holds w x h pixels of `components` bytes each (`space` tells which), top row first.
inline std::vector<std::uint8_t> libjpegEncodeSamples(const std::vector<std::uint8_t>& samples, int w, int h,
                                                      int components, J_COLOR_SPACE space, int quality,
                                                      bool progressive) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(w);
    cinfo.image_height = JDIMENSION(h);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    const std::size_t stride = std::size_t(w) * std::size_t(components);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<std::uint8_t*>(samples.data()) + std::size_t(cinfo.next_scanline) * stride;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

// `rgb` holds w x h pixels as R, G, B bytes, top row first.
inline std::vector<std::uint8_t> libjpegEncode(const std::vector<std::uint8_t>& rgb, int w, int h, int quality,
                                               bool progressive = false) {
    return libjpegEncodeSamples(rgb, w, h, 3, JCS_RGB, quality, progressive);
}

// One channel of w x h grey samples, written as a greyscale file.
inline std::vector<std::uint8_t> libjpegEncodeGrey(const std::vector<std::uint8_t>& grey, int w, int h, int quality) {
    return libjpegEncodeSamples(grey, w, h, 1, JCS_GRAYSCALE, quality, false);
}

// libjpeg's own decoding of a (valid) file to R, G, B bytes, one row per call.
inline std::vector<std::uint8_t> libjpegDecodeRgb(const std::vector<std::uint8_t>& jpeg, int& w, int& h) {
    jpeg_decompress_struct dinfo;
    jpeg_error_mgr err;
    dinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&dinfo);
    jpeg_mem_src(&dinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&dinfo, TRUE);
    dinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&dinfo);
    w = int(dinfo.output_width);
    h = int(dinfo.output_height);
    std::vector<std::uint8_t> rgb(std::size_t(w) * std::size_t(h) * 3);
    while (dinfo.output_scanline < dinfo.output_height) {
        JSAMPROW row = rgb.data() + std::size_t(dinfo.output_scanline) * std::size_t(w) * 3;
        jpeg_read_scanlines(&dinfo, &row, 1);
    }
    jpeg_finish_decompress(&dinfo);
    jpeg_destroy_decompress(&dinfo);
    return rgb;
}

} // namespace jpeg_test
