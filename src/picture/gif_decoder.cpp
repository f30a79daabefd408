#include "picture/gif_decoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace vantora {
namespace {

struct GifInput {
    std::span<const std::uint8_t> bytes;
    std::size_t position = 0;
};

int readBytes(GifFileType* gif, GifByteType* out, int count) {
    auto& input = *static_cast<GifInput*>(gif->UserData);
    const std::size_t available = input.bytes.size() - input.position;
    const std::size_t n = std::min(available, static_cast<std::size_t>(std::max(count, 0)));
    if (n > 0)
        std::memcpy(out, input.bytes.data() + input.position, n);
    input.position += n;
    return static_cast<int>(n);
}

std::string giflibReason(int code) {
    const char* text = GifErrorString(code);
    return text ? text : "unknown error";
}

// Owns the giflib handle; giflib reports errors through return codes only.
class GifReader {
public:
    explicit GifReader(std::span<const std::uint8_t> bytes) {
        input_.bytes = bytes;
        gif_ = DGifOpen(&input_, readBytes, &openError_);
    }
    ~GifReader() {
        if (gif_)
            DGifCloseFile(gif_, nullptr);
    }
    GifReader(const GifReader&) = delete;
    GifReader& operator=(const GifReader&) = delete;

    GifFileType* handle() const { return gif_; }
    std::string reason() const { return giflibReason(gif_ ? gif_->Error : openError_); }

private:
    GifInput input_;
    GifFileType* gif_ = nullptr;
    int openError_ = 0;
};

// Reads the records before the first image; remembers the transparent index of a graphic control
// extension. Returns false on a read error or when the file ends without an image.
bool seekFirstImage(GifFileType* gif, int& transparentIndex, std::string& error) {
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR)
            return false;
        if (type == IMAGE_DESC_RECORD_TYPE)
            return DGifGetImageDesc(gif) != GIF_ERROR;
        if (type == TERMINATE_RECORD_TYPE) {
            error = "The GIF picture holds no image.";
            return false;
        }
        if (type != EXTENSION_RECORD_TYPE)
            continue;
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
            return false;
        if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4) {
            GraphicsControlBlock control{};
            if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
                transparentIndex = control.TransparentColor;
        }
        while (block)
            if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
                return false;
    }
}

// Row order of an interlaced frame: four passes over every 8th, 8th, 4th and 2nd row.
std::vector<int> frameRowOrder(int height, bool interlaced) {
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            order.push_back(y);
        return order;
    }
    constexpr int kStart[] = {0, 4, 2, 1};
    constexpr int kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = kStart[pass]; y < height; y += kStep[pass])
            order.push_back(y);
    return order;
}

std::uint32_t colourOf(const ColorMapObject& map, int index, int transparentIndex) {
    if (index == transparentIndex)
        return 0;
    if (index >= map.ColorCount)
        return packArgb(255, 0, 0, 0);
    const GifColorType& colour = map.Colors[index];
    return packArgb(255, colour.Red, colour.Green, colour.Blue);
}

// Decodes the frame's rows onto `canvas` at the frame's offset.
bool readFrame(GifFileType* gif, const ColorMapObject& map, int transparentIndex, RgbaImage& canvas) {
    const GifImageDesc& frame = gif->Image;
    std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
    for (int row : frameRowOrder(frame.Height, frame.Interlace)) {
        if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR)
            return false;
        std::uint32_t* out = &canvas.pixel(frame.Left, frame.Top + row);
        for (int x = 0; x < frame.Width; ++x)
            out[x] = colourOf(map, line[static_cast<std::size_t>(x)], transparentIndex);
    }
    return true;
}

} // namespace

RgbaImage decodeGif(std::span<const std::uint8_t> bytes, std::string& error, const DecodeLimits& limits) {
    if (bytes.size() < 6 || (std::memcmp(bytes.data(), "GIF87a", 6) != 0 && std::memcmp(bytes.data(), "GIF89a", 6) != 0)) {
        error = "The data is not a GIF picture.";
        return {};
    }
    GifReader reader(bytes);
    GifFileType* gif = reader.handle();
    if (!gif) {
        error = "The GIF picture cannot be read: " + reader.reason() + ".";
        return {};
    }
    int transparentIndex = NO_TRANSPARENT_COLOR;
    error.clear();
    if (!seekFirstImage(gif, transparentIndex, error)) {
        if (error.empty())
            error = "The GIF picture cannot be read: " + reader.reason() + ".";
        return {};
    }
    const GifImageDesc& frame = gif->Image;
    if (!checkPictureSize(frame.Width, frame.Height, limits, error) || frame.Left < 0 || frame.Top < 0)
        return {};
    const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!map || !map->Colors) {
        error = "The GIF picture has no colour table.";
        return {};
    }
    const std::int64_t width = std::max<std::int64_t>(gif->SWidth, std::int64_t{frame.Left} + frame.Width);
    const std::int64_t height = std::max<std::int64_t>(gif->SHeight, std::int64_t{frame.Top} + frame.Height);
    RgbaImage canvas = allocatePicture(width, height, limits, error);
    if (canvas.empty())
        return {};
    try {
        if (!readFrame(gif, *map, transparentIndex, canvas)) {
            error = "The GIF picture is damaged: " + reader.reason() + ".";
            return {};
        }
    } catch (const std::bad_alloc&) {
        error = "Not enough memory to decode the picture.";
        return {};
    }
    return canvas;
}

} // namespace vantora
