#include "publish/video/gif_encoder.h"

#include <gif_lib.h>
#include <libimagequant.h>

#include <QRect>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace vantora::video {
namespace {

constexpr int kMaxDelay = 65535; // hundredths of a second a GIF frame can carry

// One frame quantized and waiting for its delay, which is known once the picture changes.
struct IndexedFrame {
    QRect area;
    std::vector<std::uint8_t> indices; // area.width() x area.height()
    std::vector<GifColorType> palette;
    int transparent = NO_TRANSPARENT_COLOR;
    std::int64_t firstFrame = 0;
};

// True when two RGB32 pixels differ by more than `tolerance` in a channel.
bool differs(std::uint32_t a, std::uint32_t b, int tolerance) {
    if (a == b)
        return false;
    for (int shift : {0, 8, 16})
        if (std::abs(int(a >> shift & 0xff) - int(b >> shift & 0xff)) > tolerance)
            return true;
    return false;
}

// The rectangle of pixels that differ between what the GIF shows and the new picture; empty when
// none do.
QRect changedArea(const QImage& shown, const QImage& now, int tolerance) {
    if (shown.isNull())
        return now.rect();
    int left = now.width(), right = -1, top = now.height(), bottom = -1;
    for (int y = 0; y < now.height(); ++y) {
        const auto* a = reinterpret_cast<const std::uint32_t*>(shown.constScanLine(y));
        const auto* b = reinterpret_cast<const std::uint32_t*>(now.constScanLine(y));
        int x = 0;
        while (x < now.width() && !differs(a[x], b[x], tolerance))
            ++x;
        if (x == now.width())
            continue;
        int last = now.width() - 1;
        while (!differs(a[last], b[last], tolerance))
            --last;
        left = std::min(left, x);
        right = std::max(right, last);
        top = std::min(top, y);
        bottom = y;
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// RGBA bytes of `area`, with the pixels that still look as shown fully transparent; the changed
// ones are copied into `shown`, so that slow fades cannot drift further than the tolerance.
std::vector<std::uint8_t> changedPixels(QImage& shown, const QImage& now, QRect area, int tolerance) {
    std::vector<std::uint8_t> rgba(std::size_t(area.width()) * std::size_t(area.height()) * 4);
    std::uint8_t* out = rgba.data();
    const bool first = shown.isNull();
    if (first)
        shown = now.copy();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* b = reinterpret_cast<const std::uint32_t*>(now.constScanLine(y));
        auto* a = reinterpret_cast<std::uint32_t*>(shown.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x, out += 4) {
            if (!first && !differs(a[x], b[x], tolerance))
                continue; // zero: transparent
            a[x] = b[x];
            out[0] = std::uint8_t(b[x] >> 16);
            out[1] = std::uint8_t(b[x] >> 8);
            out[2] = std::uint8_t(b[x]);
            out[3] = 255;
        }
    }
    return rgba;
}

} // namespace

struct GifEncoder::State {
    std::function<bool(std::span<const std::uint8_t>)> write;
    GifFileType* gif = nullptr;
    bool writeFailed = false;
    VideoSize size;
    double rate;
    int quality;
    QImage shown; // the picture the GIF shows so far, in the source's colours
    int tolerance = 0;
    std::optional<IndexedFrame> pending;
    std::int64_t frames = 0;

    static int output(GifFileType* file, const GifByteType* bytes, int length) {
        auto* self = static_cast<State*>(file->UserData);
        if (self->writeFailed || !self->write(std::span(bytes, std::size_t(length)))) {
            self->writeFailed = true;
            return 0;
        }
        return length;
    }

    ~State() {
        if (gif)
            EGifCloseFile(gif, nullptr);
    }

    void check(int result) const {
        if (writeFailed)
            throw VideoError("The GIF file could not be written.");
        if (result != GIF_OK)
            throw VideoError(std::string("The GIF file could not be made: ") + GifErrorString(gif ? gif->Error : 0));
    }

    void open() {
        int error = 0;
        gif = EGifOpen(this, &State::output, &error);
        if (!gif)
            throw VideoError(std::string("The GIF file could not be made: ") + GifErrorString(error));
        EGifSetGifVersion(gif, true);
        check(EGifPutScreenDesc(gif, size.width, size.height, 8, 0, nullptr));
        // Loop forever.
        static const GifByteType kApplication[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
        static const GifByteType kLoop[] = {1, 0, 0};
        check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE));
        check(EGifPutExtensionBlock(gif, sizeof kApplication, kApplication));
        check(EGifPutExtensionBlock(gif, sizeof kLoop, kLoop));
        check(EGifPutExtensionTrailer(gif));
    }

    std::int64_t hundredths(std::int64_t frame) const { return std::llround(double(frame) * 100.0 / rate); }

