#include "editor/timeline/timeline_view.h"

#include "editor/document/editor_document.h"
#include "editor/timeline/timeline_geometry.h"
#include "editor/timeline/timeline_grid.h"
#include "editor/timeline/timeline_ruler.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QUndoStack>
#include <QVBoxLayout>

namespace vantora::timeline {

TimelineView::TimelineView(EditorDocument& document, QWidget* parent) : QWidget(parent), document_(document) {
    setObjectName(QStringLiteral("Timeline"));
    ruler_ = new TimelineRuler(document, this);
    gridArea_ = new QScrollArea(this);
    gridArea_->setObjectName(QStringLiteral("TimelineGridArea"));
    gridArea_->setFrameShape(QFrame::NoFrame); // the grid starts at the ruler's left edge
    gridArea_->setWidgetResizable(false);
    gridArea_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    gridArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_ = new TimelineGrid(document);
    gridArea_->setWidget(grid_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ruler_);
    layout->addWidget(gridArea_, 1);

    connect(gridArea_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { ruler_->setOffset(scrollOffset()); });
    connect(grid_, &TimelineGrid::barPressed, this, &TimelineView::barPressed);
    connect(grid_, &TimelineGrid::zoomRequested, this,
            [this](int steps, int gridX) { zoomBy(steps, gridX + scrollOffset()); });
    connect(ruler_, &TimelineRuler::zoomRequested, this, &TimelineView::zoomBy);

    connect(&document_, &EditorDocument::modelChanged, this, &TimelineView::refresh);
    connect(&document_, &EditorDocument::selectionChanged, grid_, qOverload<>(&QWidget::update));
    connect(&document_, &EditorDocument::currentSceneChanged, this, &TimelineView::restart);
    connect(&document_, &EditorDocument::demoReset, this, &TimelineView::restart);
    connect(&document_.undoStack(), &QUndoStack::indexChanged, this, &TimelineView::refresh);
    refresh();
}

int TimelineView::scrollOffset() const { return -gridArea_->horizontalScrollBar()->value(); }

int TimelineView::unitWidth() const { return grid_->unitWidth(); }

void TimelineView::setUnitWidth(int unitWidth) {
    grid_->setUnitWidth(unitWidth);
    ruler_->setUnitWidth(grid_->unitWidth());
    ruler_->setOffset(scrollOffset());
}

void TimelineView::zoomBy(int steps, int viewportX) {
    const int oldUnit = unitWidth();
    const int newUnit = ZoomedUnitWidth(oldUnit, steps);
    if (newUnit == oldUnit)
        return;
    // The time under the mouse stays under the mouse.
    const double time = double(viewportX - scrollOffset()) / oldUnit;
    setUnitWidth(newUnit);
    gridArea_->horizontalScrollBar()->setValue(int(time * newUnit) - viewportX);
    ruler_->setOffset(scrollOffset());
}

void TimelineView::setPlayhead(std::optional<int> unit) {
    playhead_ = unit;
    grid_->setPlayhead(unit);
    ruler_->setPlayhead(unit);
}

void TimelineView::scrollToUnit(int unit) {
    QScrollBar* bar = gridArea_->horizontalScrollBar();
    const int x = UnitX(unit, unitWidth());
    const int visible = gridArea_->viewport()->width();
    if (x >= bar->value() && x < bar->value() + visible)
        return;
    // The line comes in a quarter of the way from the left, so that it can run on in view.
    bar->setValue(x - visible / 4);
}

void TimelineView::refresh() {
    grid_->refresh();
    ruler_->update();
}

void TimelineView::restart() {
    // A drag in progress belonged to the scene that went away.
    grid_->interaction().cancel();
    ruler_->interaction().release();
    refresh();
}

} // namespace vantora::timeline
