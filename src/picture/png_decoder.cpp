// PNG decoding with libpng's progressive-free reading API. libpng reports errors by longjmp, so
// the work is split into phases, each of which arms the jump itself and owns nothing with a
// destructor; pixel memory is allocated between the phases, after the size has been checked.

#include "picture/png_codec.h"

#include <png.h>

#include <cstring>
#include <new>

namespace vantora {
namespace {

constexpr std::size_t kMessageSize = 200;

// What the reader callbacks see, reached through png_get_io_ptr / png_get_error_ptr.
struct PngInput {
    std::span<const std::uint8_t> bytes;
    std::size_t position = 0;
    char message[kMessageSize] = {};
};

void recordMessage(PngInput& input, const char* text) {
    std::strncpy(input.message, text ? text : "unknown error", kMessageSize - 1);
    input.message[kMessageSize - 1] = '\0';
}

[[noreturn]] void onError(png_structp png, png_const_charp text) {
    recordMessage(*static_cast<PngInput*>(png_get_error_ptr(png)), text);
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {} // libpng would print them to stderr

void readBytes(png_structp png, png_bytep out, png_size_t count) {
    auto& input = *static_cast<PngInput*>(png_get_io_ptr(png));
    if (count > input.bytes.size() - input.position)
        png_error(png, "the PNG data is cut short");
    std::memcpy(out, input.bytes.data() + input.position, count);
    input.position += count;
}

class PngReader {
public:
    explicit PngReader(std::span<const std::uint8_t> bytes) { input_.bytes = bytes; }
    ~PngReader() {
        if (png_)
            png_destroy_read_struct(&png_, info_ ? &info_ : nullptr, nullptr);
    }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;

    const char* message() const { return input_.message; }
    png_uint_32 width() const { return png_get_image_width(png_, info_); }
    png_uint_32 height() const { return png_get_image_height(png_, info_); }

    bool create(const DecodeLimits& limits) {
        png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, &input_, onError, onWarning);
        if (!png_) {
            recordMessage(input_, "libpng cannot start");
            return false;
        }
        info_ = png_create_info_struct(png_);
        if (!info_) {
            recordMessage(input_, "libpng cannot start");
            return false;
        }
        if (setjmp(png_jmpbuf(png_)))
            return false;
        png_set_read_fn(png_, &input_, readBytes);
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
        // Let the fuzzer reach past the checksums it cannot guess.
        png_set_crc_action(png_, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
#endif
        png_set_user_limits(png_, static_cast<png_uint_32>(limits.maxSide), static_cast<png_uint_32>(limits.maxSide));
        return true;
    }

    // Reads the chunks up to the pixel data and asks libpng for 8-bit RGBA rows.
    bool readHeader() {
        if (setjmp(png_jmpbuf(png_)))
            return false;
        png_read_info(png_, info_);
        const png_byte colorType = png_get_color_type(png_, info_);
        if (png_get_bit_depth(png_, info_) == 16)
            png_set_strip_16(png_);
        if (colorType == PNG_COLOR_TYPE_PALETTE)
            png_set_palette_to_rgb(png_);
        if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
            png_set_gray_to_rgb(png_);
        png_set_expand(png_); // low-depth grey to 8 bits, tRNS to an alpha channel
        png_set_filler(png_, 0xFF, PNG_FILLER_AFTER);
        png_set_interlace_handling(png_);
        png_read_update_info(png_, info_);
        if (png_get_rowbytes(png_, info_) != static_cast<png_size_t>(width()) * 4)
            png_error(png_, "unexpected row layout");
        return true;
    }

    // Decodes the rows straight into `rows` (4 bytes per pixel, red first).
    bool readPixels(png_bytepp rows) {
        if (setjmp(png_jmpbuf(png_)))
            return false;
        png_read_image(png_, rows);
        return true;
    }

private:
    PngInput input_;
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

// The rows were decoded as red, green, blue, alpha bytes into the pixel words; repack them.
void repackRgbaBytes(RgbaImage& image) {
    for (std::uint32_t& word : image.pixels) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&word);
        word = packArgb(bytes[3], bytes[0], bytes[1], bytes[2]);
    }
}

} // namespace

RgbaImage decodePng(std::span<const std::uint8_t> bytes, std::string& error, const DecodeLimits& limits) {
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) {
        error = "The data is not a PNG picture.";
        return {};
    }
    PngReader reader(bytes);
    if (!reader.create(limits) || !reader.readHeader()) {
        error = std::string("The PNG picture cannot be read: ") + reader.message() + ".";
        return {};
    }
    RgbaImage image = allocatePicture(reader.width(), reader.height(), limits, error);
    if (image.empty())
        return {};
    std::vector<png_bytep> rows;
    try {
        rows.resize(static_cast<std::size_t>(image.height));
    } catch (const std::bad_alloc&) {
        error = "Not enough memory to decode the picture.";
        return {};
    }
    for (int y = 0; y < image.height; ++y)
        rows[y] = reinterpret_cast<png_bytep>(&image.pixel(0, y));
    if (!reader.readPixels(rows.data())) {
        error = std::string("The PNG picture is damaged: ") + reader.message() + ".";
        return {};
    }
    repackRgbaBytes(image);
    return image;
}

} // namespace vantora