    IndexedFrame quantize(const QImage& picture, QRect area) {
        std::vector<std::uint8_t> rgba = changedPixels(shown, picture, area, tolerance);
        liq_attr* attributes = liq_attr_create();
        liq_set_quality(attributes, 0, quality);
        // Screens hold few colours; half a palette keeps each frame's colour table and codes small.
        liq_set_max_colors(attributes, quality >= 90 ? 256 : 128);
        liq_set_speed(attributes, 6);
        liq_image* image = liq_image_create_rgba(attributes, rgba.data(), area.width(), area.height(), 0);
        liq_result* result = nullptr;
        IndexedFrame frame;
        frame.area = area;
        frame.indices.resize(std::size_t(area.width()) * std::size_t(area.height()));
        const bool made = image && liq_image_quantize(image, attributes, &result) == LIQ_OK &&
                          liq_set_dithering_level(result, quality >= 90 ? 1.0f : 0.0f) == LIQ_OK &&
                          liq_write_remapped_image(result, image, frame.indices.data(), frame.indices.size()) == LIQ_OK;
        if (made) {
            const liq_palette* palette = liq_get_palette(result);
            for (unsigned i = 0; i < palette->count; ++i) {
                const liq_color& c = palette->entries[i];
                frame.palette.push_back({c.r, c.g, c.b});
                if (c.a < 128 && frame.transparent == NO_TRANSPARENT_COLOR)
                    frame.transparent = int(i);
            }
        }
        if (result)
            liq_result_destroy(result);
        if (image)
            liq_image_destroy(image);
        liq_attr_destroy(attributes);
        if (!made || frame.palette.empty())
            throw VideoError("The GIF palette could not be made.");
        return frame;
    }

    void putFrame(const IndexedFrame& frame, int delay) {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_DO_NOT;
        control.DelayTime = delay;
        control.TransparentColor = frame.transparent;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension));
        // A GIF colour table holds a power of two entries.
        int tableSize = 2;
        while (tableSize < int(frame.palette.size()))
            tableSize *= 2;
        std::vector<GifColorType> colors(frame.palette);
        colors.resize(std::size_t(tableSize), GifColorType{0, 0, 0});
        ColorMapObject* map = GifMakeMapObject(tableSize, colors.data());
        if (!map)
            throw VideoError("Not enough memory for the GIF file.");
        const int described = EGifPutImageDesc(gif, frame.area.left(), frame.area.top(), frame.area.width(),
                                               frame.area.height(), false, map);
        GifFreeMapObject(map);
        check(described);
        for (int y = 0; y < frame.area.height(); ++y)
            check(EGifPutLine(gif, const_cast<GifPixelType*>(frame.indices.data() + std::size_t(y) * std::size_t(frame.area.width())),
                              frame.area.width()));
    }

    // Writes the waiting frame, shown until `endFrame`; a delay too long for one frame goes on in
    // frames of one transparent pixel.
    void flushPending(std::int64_t endFrame) {
        if (!pending)
            return;
        std::int64_t delay = std::max<std::int64_t>(0, hundredths(endFrame) - hundredths(pending->firstFrame));
        putFrame(*pending, int(std::min<std::int64_t>(delay, kMaxDelay)));
        delay -= kMaxDelay;
        IndexedFrame still{QRect(0, 0, 1, 1), {0}, {{0, 0, 0}, {0, 0, 0}}, 0, 0};
        for (; delay > 0; delay -= kMaxDelay)
            putFrame(still, int(std::min<std::int64_t>(delay, kMaxDelay)));
        pending.reset();
    }
};

GifEncoder::GifEncoder(std::function<bool(std::span<const std::uint8_t>)> write, VideoSize size, double rate, int quality)
    : state_(std::make_unique<State>()) {
    state_->write = std::move(write);
    state_->size = size;
    state_->rate = rate;
    state_->quality = std::clamp(quality, 1, 100);
    // Below the best qualities, changes smaller than the palette's own steps are not worth bytes.
    state_->tolerance = state_->quality >= 90 ? 0 : (100 - state_->quality) / 5;
    state_->open();
}

GifEncoder::~GifEncoder() = default;

void GifEncoder::AddFrame(const QImage& picture) {
    State& s = *state_;
    const QRect area = changedArea(s.shown, picture, s.tolerance);
    if (!area.isEmpty()) {
        IndexedFrame frame = s.quantize(picture, area);
        frame.firstFrame = s.frames;
        s.flushPending(s.frames);
        s.pending = std::move(frame);
    }
    ++s.frames;
}

void GifEncoder::Finish() {
    State& s = *state_;
    s.flushPending(s.frames);
    int error = 0;
    const int closed = EGifCloseFile(s.gif, &error);
    s.gif = nullptr;
    if (s.writeFailed)
        throw VideoError("The GIF file could not be written.");
    if (closed != GIF_OK)
        throw VideoError(std::string("The GIF file could not be made: ") + GifErrorString(error));
}

} // namespace vantora::video
