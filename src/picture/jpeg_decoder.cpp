// JPEG decoding. libjpeg reports errors by longjmp (see jpeg_error.h), so the work is split into
// phases, each of which arms the jump itself and owns nothing with a destructor; pixel memory is
// allocated between the phases, after the size has been checked.

#include "picture/jpeg_codec.h"
#include "picture/jpeg_error.h"

#include <new>

namespace vantora {
namespace {

using jpeg_detail::failWith;
using jpeg_detail::JpegErrorManager;

// A progressive file may hold any number of scans, each of which makes libjpeg walk the whole
// picture again; hostile files use that to make decoding take minutes.
constexpr int kMaxScans = 500;

// Memory source that treats running out of data as an error. libjpeg's own memory source would
// insert a fake end-of-image marker and grey out the rest of the picture.
void initSource(j_decompress_ptr) {}
boolean fillInputBuffer(j_decompress_ptr info) { failWith(reinterpret_cast<j_common_ptr>(info), "The JPEG data is cut short."); }
void skipInputData(j_decompress_ptr info, long count) {
    if (count <= 0)
        return;
    jpeg_source_mgr& source = *info->src;
    if (static_cast<unsigned long>(count) > source.bytes_in_buffer)
        failWith(reinterpret_cast<j_common_ptr>(info), "The JPEG data is cut short.");
    source.next_input_byte += count;
    source.bytes_in_buffer -= static_cast<std::size_t>(count);
}
void termSource(j_decompress_ptr) {}

void onProgress(j_common_ptr common) {
    auto info = reinterpret_cast<j_decompress_ptr>(common);
    if (info->input_scan_number > kMaxScans)
        failWith(common, "The JPEG data has too many scans.");
}

bool isCmyk(J_COLOR_SPACE space) { return space == JCS_CMYK || space == JCS_YCCK; }

// Adobe writes CMYK JPEG files inverted (0 = full ink), which is what libjpeg hands back.
std::uint32_t cmykToArgb(const JSAMPLE* cmyk) {
    const unsigned k = cmyk[3];
    auto channel = [k](unsigned inverted) { return static_cast<std::uint8_t>((inverted * k + 127) / 255); };
    return packArgb(255, channel(cmyk[0]), channel(cmyk[1]), channel(cmyk[2]));
}

class JpegReader {
public:
    explicit JpegReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    ~JpegReader() {
        if (created_)
            jpeg_destroy_decompress(&info_);
    }
    JpegReader(const JpegReader&) = delete;
    JpegReader& operator=(const JpegReader&) = delete;

    const char* message() const { return error_.message; }
    int width() const { return static_cast<int>(info_.output_width); }
    int height() const { return static_cast<int>(info_.output_height); }
    int components() const { return info_.output_components; }

    // Reads the headers and chooses the output colour space.
    bool readHeader() {
        info_.err = jpeg_detail::installErrorManager(error_);
        if (setjmp(error_.jump))
            return false;
        jpeg_create_decompress(&info_);
        created_ = true;
        attachSource();
        progress_.progress_monitor = onProgress;
        info_.progress = &progress_;
        jpeg_read_header(&info_, TRUE);
        info_.out_color_space = isCmyk(info_.jpeg_color_space) ? JCS_CMYK : JCS_RGB;
        jpeg_calc_output_dimensions(&info_);
        return true;
    }

    // Decodes every row into `image`; `row` holds one row of output samples.
    bool readPixels(RgbaImage& image, JSAMPLE* row) {
        if (setjmp(error_.jump))
            return false;
        jpeg_start_decompress(&info_);
        if (static_cast<int>(info_.output_width) != image.width || static_cast<int>(info_.output_height) != image.height)
            failWith(reinterpret_cast<j_common_ptr>(&info_), "The JPEG picture changed its size while decoding.");
        JSAMPROW rows[1] = {row};
        while (info_.output_scanline < info_.output_height) {
            const int y = static_cast<int>(info_.output_scanline);
            if (jpeg_read_scanlines(&info_, rows, 1) != 1)
                failWith(reinterpret_cast<j_common_ptr>(&info_), "The JPEG data is cut short.");
            storeRow(image, y, row);
        }
        return true;
    }

private:
    void attachSource() {
        source_.init_source = initSource;
        source_.fill_input_buffer = fillInputBuffer;
        source_.skip_input_data = skipInputData;
        source_.resync_to_restart = jpeg_resync_to_restart;
        source_.term_source = termSource;
        source_.next_input_byte = bytes_.data();
        source_.bytes_in_buffer = bytes_.size();
        info_.src = &source_;
    }

    void storeRow(RgbaImage& image, int y, const JSAMPLE* row) const {
        std::uint32_t* out = &image.pixel(0, y);
        if (info_.out_color_space == JCS_CMYK) {
            for (int x = 0; x < image.width; ++x)
                out[x] = cmykToArgb(row + 4 * x);
        } else {
            for (int x = 0; x < image.width; ++x)
                out[x] = packArgb(255, row[3 * x], row[3 * x + 1], row[3 * x + 2]);
        }
    }

    std::span<const std::uint8_t> bytes_;
    jpeg_decompress_struct info_{};
    JpegErrorManager error_{};
    jpeg_source_mgr source_{};
    jpeg_progress_mgr progress_{};
    bool created_ = false;
};

} // namespace

RgbaImage decodeJpeg(std::span<const std::uint8_t> bytes, std::string& error, const DecodeLimits& limits) {
    if (bytes.size() < 3 || bytes[0] != 0xFF || bytes[1] != 0xD8 || bytes[2] != 0xFF) {
        error = "The data is not a JPEG picture.";
        return {};
    }
    JpegReader reader(bytes);
    if (!reader.readHeader()) {
        error = std::string("The JPEG picture cannot be read: ") + reader.message();
        return {};
    }
    RgbaImage image = allocatePicture(reader.width(), reader.height(), limits, error);
    if (image.empty())
        return {};
    std::vector<JSAMPLE> row;
    try {
        row.resize(static_cast<std::size_t>(reader.width()) * static_cast<std::size_t>(reader.components()));
    } catch (const std::bad_alloc&) {
        error = "Not enough memory to decode the picture.";
        return {};
    }
    if (!reader.readPixels(image, row.data())) {
        error = std::string("The JPEG picture is damaged: ") + reader.message();
        return {};
    }
    return image;
}

} // namespace vantora
