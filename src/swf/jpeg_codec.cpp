#include "swf/jpeg_codec.h"

#include "jpeg/jpeg_codec.h"
#include "swf/errors.h"

#include <algorithm>
#include <string>

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

// Larger pictures are refused before any pixel memory is taken.
constexpr uint64_t kMaxDecodedPixels = uint64_t(16384) * 16384;

std::vector<uint8_t> encode(const TPixelBuffer& px, int quality) {
    if (px.Pixels == nullptr || px.Width <= 0 || px.Height <= 0 || px.Width > vantora::jpeg::kMaxSide ||
        px.Height > vantora::jpeg::kMaxSide)
        throw Error("cannot encode a JPEG of " + std::to_string(px.Width) + " x " + std::to_string(px.Height) + " pixels");
    vantora::jpeg::PixelLayout layout = vantora::jpeg::PixelLayout::Bgra32;
    switch (px.Layout) {
    case TPixelLayout::BGR24: layout = vantora::jpeg::PixelLayout::Bgr24; break;
    case TPixelLayout::RGB24: layout = vantora::jpeg::PixelLayout::Rgb24; break;
    case TPixelLayout::BGRA32: layout = vantora::jpeg::PixelLayout::Bgra32; break;
    case TPixelLayout::RGBA32: layout = vantora::jpeg::PixelLayout::Rgba32; break;
    }
    const vantora::jpeg::PixelView view{px.Pixels, px.Width, px.Height, size_t(std::max(px.Stride, 0)), layout};
    std::vector<uint8_t> out;
    std::string error;
    if (!vantora::jpeg::encode(view, quality, out, error))
        throw Error("JPEG encoding failed: " + error);
    return out;
}

} // namespace

TJPEGInfo ReadJPEGInfo(const std::vector<uint8_t>& jpeg) {
    vantora::jpeg::Decoder decoder(jpeg);
    if (!decoder.readHeader())
        throw Error("cannot read the JPEG data: " + decoder.message());
    const vantora::jpeg::Header& h = decoder.header();
    return TJPEGInfo{h.width, h.height, h.components, h.progressive};
}

std::vector<uint8_t> ReencodeJPEGBaseline(const std::vector<uint8_t>& jpeg, TJPEGInfo* infoOut) {
    vantora::jpeg::Decoder decoder(jpeg);
    if (!decoder.readHeader())
        throw Error("cannot decode the JPEG data: " + decoder.message());
    const vantora::jpeg::Header& h = decoder.header();
    if (uint64_t(h.width) * uint64_t(h.height) > kMaxDecodedPixels)
        throw Error("cannot decode the JPEG data: JPEG of " + std::to_string(h.width) + " x " + std::to_string(h.height) +
                    " pixels is too large");
    std::vector<uint32_t> argb(size_t(h.width) * size_t(h.height));
    if (!decoder.readArgb(argb.data()))
        throw Error("cannot decode the JPEG data: " + decoder.message());
    if (infoOut != nullptr)
        *infoOut = TJPEGInfo{h.width, h.height, h.components, h.progressive};
    std::vector<uint8_t> out;
    std::string error;
    const vantora::jpeg::PixelView view{reinterpret_cast<const uint8_t*>(argb.data()), h.width, h.height,
                                        size_t(h.width) * sizeof(uint32_t), vantora::jpeg::PixelLayout::ArgbWords};
    if (!vantora::jpeg::encode(view, 75, out, error))
        throw Error("JPEG encoding failed: " + error);
    return out;
}

std::vector<uint8_t> EncodeJPEG(const TPixelBuffer& pixels, int quality) { return encode(pixels, quality); }

} // namespace swf
