// JPEG decoding. libjpeg reports errors by longjmp (see jpeg_error.h), so every step that calls
// into libjpeg arms the jump itself and owns nothing with a destructor; memory is allocated by
// the caller between the steps.

#include "jpeg/jpeg_codec.h"
#include "jpeg/jpeg_error.h"

#include <algorithm>
#include <bit>
#include <new>

namespace vantora::jpeg {
namespace {

using detail::failWith;
using detail::JpegErrorManager;

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

// The libjpeg output space whose bytes, in memory, are our native 0xAARRGGBB words with alpha
// 0xFF: libjpeg then writes the caller's pixels itself and no row is converted afterwards.
constexpr J_COLOR_SPACE kArgbWordSpace = std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// Rows handed to libjpeg per call; it returns fewer when its buffer holds fewer.
constexpr JDIMENSION kRowsPerRead = 16;

std::uint32_t packArgb(unsigned r, unsigned g, unsigned b) { return 0xFF000000u | r << 16 | g << 8 | b; }

// Adobe writes CMYK JPEG files inverted (0 = full ink), which is what libjpeg hands back.
std::uint32_t cmykToArgb(const JSAMPLE* cmyk) {
    const unsigned k = cmyk[3];
    auto channel = [k](unsigned inverted) { return (inverted * k + 127) / 255; };
    return packArgb(channel(cmyk[0]), channel(cmyk[1]), channel(cmyk[2]));
}

} // namespace

struct Decoder::State {
    std::span<const std::uint8_t> bytes;
    jpeg_decompress_struct info{};
    JpegErrorManager error{};
    jpeg_source_mgr source{};
    jpeg_progress_mgr progress{};
    bool created = false;
    std::vector<JSAMPLE> row;

    void attachSource() {
        source.init_source = initSource;
        source.fill_input_buffer = fillInputBuffer;
        source.skip_input_data = skipInputData;
        source.resync_to_restart = jpeg_resync_to_restart;
        source.term_source = termSource;
        source.next_input_byte = bytes.data();
        source.bytes_in_buffer = bytes.size();
        info.src = &source;
    }

    bool readHeader() {
        info.err = detail::installErrorManager(error);
        if (setjmp(error.jump))
            return false;
        jpeg_create_decompress(&info);
        created = true;
        attachSource();
        progress.progress_monitor = onProgress;
        info.progress = &progress;
        jpeg_read_header(&info, TRUE);
        info.out_color_space = isCmyk(info.jpeg_color_space) ? JCS_CMYK : kArgbWordSpace;
        jpeg_calc_output_dimensions(&info);
        return true;
    }

    bool convertsRows() const { return info.out_color_space == JCS_CMYK; }

    void storeCmykRow(std::uint32_t* out) const {
        const JSAMPLE* in = row.data();
        for (JDIMENSION x = 0; x < info.output_width; ++x)
            out[x] = cmykToArgb(in + 4 * x);
    }

    bool startPixels(JDIMENSION width, JDIMENSION height) {
        if (setjmp(error.jump))
            return false;
        jpeg_start_decompress(&info);
        if (info.output_width != width || info.output_height != height)
            failWith(reinterpret_cast<j_common_ptr>(&info), "The JPEG picture changed its size while decoding.");
        return true;
    }

    // CMYK goes through `row` (allocated before this is called) one row at a time; every other
    // space is decoded straight into `argb`, several rows per call. Returns the rows decoded, 0 at
    // the end, -1 on a failure.
    int readRows(std::uint32_t* argb, std::size_t stride, JDIMENSION maxRows) {
        if (setjmp(error.jump))
            return -1;
        if (info.output_scanline >= info.output_height)
            return 0;
        JSAMPROW rows[kRowsPerRead];
        JDIMENSION wanted = 1;
        if (convertsRows()) {
            rows[0] = row.data();
        } else {
            wanted = std::min(maxRows, info.output_height - info.output_scanline);
            for (JDIMENSION i = 0; i < wanted; ++i)
                rows[i] = reinterpret_cast<JSAMPROW>(argb + i * stride);
        }
        const JDIMENSION read = jpeg_read_scanlines(&info, rows, wanted);
        if (read == 0)
            failWith(reinterpret_cast<j_common_ptr>(&info), "The JPEG data is cut short.");
        if (convertsRows())
            storeCmykRow(argb);
        return static_cast<int>(read);
    }

    bool finishPixels() {
        if (setjmp(error.jump))
            return false;
        jpeg_finish_decompress(&info);
        return true;
    }
};

Decoder::Decoder(std::span<const std::uint8_t> bytes) : state_(std::make_unique<State>()) { state_->bytes = bytes; }

Decoder::~Decoder() {
    if (state_->created)
        jpeg_destroy_decompress(&state_->info);
}

bool Decoder::readHeader() {
    if (state_->bytes.size() < 3 || state_->bytes[0] != 0xFF || state_->bytes[1] != 0xD8 || state_->bytes[2] != 0xFF) {
        message_ = "The data is not a JPEG picture.";
        return false;
    }
    if (state_->created) {
        message_ = "The JPEG header was read already.";
        return false;
    }
    if (!state_->readHeader()) {
        message_ = state_->error.message;
        return false;
    }
    const jpeg_decompress_struct& info = state_->info;
    header_.width = static_cast<int>(info.output_width);
    header_.height = static_cast<int>(info.output_height);
    header_.components = info.num_components;
    header_.progressive = jpeg_has_multiple_scans(&state_->info) || info.progressive_mode;
    return true;
}

bool Decoder::readArgb(std::uint32_t* argb) {
    if (argb == nullptr) {
        message_ = "There are no pixels to decode into.";
        return false;
    }
    if (!startRows())
        return false;
    const std::size_t width = std::size_t(header_.width);
    std::size_t y = 0;
    for (int read; (read = readRows(argb + y * width, width, int(kRowsPerRead))) > 0;)
        y += std::size_t(read);
    return finishRows(); // fails when reading stopped early
}

bool Decoder::startRows() {
    message_.clear();
    if (!state_->created || header_.width <= 0 || started_) {
        message_ = started_ ? "The JPEG rows were started already." : "The JPEG header has not been read.";
        return false;
    }
    try {
        if (state_->convertsRows())
            state_->row.resize(std::size_t(state_->info.output_width) * std::size_t(state_->info.output_components));
    } catch (const std::bad_alloc&) {
        message_ = "Not enough memory to decode the picture.";
        return false;
    }
    started_ = true;
    if (!state_->startPixels(JDIMENSION(header_.width), JDIMENSION(header_.height))) {
        failed_ = true;
        message_ = state_->error.message;
        return false;
    }
    return true;
}

int Decoder::readRows(std::uint32_t* argb, std::size_t stride, int maxRows) {
    if (!started_ || failed_ || argb == nullptr || maxRows < 1 || stride < std::size_t(header_.width)) {
        if (message_.empty())
            message_ = started_ ? "The JPEG rows cannot be read." : "The JPEG rows were not started.";
        return -1;
    }
    const int read = state_->readRows(argb, stride, JDIMENSION(std::min(maxRows, int(kRowsPerRead))));
    if (read < 0) {
        failed_ = true;
        message_ = state_->error.message;
    }
    return read;
}

bool Decoder::finishRows() {
    if (!started_ || failed_ || state_->info.output_scanline < state_->info.output_height) {
        if (message_.empty())
            message_ = "The JPEG rows were not all read.";
        return false;
    }
    if (!state_->finishPixels()) {
        failed_ = true;
        message_ = state_->error.message;
        return false;
    }
    return true;
}

} // namespace vantora::jpeg
