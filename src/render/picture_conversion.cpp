#include "render/picture_conversion.h"

#include "render/text/font_conversion.h"
#include "render/image_conversion.h"

#include <utility>

namespace vantora {
namespace {

constexpr QRgb kRgbMask = 0x00FFFFFFu;

// Every pixel's alpha through `rule(pixel) -> alpha`.
template <typename Rule>
void setAlpha(QImage& image, Rule rule) {
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0, w = image.width(); x < w; ++x)
            row[x] = (row[x] & kRgbMask) | (QRgb(rule(row[x])) << 24);
    }
}

// A bitmap is opaque except, when transparency is on, the pixels of its key colour.
void applyBitmapTransparency(QImage& image, const BitmapTransparency& transparency) {
    if (!transparency.enabled) {
        setAlpha(image, [](QRgb) { return 255; });
        return;
    }
    const QRgb key = transparency.autoColour ? image.pixel(0, image.height() - 1) & kRgbMask
                                             : (ToArgb(transparency.colour) & kRgbMask);
    setAlpha(image, [key](QRgb pixel) { return (pixel & kRgbMask) == key ? 0 : 255; });
}

} // namespace

BitmapTransparency BitmapTransparencyOf(const TDemoObject& object) {
    return {object.BitmapTransparent, object.BitmapTransparentMode == 0, object.BitmapTransparentColor};
}

QImage ConvertDecodedPicture(RgbaImage decoded, PictureFormat format, const BitmapTransparency& transparency,
                             bool verticalMirror, bool horizontalMirror, int angle) {
    QImage image = AdoptRgbaImage(std::move(decoded));
    if (image.isNull())
        return {};
    switch (format) {
    case PictureFormat::Png: break; // its own alpha channel, kept as it is
    case PictureFormat::Bitmap: applyBitmapTransparency(image, transparency); break;
    case PictureFormat::Jpeg: setAlpha(image, [](QRgb) { return 255; }); break;
    default:
        // Drawn on black and on white, only fully opaque pixels agree: no partial alpha survives.
        setAlpha(image, [](QRgb pixel) { return qAlpha(pixel) == 255 ? 255 : 0; });
        break;
    }
    return MirrorPicture(TurnQuarters(image, angle), horizontalMirror, verticalMirror);
}

QImage ConvertPicture(const Picture& picture, const BitmapTransparency& transparency, bool verticalMirror,
                      bool horizontalMirror, int angle) {
    if (picture.empty() || picture.format() == PictureFormat::Metafile)
        return {};
    RgbaImage decoded = picture.decode();
    if (decoded.empty())
        return {};
    return ConvertDecodedPicture(std::move(decoded), picture.format(), transparency, verticalMirror, horizontalMirror,
                                 angle);
}

QImage TurnQuarters(const QImage& image, int angle) {
    const int turns = angle == 90 ? 1 : angle == 180 ? 2 : angle == 270 ? 3 : 0;
    QImage result = image;
    for (int turn = 0; turn < turns; ++turn) {
        // A quarter turn clockwise: source (x, y) lands on (oldHeight - 1 - y, x).
        const QImage source = result;
        const int width = source.width(), height = source.height();
        QImage turned(height, width, QImage::Format_ARGB32);
        uchar* bits = turned.bits();
        const qsizetype stride = turned.bytesPerLine();
        for (int y = 0; y < height; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
            const int column = height - 1 - y;
            for (int x = 0; x < width; ++x)
                reinterpret_cast<QRgb*>(bits + x * stride)[column] = row[x];
        }
        result = turned;
    }
    return result;
}

QImage MirrorPicture(const QImage& image, bool horizontal, bool vertical) {
    if (!horizontal && !vertical)
        return image;
    const int width = image.width(), height = image.height();
    QImage result(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(image.constScanLine(vertical ? height - 1 - y : y));
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = source[horizontal ? width - 1 - x : x];
    }
    return result;
}

} // namespace vantora
