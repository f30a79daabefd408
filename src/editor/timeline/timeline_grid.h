#pragma once
// The grid widget of the timeline: one bar per object of the current scene, drawn by the grid
// painter at the grid's size (it sits in a scrolling pane). Mouse events go to the timeline
// interaction; Ctrl+wheel asks the view to zoom.

#include "editor/timeline/grid_painter.h"
#include "editor/timeline/timeline_interaction.h"

#include <QWidget>

#include <optional>

namespace vantora {

class EditorDocument;

namespace timeline {

class TimelineGrid : public QWidget {
    Q_OBJECT

public:
    explicit TimelineGrid(EditorDocument& document, QWidget* parent = nullptr);

    TimelineInteraction& interaction() { return interaction_; }
    TimelineGeometry geometry() const;

    int unitWidth() const { return interaction_.unitWidth(); }
    void setUnitWidth(int unitWidth);
    std::optional<int> playhead() const { return playhead_; }
    void setPlayhead(std::optional<int> unit);

    // The scene or its timing changed: take the new size and redraw.
    void refresh();

signals:
    // A press grabbed a bar (the window gives the object box the focus).
    void barPressed();
    // Ctrl+wheel over the grid at a widget x: zoom in (positive) or out (negative).
    void zoomRequested(int steps, int x);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void updateHoverCursor(QPoint point);

    EditorDocument& document_;
    TimelineInteraction interaction_;
    GridPainter painter_;
    std::optional<int> playhead_;
    bool dragging_ = false;
};

// How many zoom steps a wheel turn makes (one per notch, at least one).
int WheelZoomSteps(int angleDelta);

} // namespace timeline
} // namespace vantora
