#include "screen_grab.h"

#include "capture_area.h"
#include "picture/jpeg_codec.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstring>

namespace vantora::grabbit {
namespace {

constexpr std::int32_t kLeftButtonValue = 1;

RgbaImage toRgba(const QImage& grabbed) {
    const QImage image = grabbed.convertToFormat(QImage::Format_RGB32);
    RgbaImage rgba;
    rgba.width = image.width();
    rgba.height = image.height();
    rgba.pixels.resize(static_cast<std::size_t>(rgba.width) * static_cast<std::size_t>(rgba.height));
    for (int y = 0; y < rgba.height; ++y)
        std::memcpy(&rgba.pixel(0, y), image.constScanLine(y), static_cast<std::size_t>(rgba.width) * 4);
    return rgba;
}

std::int32_t modifierBits() {
    const Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
    return (held.testFlag(Qt::ShiftModifier) ? 1 : 0) | (held.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (held.testFlag(Qt::AltModifier) ? 4 : 0);
}

// The screen in device pixels, or the region at its size, encoded; `grabbed` keeps the picture
// for its size and scale.
std::optional<TScreenShot> grabEncoded(const std::optional<ShotRegion>& region, QImage& grabbed, QString& error) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        error = QStringLiteral("There is no screen to take a shot of.");
        return std::nullopt;
    }
    if (region) {
        const QRect on = region->area.translated(-screen->geometry().topLeft());
        grabbed = screen->grabWindow(0, on.x(), on.y(), on.width(), on.height()).toImage();
        // Parts of the area beyond the screen's edge come out black, at the region's size.
        if (!grabbed.isNull() && grabbed.size() != region->size)
            grabbed = grabbed.scaled(region->size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else {
        grabbed = screen->grabWindow(0).toImage();
    }
    if (grabbed.isNull()) {
        error = QStringLiteral("The screen could not be read.");
        return std::nullopt;
    }
    std::string encodeError;
    TScreenShot shot;
    shot.Jpeg = encodeJpeg(toRgba(grabbed), kShotJpegQuality, &encodeError);
    if (shot.Jpeg.empty()) {
        error = QStringLiteral("The screen shot could not be stored as JPEG: %1").arg(QString::fromStdString(encodeError));
        return std::nullopt;
    }
    return shot;
}

} // namespace

std::optional<TScreenShot> GrabScreenPicture(const std::optional<ShotRegion>& region, QString& error) {
    QImage grabbed;
    return grabEncoded(region, grabbed, error);
}

std::optional<GrabbedClick> GrabScreenShot(QPoint click, const std::optional<ShotRegion>& region,
                                           std::int32_t elapsedMs, QString& error) {
    QImage grabbed;
    std::optional<TScreenShot> shot = grabEncoded(region, grabbed, error);
    if (!shot)
        return std::nullopt;
    // The grab is in device pixels; the click is in the screen's logical coordinates.
    QPoint at;
    if (region) {
        at = ShotPoint(click, region->area, region->size).value_or(QPoint(0, 0));
    } else {
        const qreal scale = grabbed.devicePixelRatio();
        const QPoint onScreen = click - QGuiApplication::primaryScreen()->geometry().topLeft();
        at = QPoint(int(onScreen.x() * scale), int(onScreen.y() * scale));
    }
    TShotEvent event;
    event.Kind = static_cast<std::int32_t>(TShotEventKind::Click);
    event.Value = kLeftButtonValue;
    event.X = at.x();
    event.Y = at.y();
    event.Extra = {grabbed.width(), grabbed.height(), elapsedMs, modifierBits(), region ? 0 : kFullScreenMark, 0};
    return GrabbedClick{std::move(*shot), std::move(event)};
}

} // namespace vantora::grabbit
