// JPEG encoding into memory. The libjpeg calls run in one function that arms the error jump and
// owns nothing with a destructor; the output vector lives in the caller.

#include "jpeg/jpeg_codec.h"
#include "jpeg/jpeg_error.h"

#include <algorithm>
#include <bit>
#include <new>

namespace vantora::jpeg {
namespace {

using detail::failWith;
using detail::JpegErrorManager;

constexpr std::size_t kFirstChunk = 64 * 1024;

// Destination manager that grows a byte vector. A failed allocation is turned into a libjpeg
// error outside the catch block, so that the longjmp never leaves a handler.
struct VectorDestination {
    jpeg_destination_mgr base; // first member: libjpeg hands back a pointer to it
    std::vector<std::uint8_t>* out;
};

VectorDestination& destinationOf(j_compress_ptr info) { return *reinterpret_cast<VectorDestination*>(info->dest); }

template <class Vector>
bool grow(Vector& out, std::size_t size) {
    try {
        out.resize(size);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void initDestination(j_compress_ptr info) {
    VectorDestination& destination = destinationOf(info);
    if (!grow(*destination.out, kFirstChunk))
        failWith(reinterpret_cast<j_common_ptr>(info), "Not enough memory to encode the picture.");
    destination.base.next_output_byte = destination.out->data();
    destination.base.free_in_buffer = destination.out->size();
}

boolean emptyOutputBuffer(j_compress_ptr info) {
    // libjpeg calls this only when the whole buffer is full, whatever free_in_buffer says.
    VectorDestination& destination = destinationOf(info);
    const std::size_t used = destination.out->size();
    if (!grow(*destination.out, used * 2))
        failWith(reinterpret_cast<j_common_ptr>(info), "Not enough memory to encode the picture.");
    destination.base.next_output_byte = destination.out->data() + used;
    destination.base.free_in_buffer = destination.out->size() - used;
    return TRUE;
}

void termDestination(j_compress_ptr info) {
    VectorDestination& destination = destinationOf(info);
    destination.out->resize(destination.out->size() - destination.base.free_in_buffer);
}

// The libjpeg input space that reads the caller's pixel layout as it stands, so that rows go to
// libjpeg without being copied (the padding byte of a 4-byte pixel is skipped, alpha ignored).
J_COLOR_SPACE inputSpace(PixelLayout layout) {
    switch (layout) {
    case PixelLayout::Rgb24:
        return JCS_RGB;
    case PixelLayout::Bgr24:
        return JCS_EXT_BGR;
    case PixelLayout::Rgba32:
        return JCS_EXT_RGBX;
    case PixelLayout::Bgra32:
        return JCS_EXT_BGRX;
    case PixelLayout::ArgbWords:
        break;
    }
    return std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;
}

// Rows handed to libjpeg per call.
constexpr JDIMENSION kRowsPerWrite = 16;

std::size_t bytesPerPixel(PixelLayout layout) {
    return layout == PixelLayout::Rgb24 || layout == PixelLayout::Bgr24 ? 3 : 4;
}

class Writer {
public:
    ~Writer() {
        if (created_)
            jpeg_destroy_compress(&info_);
    }

    const char* message() const { return error_.message; }

    bool write(const PixelView& image, int quality, std::vector<std::uint8_t>& out) {
        info_.err = detail::installErrorManager(error_);
        if (setjmp(error_.jump))
            return false;
        jpeg_create_compress(&info_);
        created_ = true;
        destination_.base.init_destination = initDestination;
        destination_.base.empty_output_buffer = emptyOutputBuffer;
        destination_.base.term_destination = termDestination;
        destination_.out = &out;
        info_.dest = &destination_.base;

        info_.image_width = static_cast<JDIMENSION>(image.width);
        info_.image_height = static_cast<JDIMENSION>(image.height);
        info_.input_components = static_cast<int>(bytesPerPixel(image.layout));
        info_.in_color_space = inputSpace(image.layout);
        jpeg_set_defaults(&info_);
        jpeg_set_quality(&info_, quality, TRUE);
        jpeg_start_compress(&info_, TRUE);
        // libjpeg takes non-const rows but only reads them.
        auto* pixels = const_cast<std::uint8_t*>(image.pixels);
        while (info_.next_scanline < info_.image_height) {
            const JDIMENSION first = info_.next_scanline;
            const JDIMENSION count = std::min(kRowsPerWrite, info_.image_height - first);
            JSAMPROW rows[kRowsPerWrite];
            for (JDIMENSION i = 0; i < count; ++i)
                rows[i] = pixels + std::size_t(first + i) * image.stride;
            jpeg_write_scanlines(&info_, rows, count);
        }
        jpeg_finish_compress(&info_);
        return true;
    }

private:
    jpeg_compress_struct info_{};
    JpegErrorManager error_{};
    VectorDestination destination_{};
    bool created_ = false;
};

} // namespace

bool encode(const PixelView& image, int quality, std::vector<std::uint8_t>& out, std::string& error) {
    out.clear();
    if (image.pixels == nullptr || image.width <= 0 || image.height <= 0) {
        error = "There is no picture to encode.";
        return false;
    }
    if (image.width > kMaxSide || image.height > kMaxSide) {
        error = "The picture is too large for a JPEG file.";
        return false;
    }
    if (image.stride < std::size_t(image.width) * bytesPerPixel(image.layout)) {
        error = "The picture's rows are shorter than its width.";
        return false;
    }
    Writer writer;
    if (!writer.write(image, std::clamp(quality, 1, 100), out)) {
        error = std::string("The JPEG picture cannot be written: ") + writer.message();
        out.clear();
        return false;
    }
    return true;
}

} // namespace vantora::jpeg
