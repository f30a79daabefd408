#include "editor/timeline/ruler_painter.h"

#include "editor/timeline/timeline_colours.h"
#include "editor/timeline/timeline_geometry.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>

namespace vantora::timeline {
namespace {

void PaintFace(QPainter& painter, QSize size) {
    const int width = size.width();
    const int height = size.height();
    painter.setPen(kDarkColour);
    painter.setBrush(kFaceColour);
    painter.drawRect(0, 0, width - 1, height - 1);
    painter.setPen(Qt::white);
    painter.drawLine(1, 1, width - 2, 1);
    for (int i = 0; i < 3; ++i) {
        painter.setPen(kShadeColours[i]);
        painter.drawLine(1, height - 4 + i, width - 2, height - 4 + i);
    }
}

void PaintTicks(QPainter& painter, const RulerPicture& ruler) {
    const int height = ruler.size.height();
    const int unit = ruler.unitWidth;
    const QFontMetrics metrics(painter.font());
    // Ticks from the first visible one: a far-scrolled grid must not cost a loop over its width.
    const std::int64_t first = std::max<std::int64_t>(1, -std::int64_t(ruler.offset) / unit);
    const std::int64_t last = (std::int64_t(ruler.size.width()) - ruler.offset) / unit;
    for (std::int64_t i = first; i <= last; ++i) {
        const int x = int(i * unit + ruler.offset);
        painter.setPen(i % 5 == 0 ? QColor(Qt::black) : kDarkColour);
        painter.drawLine(x, height - 3, x, height - 6);
        painter.drawLine(x, 2, x, 5);
        if (i % 10 == 0) {
            const QString label = RulerLabel(i);
            painter.setPen(Qt::black);
            painter.drawText(x - metrics.horizontalAdvance(label) / 2, 5 + metrics.ascent(), label);
        }
    }
}

} // namespace

QString RulerLabel(std::int64_t tick) { return QString::number(tick / 10) + QLatin1Char('s'); }

void PaintRuler(QPainter& painter, const RulerPicture& ruler) {
    if (ruler.size.isEmpty() || ruler.unitWidth <= 0)
        return;
    PaintFace(painter, ruler.size);
    PaintTicks(painter, ruler);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kStopPointColour);
    for (const std::int32_t stopPoint : ruler.stopPoints) {
        const QRect mark = RulerStopPointRect(stopPoint, ruler.offset, ruler.unitWidth, ruler.size.height());
        if (mark.right() >= 0 && mark.left() < ruler.size.width())
            painter.drawRect(mark);
    }
    if (ruler.playhead) {
        const int x = UnitX(*ruler.playhead, ruler.unitWidth) + ruler.offset;
        painter.setPen(kPlayheadColour);
        painter.drawLine(x, 0, x, ruler.size.height() - 1);
    }
}

} // namespace vantora::timeline
