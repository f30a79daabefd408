// The small pictures of the log lines and the drive list, painted once at 16 x 16 pixels.
#include "discburn/discora_form.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <map>

namespace discora {

namespace {

constexpr int Size = 16;

QPixmap blank() {
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap folderPicture() {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0x9a, 0x74, 0x1a));
    p.setBrush(QColor(0xf2, 0xc9, 0x4c));
    QPainterPath path;
    path.moveTo(1.5, 3.5);
    path.lineTo(6.5, 3.5);
    path.lineTo(8.0, 5.0);
    path.lineTo(14.5, 5.0);
    path.lineTo(14.5, 13.5);
    path.lineTo(1.5, 13.5);
    path.closeSubpath();
    p.drawPath(path);
    p.setBrush(QColor(0xf8, 0xdc, 0x7a));
    p.drawRect(QRectF(1.5, 6.5, 13.0, 7.0));
    return pixmap;
}

QPixmap filePicture() {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0x70, 0x78, 0x88));
    p.setBrush(Qt::white);
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(10.0, 1.5);
    page.lineTo(13.5, 5.0);
    page.lineTo(13.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    p.drawPath(page);
    p.drawPolyline(QPolygonF({QPointF(10.0, 1.5), QPointF(10.0, 5.0), QPointF(13.5, 5.0)}));
    p.setPen(QColor(0xa8, 0xb4, 0xc8));
    for (int y = 7; y <= 12; y += 2)
        p.drawLine(QPointF(5.5, y + 0.5), QPointF(11.5, y + 0.5));
    return pixmap;
}

QPixmap roundBadge(const QColor& fill, const std::function<void(QPainter&)>& mark) {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(fill.darker(130));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1.5, 1.5, 13.0, 13.0));
    QPen pen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    mark(p);
    return pixmap;
}

QPixmap progressPicture() {
    return roundBadge(QColor(0x2f, 0x7d, 0xd1), [](QPainter& p) {
        p.drawPolyline(QPolygonF({QPointF(5.0, 8.0), QPointF(11.0, 8.0)}));
        p.drawPolyline(QPolygonF({QPointF(8.5, 5.5), QPointF(11.0, 8.0), QPointF(8.5, 10.5)}));
    });
}

QPixmap errorPicture() {
    return roundBadge(QColor(0xd6, 0x3a, 0x32), [](QPainter& p) {
        p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
        p.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
    });
}

QPixmap successPicture() {
    return roundBadge(QColor(0x2e, 0x9e, 0x4f), [](QPainter& p) {
        p.drawPolyline(QPolygonF({QPointF(4.8, 8.2), QPointF(7.2, 10.6), QPointF(11.2, 5.6)}));
    });
}

QPixmap discPicture() {
    QPixmap pixmap = blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shine(QPointF(6.0, 5.0), 9.0);
    shine.setColorAt(0.0, QColor(0xf4, 0xf6, 0xfa));
    shine.setColorAt(1.0, QColor(0xa9, 0xb6, 0xc8));
    p.setPen(QColor(0x6d, 0x78, 0x88));
    p.setBrush(shine);
    p.drawEllipse(QRectF(1.0, 1.0, 14.0, 14.0));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(6.0, 6.0, 4.0, 4.0));
    return pixmap;
}

} // namespace

QIcon logIcon(int icon) {
    static std::map<int, QIcon> cache;
    auto found = cache.find(icon);
    if (found != cache.end())
        return found->second;
    QPixmap picture;
    switch (icon) {
    case log_icon::Folder: picture = folderPicture(); break;
    case log_icon::File: picture = filePicture(); break;
    case log_icon::Progress: picture = progressPicture(); break;
    case log_icon::Error: picture = errorPicture(); break;
    case log_icon::Success: picture = successPicture(); break;
    default: picture = blank(); break;
    }
    return cache.emplace(icon, QIcon(picture)).first->second;
}

QIcon driveIcon() {
    static const QIcon icon(discPicture());
    return icon;
}

} // namespace discora
