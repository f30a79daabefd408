#include "preview/speed_button_glyphs.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace vantora {

QIcon SpeedButtonIcon(SpeedGlyph glyph, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    const double s = size;
    switch (glyph) {
    case SpeedGlyph::Play:
        p.drawPolygon(QPolygonF({QPointF(s * 0.25, s * 0.15), QPointF(s * 0.85, s * 0.5), QPointF(s * 0.25, s * 0.85)}));
        break;
    case SpeedGlyph::Pause:
        p.drawRect(QRectF(s * 0.2, s * 0.15, s * 0.22, s * 0.7));
        p.drawRect(QRectF(s * 0.58, s * 0.15, s * 0.22, s * 0.7));
        break;
    case SpeedGlyph::Stop: p.drawRect(QRectF(s * 0.2, s * 0.2, s * 0.6, s * 0.6)); break;
    }
    return QIcon(pixmap);
}

} // namespace vantora
