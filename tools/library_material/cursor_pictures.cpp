#include "library_material/cursor_pictures.h"

#include "library_material/png_bytes.h"
#include "model/enum_names.h"
#include "render/builtin_cursors.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>
#include <string>

namespace vantora::material {
namespace {

constexpr int kSize = kCursorPictureSize;

// The classic pointer outline with its tip at (1, 1), scaled by `scale`.
QPainterPath pointerPath(double scale) {
    QPainterPath path;
    const QPointF points[] = {{1, 1}, {1, 22}, {6, 17}, {10, 26}, {14, 24}, {10, 16}, {17, 16}};
    path.moveTo(points[0] * scale);
    for (const QPointF& p : points)
        path.lineTo(p * scale);
    path.closeSubpath();
    return path;
}

QImage colouredPointer(QColor fill, QColor edge) {
    QImage canvas = TransparentCanvas(kSize, kSize);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0.5, 0.5);
    painter.setPen(QPen(edge, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(pointerPath(1.0));
    return canvas;
}

// A pointer with a soft yellow halo round its tip, the way tutorials make the mouse easy to
// follow. The pointer sits inward so that the whole halo fits.
QImage haloPointer() {
    QImage canvas = TransparentCanvas(kSize, kSize);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF tip(8.5, 8.5);
    QRadialGradient halo(tip, 8);
    halo.setColorAt(0, QColor(255, 220, 0, 230));
    halo.setColorAt(0.6, QColor(255, 220, 0, 150));
    halo.setColorAt(1, QColor(255, 220, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(tip, 8, 8);
    painter.translate(tip - QPointF(0.8, 0.8));
    painter.scale(0.8, 0.8);
    painter.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(pointerPath(1.0));
    return canvas;
}

// A closed hand, as when something is being dragged.
QImage grabHand() {
    QImage canvas = TransparentCanvas(kSize, kSize);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(7.5, 13.5, 17, 13), 5, 5); // palm
    for (int finger = 0; finger < 4; ++finger)
        painter.drawRoundedRect(QRectF(8.5 + finger * 4, 9.5, 4, 7), 2, 2);
    painter.drawRoundedRect(QRectF(4.5, 15.5, 6, 4), 2, 2); // thumb
    return canvas;
}

// A magnifying glass with a plus sign.
QImage zoomGlass() {
    QImage canvas = TransparentCanvas(kSize, kSize);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(19, 19), QPointF(28, 28));
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(220, 240, 255, 230));
    painter.drawEllipse(QPointF(12, 12), 9, 9);
    painter.setPen(QPen(QColor(0, 90, 200), 2));
    painter.drawLine(QPointF(8, 12), QPointF(16, 12));
    painter.drawLine(QPointF(12, 8), QPointF(12, 16));
    return canvas;
}

// A pen whose tip is the hot spot at the bottom left.
QImage pen() {
    QImage canvas = TransparentCanvas(kSize, kSize);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(2, 30);
    painter.rotate(-45);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(QColor(255, 200, 40));
    painter.drawRect(QRectF(7, -3, 26, 6));
    painter.setBrush(QColor(240, 220, 180));
    const QPointF tip[] = {{0, 0}, {7, -3}, {7, 3}};
    painter.drawPolygon(tip, 3);
    painter.setBrush(QColor(230, 90, 110));
    painter.drawRect(QRectF(33, -3, 4, 6));
    return canvas;
}

// A ring of dots fading round, the busy sign of modern desktops.
QImage busyRing() {
    QImage canvas = TransparentCanvas(kSize, kSize);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    constexpr int kDots = 8;
    for (int i = 0; i < kDots; ++i) {
        const double angle = i * 2 * std::numbers::pi / kDots;
        const QPointF centre(16 + 10 * std::cos(angle), 16 + 10 * std::sin(angle));
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(QColor(20, 110, 220, 80 + 175 * i / (kDots - 1)));
        painter.drawEllipse(centre, 3.2, 3.2);
    }
    return canvas;
}

} // namespace

MaterialFiles CursorPictures() {
    MaterialFiles files;
    for (int type = 1; type <= 19; ++type) {
        const std::string name(NameOfCode(names::CursorType, type).value_or("Cursor"));
        files.push_back({std::filesystem::path("Cursors") / (name + ".png"), PngBytes(BuiltinCursor(TCursorType(type)))});
    }
    const std::pair<const char*, QImage> extras[] = {
        {"PointerWhite.png", colouredPointer(Qt::white, Qt::black)},
        {"PointerRed.png", colouredPointer(QColor(225, 30, 30), QColor(90, 0, 0))},
        {"PointerHalo.png", haloPointer()},
        {"HandGrab.png", grabHand()},
        {"ZoomIn.png", zoomGlass()},
        {"Pen.png", pen()},
        {"BusyRing.png", busyRing()},
    };
    for (const auto& [name, picture] : extras)
        files.push_back({std::filesystem::path("Cursors") / name, PngBytes(picture)});
    return files;
}

} // namespace vantora::material
