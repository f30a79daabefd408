#include "desktop/app_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vantora {

QImage DrawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    // A rounded tile: a blue screen.
    QLinearGradient screen(0, 0, 0, 64);
    screen.setColorAt(0, QColor(52, 140, 226));
    screen.setColorAt(1, QColor(22, 74, 150));
    p.setPen(QPen(QColor(14, 46, 96), 1.5));
    p.setBrush(screen);
    p.drawRoundedRect(QRectF(3, 3, 58, 58), 12, 12);

    // A white speech balloon with a play mark: a demo that talks and plays.
    QPainterPath balloon;
    balloon.addRoundedRect(QRectF(10, 11, 44, 30), 8, 8);
    QPainterPath tail;
    tail.moveTo(18, 38);
    tail.lineTo(14, 50);
    tail.lineTo(28, 39);
    tail.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(balloon.united(tail));
    p.setBrush(QColor(236, 150, 30));
    p.drawPolygon(QPolygonF{{27, 17}, {42, 26}, {27, 35}});

    // The mouse pointer that walks through the tour.
    const QPolygonF arrow{{40, 34}, {40, 58}, {45.5, 52.5}, {49.5, 61}, {53.5, 59}, {49.5, 50.5}, {57, 50.5}};
    p.setPen(QPen(QColor(20, 20, 20), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(arrow);
    return image;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : kAppIconSizes)
        icon.addPixmap(QPixmap::fromImage(DrawAppIcon(size)));
    return icon;
}

} // namespace vantora
