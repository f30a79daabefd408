#include "screen_grab.h"

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

// The screen in device pixels, encoded; `grabbed` keeps the picture for its size and scale.
std::optional<TScreenShot> grabEncoded(QImage& grabbed, QString& error) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        error = QStringLiteral("There is no screen to take a shot of.");
        return std::nullopt;
    }
    grabbed = screen->grabWindow(0).toImage();
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

std::optional<TScreenShot> GrabScreenPicture(QString& error) {
    QImage grabbed;
    return grabEncoded(grabbed, error);
}

std::optional<GrabbedClick> GrabScreenShot(QPoint click, std::int32_t elapsedMs, QString& error) {
    QImage grabbed;
    std::optional<TScreenShot> shot = grabEncoded(grabbed, error);
    if (!shot)
        return std::nullopt;
    // The grab is in device pixels; the click is in the screen's logical coordinates.
    const qreal scale = grabbed.devicePixelRatio();
    const QPoint onScreen = click - QGuiApplication::primaryScreen()->geometry().topLeft();
    TShotEvent event;
    event.Kind = static_cast<std::int32_t>(TShotEventKind::Click);
    event.Value = kLeftButtonValue;
    event.X = static_cast<std::int32_t>(onScreen.x() * scale);
    event.Y = static_cast<std::int32_t>(onScreen.y() * scale);
    event.Extra = {grabbed.width(), grabbed.height(), elapsedMs, modifierBits(), 0, 0};
    return GrabbedClick{std::move(*shot), std::move(event)};
}

} // namespace vantora::grabbit
