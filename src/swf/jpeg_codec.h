#pragma once
// JPEG helpers of the bitmap writer: the frame-header scan that finds a JPEG's size without
// decoding it, and decoding/encoding through the program's JPEG codec (progressive files are
// re-encoded as baseline because the older players cannot show progressive JPEG data).

#include "swf/pixel_buffer.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace swf {

struct TJPEGSize {
    int Width = 0;
    int Height = 0;
};

// Reads width and height from a baseline or extended sequential frame header (SOF0/SOF1). Nothing
// for other data, progressive frames included, and for data that ends early.
std::optional<TJPEGSize> ScanJPEGFrameSize(const uint8_t* data, size_t size);

struct TJPEGInfo {
    int Width = 0;
    int Height = 0;
    int Components = 0;
    bool Progressive = false;
};

// Reads the header. Throws swf::Error for data libjpeg cannot read.
TJPEGInfo ReadJPEGInfo(const std::vector<uint8_t>& jpeg);
// Decodes and encodes again as a baseline JPEG (quality 75, libjpeg's default). Throws swf::Error.
std::vector<uint8_t> ReencodeJPEGBaseline(const std::vector<uint8_t>& jpeg, TJPEGInfo* info = nullptr);
// Encodes pixels (alpha is ignored) as a baseline JPEG of the given quality. Throws swf::Error.
std::vector<uint8_t> EncodeJPEG(const TPixelBuffer& pixels, int quality);

} // namespace swf
