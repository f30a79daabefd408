#include "render/image_conversion.h"

#include <cstring>
#include <memory>
#include <utility>

namespace vantora {
namespace {

constexpr qsizetype rowBytes(int width) { return static_cast<qsizetype>(width) * 4; }

} // namespace

QImage WrapRgbaImage(RgbaImage& image) {
    if (image.empty() || image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        return {};
    return QImage(reinterpret_cast<uchar*>(image.pixels.data()), image.width, image.height, rowBytes(image.width),
                  QImage::Format_ARGB32);
}

QImage ViewRgbaImage(const RgbaImage& image) {
    if (image.empty() || image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        return {};
    return QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                  rowBytes(image.width), QImage::Format_ARGB32);
}

QImage AdoptRgbaImage(RgbaImage&& image) {
    if (image.empty() || image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        return {};
    auto owned = std::make_unique<RgbaImage>(std::move(image));
    uchar* bits = reinterpret_cast<uchar*>(owned->pixels.data());
    const int width = owned->width;
    const int height = owned->height;
    QImage wrapped(
        bits, width, height, rowBytes(width), QImage::Format_ARGB32,
        [](void* info) { delete static_cast<RgbaImage*>(info); }, owned.get());
    owned.release(); // the QImage's cleanup function owns it now
    return wrapped;
}

RgbaImage ToRgbaImage(const QImage& image) {
    RgbaImage result;
    if (image.isNull())
        return result;
    const QImage argb = image.format() == QImage::Format_ARGB32 ? image : image.convertToFormat(QImage::Format_ARGB32);
    result.width = argb.width();
    result.height = argb.height();
    result.pixels.resize(static_cast<std::size_t>(result.width) * result.height);
    for (int y = 0; y < result.height; ++y)
        std::memcpy(&result.pixel(0, y), argb.constScanLine(y), static_cast<std::size_t>(rowBytes(result.width)));
    return result;
}

void PrepareArgbTarget(QImage& target, int width, int height) {
    if (target.isNull() || target.width() != width || target.height() != height ||
        target.format() != QImage::Format_ARGB32)
        target = QImage(width, height, QImage::Format_ARGB32);
    target.fill(Qt::transparent);
}

} // namespace vantora
