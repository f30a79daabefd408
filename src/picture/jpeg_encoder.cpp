// JPEG encoding into memory. Like the decoder, the libjpeg calls run in one function that arms
// the error jump and owns nothing with a destructor; the output vector lives in the caller.

#include "picture/jpeg_codec.h"
#include "picture/jpeg_error.h"

#include <algorithm>
#include <new>

namespace vantora {
namespace {

using jpeg_detail::failWith;
using jpeg_detail::JpegErrorManager;

constexpr std::size_t kFirstChunk = 64 * 1024;

// Destination manager that grows a byte vector. A failed allocation is turned into a libjpeg
// error outside the catch block, so that the longjmp never leaves a handler.
struct VectorDestination {
    jpeg_destination_mgr base; // first member: libjpeg hands back a pointer to it
    std::vector<std::uint8_t>* out;
};

VectorDestination& destinationOf(j_compress_ptr info) { return *reinterpret_cast<VectorDestination*>(info->dest); }

bool growOutput(std::vector<std::uint8_t>& out, std::size_t size) {
    try {
        out.resize(size);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void initDestination(j_compress_ptr info) {
    VectorDestination& destination = destinationOf(info);
    if (!growOutput(*destination.out, kFirstChunk))
        failWith(reinterpret_cast<j_common_ptr>(info), "Not enough memory to encode the picture.");
    destination.base.next_output_byte = destination.out->data();
    destination.base.free_in_buffer = destination.out->size();
}

boolean emptyOutputBuffer(j_compress_ptr info) {
    // libjpeg calls this only when the whole buffer is full, whatever free_in_buffer says.
    VectorDestination& destination = destinationOf(info);
    const std::size_t used = destination.out->size();
    if (!growOutput(*destination.out, used * 2))
        failWith(reinterpret_cast<j_common_ptr>(info), "Not enough memory to encode the picture.");
    destination.base.next_output_byte = destination.out->data() + used;
    destination.base.free_in_buffer = destination.out->size() - used;
    return TRUE;
}

void termDestination(j_compress_ptr info) {
    VectorDestination& destination = destinationOf(info);
    destination.out->resize(destination.out->size() - destination.base.free_in_buffer);
}

class JpegWriter {
public:
    ~JpegWriter() {
        if (created_)
            jpeg_destroy_compress(&info_);
    }

    const char* message() const { return error_.message; }

    bool write(const RgbaImage& image, int quality, JSAMPLE* row, std::vector<std::uint8_t>& out) {
        info_.err = jpeg_detail::installErrorManager(error_);
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
        info_.input_components = 3;
        info_.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info_);
        jpeg_set_quality(&info_, quality, TRUE);
        jpeg_start_compress(&info_, TRUE);
        JSAMPROW rows[1] = {row};
        while (info_.next_scanline < info_.image_height) {
            loadRow(image, static_cast<int>(info_.next_scanline), row);
            jpeg_write_scanlines(&info_, rows, 1);
        }
        jpeg_finish_compress(&info_);
        return true;
    }

private:
    static void loadRow(const RgbaImage& image, int y, JSAMPLE* row) {
        const std::uint32_t* in = image.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width);
        for (int x = 0; x < image.width; ++x) {
            row[3 * x] = redOf(in[x]);
            row[3 * x + 1] = greenOf(in[x]);
            row[3 * x + 2] = blueOf(in[x]);
        }
    }

    jpeg_compress_struct info_{};
    JpegErrorManager error_{};
    VectorDestination destination_{};
    bool created_ = false;
};

// JPEG stores sizes in 16 bits.
constexpr int kMaxJpegSide = 65500;

} // namespace

std::vector<std::uint8_t> encodeJpeg(const RgbaImage& image, int quality, std::string* error) {
    auto fail = [error](const std::string& text) {
        if (error)
            *error = text;
        return std::vector<std::uint8_t>{};
    };
    if (image.empty() || image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        return fail("There is no picture to encode.");
    if (image.width > kMaxJpegSide || image.height > kMaxJpegSide)
        return fail("The picture is too large for a JPEG file.");
    std::vector<JSAMPLE> row;
    std::vector<std::uint8_t> out;
    if (!growOutput(row, static_cast<std::size_t>(image.width) * 3))
        return fail("Not enough memory to encode the picture.");
    JpegWriter writer;
    if (!writer.write(image, std::clamp(quality, 1, 100), row.data(), out))
        return fail(std::string("The JPEG picture cannot be written: ") + writer.message());
    return out;
}

} // namespace vantora
