#include "editor/timeline/timeline_grid.h"

#include "editor/document/editor_document.h"
#include "editor/document/editor_selection.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

namespace vantora::timeline {

int WheelZoomSteps(int angleDelta) {
    constexpr int kNotch = 120;
    if (angleDelta == 0)
        return 0;
    const int steps = angleDelta / kNotch;
    if (steps != 0)
        return steps;
    return angleDelta > 0 ? 1 : -1; // fine-grained wheels: one step per turn report
}

TimelineGrid::TimelineGrid(EditorDocument& document, QWidget* parent)
    : QWidget(parent), document_(document), interaction_(document) {
    setObjectName(QStringLiteral("TimelineGrid"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    refresh();
}

TimelineGeometry TimelineGrid::geometry() const { return TimelineGeometry(document_.currentScene(), unitWidth()); }

void TimelineGrid::setUnitWidth(int unitWidth) {
    interaction_.setUnitWidth(unitWidth);
    refresh();
}

void TimelineGrid::setPlayhead(std::optional<int> unit) {
    if (playhead_ == unit)
        return;
    playhead_ = unit;
    update();
}

void TimelineGrid::refresh() {
    setFixedSize(geometry().gridSize());
    update();
}

void TimelineGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!document_.currentScene()) {
        // No grid: the widget paints itself opaque, so it shows the empty area round it.
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    const EditorSelection& selection = document_.selection();
    painter_.paint(
        painter, document_.currentScene(), geometry(),
        [&selection](const TDemoObject* object) { return selection.isSelected(object); }, playhead_, event->rect());
}

void TimelineGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = true;
    const GridHit hit = interaction_.press(event->position().toPoint());
    if (hit.object)
        emit barPressed();
}

void TimelineGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (dragging_ && (event->buttons() & Qt::LeftButton))
        interaction_.drag(point.x());
    else
        updateHoverCursor(point);
}

void TimelineGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = false;
    interaction_.release();
    updateHoverCursor(event->position().toPoint());
}

void TimelineGrid::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore(); // the scrolling pane scrolls
        return;
    }
    if (const int steps = WheelZoomSteps(event->angleDelta().y()))
        emit zoomRequested(steps, event->position().toPoint().x());
    event->accept();
}

void TimelineGrid::updateHoverCursor(QPoint point) {
    switch (interaction_.hover(point)) {
    case GridHover::SizeHorizontal: setCursor(Qt::SizeHorCursor); break;
    case GridHover::Hand: setCursor(Qt::PointingHandCursor); break;
    case GridHover::Arrow: unsetCursor(); break;
    }
}

} // namespace vantora::timeline
