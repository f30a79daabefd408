#pragma once
// The ruler widget above the timeline grid: seconds, the scene's stop points and the playhead,
// drawn with the grid's scroll offset. Double-clicks add and remove stop points, left drags move
// them.

#include "editor/timeline/ruler_interaction.h"

#include <QWidget>

#include <optional>

namespace vantora {

class EditorDocument;

namespace timeline {

class TimelineRuler : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 26;

    explicit TimelineRuler(EditorDocument& document, QWidget* parent = nullptr);

    RulerInteraction& interaction() { return interaction_; }

    int unitWidth() const { return interaction_.unitWidth(); }
    void setUnitWidth(int unitWidth);
    // The grid's horizontal scroll offset (zero or negative).
    int offset() const { return interaction_.offset(); }
    void setOffset(int offset);
    void setPlayhead(std::optional<int> unit);

signals:
    void zoomRequested(int steps, int x);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void updateHoverCursor(int x);

    EditorDocument& document_;
    RulerInteraction interaction_;
    std::optional<int> playhead_;
    bool dragging_ = false;
};

} // namespace timeline
} // namespace vantora
