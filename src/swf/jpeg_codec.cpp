#include "swf/jpeg_codec.h"

#include "swf/errors.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <jpeglib.h>

namespace swf {

std::optional<TJPEGSize> ScanJPEGFrameSize(const uint8_t* data, size_t size) {
    if (size < 2 || data[0] != 0xFF || data[1] != 0xD8)
        return std::nullopt;
    size_t pos = 2;
    auto byteAt = [&](size_t p) -> int { return p < size ? data[p] : -1; };
    while (pos < size) {
        if (data[pos] != 0xFF)
            return std::nullopt;
        while (pos < size && data[pos] == 0xFF)
            ++pos;
        const int code = byteAt(pos++);
        if (code < 0)
            return std::nullopt;
        if (code == 0xC0 || code == 0xC1) {
            // length (2), precision (1), height (2), width (2)
            if (pos + 7 > size)
                return std::nullopt;
            const int height = data[pos + 3] << 8 | data[pos + 4];
            const int width = data[pos + 5] << 8 | data[pos + 6];
            return TJPEGSize{width, height};
        }
        if (code == 0x01 || (code >= 0xD0 && code <= 0xD7))
            continue;
        if (pos + 2 > size)
            return std::nullopt;
        const size_t length = size_t(data[pos] << 8 | data[pos + 1]);
        if (length < 2)
            return std::nullopt;
        pos += length;
    }
    return std::nullopt;
}

namespace {

// libjpeg reports fatal errors through error_exit; we jump back and turn them into exceptions.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void onMessage(j_common_ptr) {}

// Decodes `jpeg` to RGB rows (out, 3 bytes per pixel); returns false with `error` filled on failure.
// Only plain C data lives in this function's frame across setjmp.
bool decodeRGB(const std::vector<uint8_t>& jpeg, std::vector<uint8_t>& out, TJPEGInfo& info, bool headerOnly, char* error) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onError;
    err.pub.output_message = onMessage;
    if (setjmp(err.jump)) {
        std::strncpy(error, err.message, JMSG_LENGTH_MAX);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), (unsigned long)jpeg.size());
    jpeg_read_header(&cinfo, TRUE);
    info.Width = int(cinfo.image_width);
    info.Height = int(cinfo.image_height);
    info.Components = cinfo.num_components;
    info.Progressive = jpeg_has_multiple_scans(&cinfo) || cinfo.progressive_mode;
    if (headerOnly) {
        jpeg_destroy_decompress(&cinfo);
        return true;
    }
    if (uint64_t(info.Width) * uint64_t(info.Height) > uint64_t(16384) * 16384) {
        std::snprintf(error, JMSG_LENGTH_MAX, "JPEG of %d x %d pixels is too large", info.Width, info.Height);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    const size_t rowBytes = size_t(cinfo.output_width) * 3;
    out.resize(rowBytes * cinfo.output_height);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out.data() + size_t(cinfo.output_scanline) * rowBytes;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

// Encodes RGB rows; `buffer`/`length` are malloc'd by libjpeg and must be freed by the caller.
bool encodeRGB(const TPixelBuffer& px, int quality, unsigned char** buffer, unsigned long* length, char* error) {
    jpeg_compress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onError;
    err.pub.output_message = onMessage;
    unsigned char* volatile row = nullptr;
    if (setjmp(err.jump)) {
        std::strncpy(error, err.message, JMSG_LENGTH_MAX);
        jpeg_destroy_compress(&cinfo);
        std::free(row);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, buffer, length);
    cinfo.image_width = JDIMENSION(px.Width);
    cinfo.image_height = JDIMENSION(px.Height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    row = static_cast<unsigned char*>(std::malloc(size_t(px.Width) * 3));
    const int bpp = px.BytesPerPixel();
    const bool redFirst = px.RedFirst();
    while (cinfo.next_scanline < cinfo.image_height) {
        const uint8_t* src = px.Pixels + size_t(cinfo.next_scanline) * size_t(px.Stride);
        for (int x = 0; x < px.Width; ++x, src += bpp) {
            row[x * 3] = redFirst ? src[0] : src[2];
            row[x * 3 + 1] = src[1];
            row[x * 3 + 2] = redFirst ? src[2] : src[0];
        }
        JSAMPROW rows[1] = {row};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::free(row);
    return true;
}

std::vector<uint8_t> encode(const TPixelBuffer& px, int quality) {
    if (px.Pixels == nullptr || px.Width <= 0 || px.Height <= 0 || px.Width > 65500 || px.Height > 65500)
        throw Error("cannot encode a JPEG of " + std::to_string(px.Width) + " x " + std::to_string(px.Height) + " pixels");
    unsigned char* buffer = nullptr;
    unsigned long length = 0;
    char error[JMSG_LENGTH_MAX] = {};
    const bool ok = encodeRGB(px, quality, &buffer, &length, error);
    std::vector<uint8_t> out;
    if (ok && buffer != nullptr)
        out.assign(buffer, buffer + length);
    std::free(buffer);
    if (!ok)
        throw Error(std::string("JPEG encoding failed: ") + error);
    return out;
}

} // namespace

TJPEGInfo ReadJPEGInfo(const std::vector<uint8_t>& jpeg) {
    TJPEGInfo info;
    std::vector<uint8_t> unused;
    char error[JMSG_LENGTH_MAX] = {};
    if (!decodeRGB(jpeg, unused, info, true, error))
        throw Error(std::string("cannot read the JPEG data: ") + error);
    return info;
}

std::vector<uint8_t> ReencodeJPEGBaseline(const std::vector<uint8_t>& jpeg, TJPEGInfo* infoOut) {
    TJPEGInfo info;
    std::vector<uint8_t> rgb;
    char error[JMSG_LENGTH_MAX] = {};
    if (!decodeRGB(jpeg, rgb, info, false, error))
        throw Error(std::string("cannot decode the JPEG data: ") + error);
    if (infoOut != nullptr)
        *infoOut = info;
    TPixelBuffer px{rgb.data(), info.Width, info.Height, info.Width * 3, TPixelLayout::RGB24};
    return encode(px, 75);
}

std::vector<uint8_t> EncodeJPEG(const TPixelBuffer& pixels, int quality) { return encode(pixels, quality); }

} // namespace swf
