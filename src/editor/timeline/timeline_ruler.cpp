#include "editor/timeline/timeline_ruler.h"

#include "editor/document/editor_document.h"
#include "editor/timeline/ruler_painter.h"
#include "editor/timeline/timeline_grid.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace vantora::timeline {

TimelineRuler::TimelineRuler(EditorDocument& document, QWidget* parent)
    : QWidget(parent), document_(document), interaction_(document) {
    setObjectName(QStringLiteral("TimelineRuler"));
    setToolTip(QStringLiteral("Double Click to Add or Delete Scene Pause"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedHeight(kHeight);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void TimelineRuler::setUnitWidth(int unitWidth) {
    interaction_.setUnitWidth(unitWidth);
    update();
}

void TimelineRuler::setOffset(int offset) {
    if (offset == interaction_.offset())
        return;
    interaction_.setOffset(offset);
    update();
}

void TimelineRuler::setPlayhead(std::optional<int> unit) {
    if (playhead_ == unit)
        return;
    playhead_ = unit;
    update();
}

void TimelineRuler::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    RulerPicture picture{size(), offset(), unitWidth(), {}, playhead_};
    if (const TDemoFrame* scene = document_.currentScene())
        picture.stopPoints = scene->StopPoints;
    PaintRuler(painter, picture);
}

void TimelineRuler::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = true;
    interaction_.press(event->position().toPoint().x());
}

void TimelineRuler::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = false;
    interaction_.doubleClick(event->position().toPoint().x());
}

void TimelineRuler::mouseMoveEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    if (dragging_ && (event->buttons() & Qt::LeftButton))
        interaction_.drag(x);
    else
        updateHoverCursor(x);
}

void TimelineRuler::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = false;
    interaction_.release();
    updateHoverCursor(event->position().toPoint().x());
}

void TimelineRuler::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    if (const int steps = WheelZoomSteps(event->angleDelta().y()))
        emit zoomRequested(steps, event->position().toPoint().x());
    event->accept();
}

void TimelineRuler::updateHoverCursor(int x) {
    if (interaction_.overStopPoint(x))
        setCursor(Qt::SizeHorCursor);
    else
        unsetCursor();
}

} // namespace vantora::timeline
