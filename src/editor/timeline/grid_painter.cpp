#include "editor/timeline/grid_painter.h"

#include "editor/main_window/tool_bar_icons.h"
#include "editor/timeline/timeline_colours.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace vantora::timeline {
namespace {

constexpr int kIconSize = 16;

} // namespace

QString BarLabel(const TDemoObject& object) {
    QString label = QString::fromStdString(object.Name);
    if (object.Kind == TObjectKind::Cursor)
        label += QLatin1String(GridPainter::kCursorSuffix);
    return label;
}

const QPixmap& GridPainter::kindIcon(TObjectKind kind) {
    auto found = icons_.find(kind);
    if (found == icons_.end())
        found = icons_.emplace(kind, ObjectKindIcon(kind).pixmap(kIconSize, kIconSize)).first;
    return found->second;
}

void GridPainter::paint(QPainter& painter, const TDemoFrame* scene, const TimelineGeometry& geometry,
                        const IsSelected& isSelected, std::optional<int> playhead, const QRect& exposed) {
    // Without a scene there is no grid: what lies under it shows through.
    if (!scene)
        return;
    painter.fillRect(exposed, Qt::white);
    paintLines(painter, geometry, exposed);
    const int height = geometry.gridSize().height();
    for (const auto& object : scene->Objects) {
        if (!object)
            continue;
        const QRect bar = geometry.barRect(*object);
        if (bar.isValid() && bar.intersects(exposed))
            paintBar(painter, *object, bar, isSelected && isSelected(object.get()));
    }
    painter.setPen(kStopPointColour);
    for (const std::int32_t stopPoint : scene->StopPoints) {
        const int x = StopPointX(stopPoint, geometry.unitWidth());
        if (x >= exposed.left() && x <= exposed.right())
            painter.drawLine(x, 0, x, height - 1);
    }
    if (playhead) {
        const int x = UnitX(*playhead, geometry.unitWidth());
        painter.setPen(kPlayheadColour);
        painter.drawLine(x, 0, x, height - 1);
    }
}

void GridPainter::paintLines(QPainter& painter, const TimelineGeometry& geometry, const QRect& exposed) {
    const int unit = geometry.unitWidth();
    const std::int32_t extent = geometry.extent();
    const int endX = geometry.sceneEndX();
    const int bottom = geometry.rowsBottom();
    // Only the unit lines inside the exposed columns.
    const std::int64_t first = std::max<std::int64_t>(0, exposed.left() / unit);
    const std::int64_t last = std::min<std::int64_t>(extent, exposed.right() / unit + 1);
    for (std::int64_t a = first; a <= last; ++a) {
        const int x = UnitX(a, unit);
        painter.setPen(a % 5 == 0 ? kDarkColour : kFaceColour);
        painter.drawLine(x, 0, x, bottom - 1);
    }
    painter.setPen(kFaceColour);
    const int rowFirst = std::max(0, exposed.top() / kRowHeight);
    const int rowLast = std::min(geometry.rowCount(), exposed.bottom() / kRowHeight + 1);
    for (int r = rowFirst; r <= rowLast; ++r)
        if (endX > 0)
            painter.drawLine(0, r * kRowHeight, endX - 1, r * kRowHeight);
    // The bottom edge of the rows, the scene end and its three-line handle.
    painter.setPen(kDarkColour);
    painter.drawLine(0, bottom, endX, bottom);
    for (const int dx : {0, 2, 3, 4})
        painter.drawLine(endX + dx, 0, endX + dx, bottom - 1);
}

void GridPainter::paintBar(QPainter& painter, const TDemoObject& object, const QRect& bar, bool selected) {
    painter.save();
    painter.setPen(selected ? kSelectedBarColour : kDarkColour);
    painter.setBrush(selected ? kSelectedBarColour : kFaceColour);
    painter.drawRect(bar.adjusted(0, 0, -1, -1)); // a pen rectangle covers one more pixel
    painter.setClipRect(bar);
    painter.drawPixmap(bar.left() + 4, bar.top() + 1, kindIcon(object.Kind));

    QFont font = painter.font();
    font.setBold(selected);
    painter.setFont(font);
    painter.setPen(selected ? Qt::white : Qt::black);
    // The name's room: from 21 pixels in to 3 pixels before the bar's end.
    painter.setClipRect(QRect(QPoint(bar.left() + 21, bar.top() + 1), QPoint(bar.right() - 3, bar.bottom() - 1)));
    painter.drawText(bar.left() + 22, bar.top() + 2 + QFontMetrics(font).ascent(), BarLabel(object));
    painter.restore();
}

} // namespace vantora::timeline
