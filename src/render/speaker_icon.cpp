#include "render/speaker_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vantora {
namespace {

QImage drawSpeaker() {
    QImage image(kSpeakerIconSize, kSpeakerIconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Cone and magnet as one outline, shaded from light top to darker bottom.
    QPainterPath body;
    body.moveTo(3.5, 12.5);
    body.lineTo(9.5, 12.5);
    body.lineTo(17.0, 5.5);
    body.lineTo(17.0, 26.5);
    body.lineTo(9.5, 19.5);
    body.lineTo(3.5, 19.5);
    body.closeSubpath();
    QLinearGradient metal(0, 5, 0, 27);
    metal.setColorAt(0.0, QColor(196, 202, 212));
    metal.setColorAt(0.5, QColor(132, 140, 154));
    metal.setColorAt(1.0, QColor(84, 90, 102));
    p.setPen(QPen(QColor(38, 42, 50), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(metal);
    p.drawPath(body);
    // Where the magnet meets the cone.
    p.setPen(QPen(QColor(38, 42, 50, 180), 1.0));
    p.drawLine(QPointF(9.5, 12.8), QPointF(9.5, 19.2));
    // Sound waves: three arcs, fading outward.
    p.setBrush(Qt::NoBrush);
    const QColor wave(30, 110, 210);
    for (int i = 0; i < 3; ++i) {
        const qreal r = 4.5 + i * 3.5;
        QColor c = wave;
        c.setAlpha(255 - i * 55);
        p.setPen(QPen(c, 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(17.5 - r, 16.0 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QImage SpeakerIcon() {
    static const QImage icon = drawSpeaker();
    return icon;
}

} // namespace vantora
