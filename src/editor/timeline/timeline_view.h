#pragma once
// The "TimeLine" pane: the ruler above a scrolling grid of bars for the current scene. It keeps
// ruler and grid in line while the grid scrolls, redraws both when the document changes
// (edits, selection, scene, undo and redo), zooms with Ctrl+wheel and shows a playhead.

#include <QWidget>

#include <optional>

class QScrollArea;

namespace vantora {

class EditorDocument;

namespace timeline {

class TimelineGrid;
class TimelineRuler;

class TimelineView : public QWidget {
    Q_OBJECT

public:
    explicit TimelineView(EditorDocument& document, QWidget* parent = nullptr);

    TimelineGrid& grid() { return *grid_; }
    TimelineRuler& ruler() { return *ruler_; }
    QScrollArea& gridArea() { return *gridArea_; }

    // Pixels per timeline unit (9 unless zoomed), within kMinUnitWidth..kMaxUnitWidth.
    int unitWidth() const;
    void setUnitWidth(int unitWidth);
    // Zooms by ladder steps keeping the time under the viewport x where it is.
    void zoomBy(int steps, int viewportX);

    // The unit of the frame the canvas or preview shows; nothing hides the line.
    std::optional<int> playhead() const { return playhead_; }
    void setPlayhead(std::optional<int> unit);
    // Scrolls the grid, when needed, so that the unit's line lies inside the visible part.
    void scrollToUnit(int unit);

signals:
    // A press grabbed a bar (the window gives the object box the focus).
    void barPressed();

private:
    void refresh();
    void restart();
    int scrollOffset() const;

    EditorDocument& document_;
    TimelineRuler* ruler_;
    QScrollArea* gridArea_;
    TimelineGrid* grid_;
    std::optional<int> playhead_;
};

} // namespace timeline
} // namespace vantora
