#include "render/note_decorations.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vantora {
namespace {

// Four binder rings: a punched hole in the page and a chrome loop rising out of it over the edge.
QImage drawBind() {
    QImage image(kBindWidth, kBindHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    constexpr int kRings = 4;
    constexpr qreal kPitch = 14.0;
    const qreal first = (kBindWidth - kPitch * (kRings - 1)) / 2.0;
    for (int i = 0; i < kRings; ++i) {
        const qreal cx = first + i * kPitch;
        // The hole: a dark punched oval with a light lower lip.
        p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
        p.setBrush(QColor(40, 40, 48));
        p.drawEllipse(QRectF(cx - 3.5, 27.0, 7.0, 5.0));
        // The loop: a thick chrome stroke, dark rim first, then the metal with a highlight.
        QPainterPath loop;
        loop.moveTo(cx - 1.0, 29.5);
        loop.cubicTo(cx - 6.5, 22.0, cx - 6.5, 3.0, cx + 0.5, 2.5);
        loop.cubicTo(cx + 5.5, 2.5, cx + 5.0, 12.0, cx + 3.0, 16.0);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(60, 62, 70), 4.6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(loop);
        QLinearGradient metal(cx - 5, 0, cx + 5, 0);
        metal.setColorAt(0.0, QColor(150, 154, 162));
        metal.setColorAt(0.45, QColor(242, 244, 248));
        metal.setColorAt(1.0, QColor(120, 124, 132));
        p.setPen(QPen(QBrush(metal), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(loop);
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// A strip of translucent tape laid slightly askew, with torn, zig-zag ends.
QImage drawPad() {
    QImage image(kPadWidth, kPadHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(kPadWidth / 2.0, kPadHeight / 2.0 + 4);
    p.rotate(-4);
    constexpr qreal kHalfLength = 31, kHalfWidth = 10;
    QPainterPath strip;
    strip.moveTo(-kHalfLength, -kHalfWidth);
    strip.lineTo(kHalfLength, -kHalfWidth);
    for (int i = 0; i <= 8; ++i) // torn right end
        strip.lineTo(kHalfLength + ((i % 2) ? -2.0 : 0.5), -kHalfWidth + i * 2.5);
    strip.lineTo(-kHalfLength, kHalfWidth);
    for (int i = 8; i >= 0; --i) // torn left end
        strip.lineTo(-kHalfLength + ((i % 2) ? 2.0 : -0.5), -kHalfWidth + i * 2.5);
    strip.closeSubpath();
    // Soft shadow under the tape.
    p.save();
    p.translate(1.0, 1.5);
    p.fillPath(strip, QColor(0, 0, 0, 40));
    p.restore();
    QLinearGradient sheen(0, -kHalfWidth, 0, kHalfWidth);
    sheen.setColorAt(0.0, QColor(255, 252, 225, 215));
    sheen.setColorAt(0.5, QColor(246, 238, 196, 190));
    sheen.setColorAt(1.0, QColor(232, 222, 176, 205));
    p.fillPath(strip, sheen);
    p.setPen(QPen(QColor(190, 176, 120, 160), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(strip);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QImage NoteDecoration(TNoteGraphic graphic) {
    static const QImage bind = drawBind();
    static const QImage pad = drawPad();
    switch (graphic) {
    case TNoteGraphic::Bind: return bind;
    case TNoteGraphic::Pad: return pad;
    default: return {};
    }
}

} // namespace vantora
