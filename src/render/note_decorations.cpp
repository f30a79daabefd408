#include "render/note_decorations.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vantora {
namespace {

// Four wire rings of a bound pad: each arches over the top edge, goes down into a punched hole
// in the page on one side and disappears behind the page on the other.
QImage drawBind() {
    QImage image(kBindWidth, kBindHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    constexpr int kRings = 4;
    constexpr qreal kPitch = 12.0;
    constexpr qreal kHoleY = 29.0;
    const qreal first = (kBindWidth - kPitch * (kRings - 1)) / 2.0;
    const QRectF hole(-3.2, kHoleY - 2.4, 6.4, 4.8);
    for (int i = 0; i < kRings; ++i) {
        const qreal cx = first + i * kPitch;
        const qreal legLeft = cx - 3.0, legRight = cx + 3.0;
        // The hole, with a light lip along its lower edge.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 30, 38));
        p.drawEllipse(hole.translated(legLeft, 0));
        QPainterPath ring;
        ring.moveTo(legLeft, kHoleY);
        ring.lineTo(legLeft, 7.0);
        ring.arcTo(QRectF(legLeft, 4.0, legRight - legLeft, 6.0), 180, -180);
        ring.lineTo(legRight, 22.0);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(50, 52, 60), 3.6, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.drawPath(ring);
        QLinearGradient metal(legLeft - 2, 0, legRight + 2, 0);
        metal.setColorAt(0.0, QColor(240, 242, 246));
        metal.setColorAt(0.5, QColor(170, 174, 182));
        metal.setColorAt(1.0, QColor(222, 226, 232));
        p.setPen(QPen(QBrush(metal), 1.8, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.drawPath(ring);
        // The wire vanishes into the hole: its lower half is drawn over the wire's end.
        p.save();
        p.setClipRect(QRectF(0, kHoleY, kBindWidth, kBindHeight - kHoleY));
        p.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
        p.setBrush(QColor(30, 30, 38));
        p.drawEllipse(hole.translated(legLeft, 0));
        p.restore();
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
