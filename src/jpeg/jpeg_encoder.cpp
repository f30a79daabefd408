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

} // namespace

// Each step that calls into libjpeg arms the error jump itself and owns nothing with a destructor.
struct Encoder::State {
    jpeg_compress_struct info{};
    JpegErrorManager error{};
    VectorDestination destination{};
    bool created = false;
    bool failed = false;
    bool finished = false;

    ~State() {
        if (created)
            jpeg_destroy_compress(&info);
    }

    bool start(int width, int height, PixelLayout layout, int quality, std::vector<std::uint8_t>& out) {
        info.err = detail::installErrorManager(error);
        if (setjmp(error.jump))
            return false;
        jpeg_create_compress(&info);
        created = true;
        destination.base.init_destination = initDestination;
        destination.base.empty_output_buffer = emptyOutputBuffer;
        destination.base.term_destination = termDestination;
        destination.out = &out;
        info.dest = &destination.base;

        info.image_width = static_cast<JDIMENSION>(width);
        info.image_height = static_cast<JDIMENSION>(height);
        info.input_components = static_cast<int>(bytesPerPixel(layout));
        info.in_color_space = inputSpace(layout);
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, quality, TRUE);
        jpeg_start_compress(&info, TRUE);
        return true;
    }

    // libjpeg takes non-const rows but only reads them.
    bool writeRows(std::uint8_t* pixels, std::size_t stride, JDIMENSION count) {
        if (setjmp(error.jump))
            return false;
        // Nothing changed after the jump is armed lives in a local: progress is libjpeg's own count.
        const JDIMENSION begin = info.next_scanline;
        while (info.next_scanline < begin + count) {
            const JDIMENSION first = info.next_scanline;
            const JDIMENSION now = std::min(kRowsPerWrite, begin + count - first);
            JSAMPROW rows[kRowsPerWrite];
            for (JDIMENSION i = 0; i < now; ++i)
                rows[i] = pixels + std::size_t(first - begin + i) * stride;
            jpeg_write_scanlines(&info, rows, now);
        }
        return true;
    }

    bool finish() {
        if (setjmp(error.jump))
            return false;
        jpeg_finish_compress(&info);
        return true;
    }
};

Encoder::Encoder() : state_(std::make_unique<State>()) {}
Encoder::~Encoder() = default;

bool Encoder::start(int width, int height, PixelLayout layout, int quality, std::vector<std::uint8_t>& out) {
    out.clear();
    if (state_->created) {
        message_ = "The JPEG encoder was started already.";
        return false;
    }
    if (width <= 0 || height <= 0) {
        message_ = "There is no picture to encode.";
        return false;
    }
    if (width > kMaxSide || height > kMaxSide) {
        message_ = "The picture is too large for a JPEG file.";
        return false;
    }
    if (!state_->start(width, height, layout, std::clamp(quality, 1, 100), out)) {
        out.clear(); // the failure may come before the destination knows `out`
        return libjpegFailed();
    }
    return true;
}

bool Encoder::libjpegFailed() {
    state_->failed = true;
    message_ = std::string("The JPEG picture cannot be written: ") + state_->error.message;
    if (state_->destination.out != nullptr)
        state_->destination.out->clear();
    return false;
}

bool Encoder::writeRows(const std::uint8_t* rows, std::size_t stride, int count) {
    jpeg_compress_struct& info = state_->info;
    if (!state_->created || state_->failed || state_->finished || rows == nullptr || count < 0 ||
        JDIMENSION(count) > info.image_height - info.next_scanline ||
        stride < std::size_t(info.image_width) * std::size_t(info.input_components)) {
        message_ = "The rows do not fit the picture being encoded.";
        return false;
    }
    return state_->writeRows(const_cast<std::uint8_t*>(rows), stride, JDIMENSION(count)) || libjpegFailed();
}

bool Encoder::finish() {
    jpeg_compress_struct& info = state_->info;
    if (!state_->created || state_->failed || state_->finished || info.next_scanline < info.image_height) {
        message_ = "The picture's rows were not all given.";
        return false;
    }
    state_->finished = true;
    return state_->finish() || libjpegFailed();
}

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
    Encoder encoder;
    if (!encoder.start(image.width, image.height, image.layout, quality, out) ||
        !encoder.writeRows(image.pixels, image.stride, image.height) || !encoder.finish()) {
        error = encoder.message();
        out.clear();
        return false;
    }
    return true;
}

} // namespace vantora::jpeg
