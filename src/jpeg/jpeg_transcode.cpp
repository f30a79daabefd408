// Re-encoding a JPEG file strip by strip: the decoder hands over a few rows, the encoder takes
// them, and the same strip is used again, so the picture is never held whole and the strip stays
// in the processor's cache.

#include "jpeg/jpeg_codec.h"

#include <new>

namespace vantora::jpeg {

bool reencode(std::span<const std::uint8_t> jpeg, int quality, std::vector<std::uint8_t>& out, std::string& error) {
    out.clear();
    constexpr int kStripRows = 16;
    Decoder decoder(jpeg);
    if (!decoder.readHeader() || !decoder.startRows()) {
        error = decoder.message();
        return false;
    }
    const int width = decoder.header().width;
    std::vector<std::uint32_t> strip;
    try {
        strip.resize(std::size_t(width) * kStripRows);
    } catch (const std::bad_alloc&) {
        error = "Not enough memory to decode the picture.";
        return false;
    }
    Encoder encoder;
    if (!encoder.start(width, decoder.header().height, PixelLayout::ArgbWords, quality, out)) {
        error = encoder.message();
        return false;
    }
    const std::size_t stride = std::size_t(width) * sizeof(std::uint32_t);
    for (;;) {
        const int rows = decoder.readRows(strip.data(), std::size_t(width), kStripRows);
        if (rows < 0) {
            error = decoder.message();
            out.clear();
            return false;
        }
        if (rows == 0)
            break;
        if (!encoder.writeRows(reinterpret_cast<const std::uint8_t*>(strip.data()), stride, rows)) {
            error = encoder.message();
            return false;
        }
    }
    if (!decoder.finishRows()) {
        error = decoder.message();
        out.clear();
        return false;
    }
    if (!encoder.finish()) {
        error = encoder.message();
        return false;
    }
    return true;
}

} // namespace vantora::jpeg
