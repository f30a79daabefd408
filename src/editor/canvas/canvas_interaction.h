#pragma once
// The mouse and keyboard behaviour of the canvas, free of widget code: the tool, the drag mode,
// the grabbed handle, the rubber band and the just-created mark. It reads the current scene and
// selection of the document and changes the model only through the document's commands; all
// changes of one mouse drag share one drag key and so become one undo step.

#include "editor/canvas/canvas_geometry.h"
#include "model/object_kind.h"

#include <QPoint>
#include <QRect>

#include <optional>

namespace vantora {

class EditorDocument;
struct TDemoFrame;

namespace canvas {

enum class DragMode : int { Idle = -1, RubberBand = 0, PressedUnselected = 1, MovingSelected = 2 };

// What the mouse cursor shows over a point while no button is down.
enum class HoverShape { Arrow, Move, SizeNwSe, SizeNs, SizeNeSw, SizeWe, PointerTip };

class CanvasInteraction {
public:
    explicit CanvasInteraction(EditorDocument& document);

    // The pressed tool: nothing for select, else the kind a press adds.
    std::optional<TObjectKind> tool() const { return tool_; }
    void setTool(std::optional<TObjectKind> tool) { tool_ = tool; }

    const GridSettings& grid() const { return grid_; }
    void setGrid(const GridSettings& grid) { grid_ = grid; }

    // Left button down at a scene point. True when the press added an object (the select tool is
    // pressed again then, and the caller updates the tool buttons).
    bool press(QPoint point, bool ctrl);
    // The mouse moved to a scene point with the left button down.
    void drag(QPoint point);
    // The left button went up at a scene point.
    void release(QPoint point, bool ctrl);

    // Arrow keys: moves the selected objects by (dx, dy). A key held down (auto-repeat) continues
    // the same undo step; a fresh press starts a new one.
    void nudge(int dx, int dy, bool autoRepeat);

    // The cursor shape over a point while idle: the topmost object under it decides.
    HoverShape hoverShape(QPoint point) const;

    DragMode dragMode() const { return mode_; }
    int handle() const { return handle_; }
    // The band rectangle while a rubber band is dragged (normalised, both corners inside).
    std::optional<QRect> rubberBand() const { return band_; }

private:
    TDemoFrame* scene() const;
    void moveBy(int dx, int dy, bool resize);
    void dragPointer(QPoint point);
    void selectOnRelease(QPoint point, bool ctrl);

    EditorDocument& document_;
    std::optional<TObjectKind> tool_;
    GridSettings grid_;
    DragMode mode_ = DragMode::Idle;
    int handle_ = kNoHandle;
    QPoint anchor_;
    QPoint pressPoint_;
    bool moved_ = false;
    bool justCreated_ = false;
    std::optional<QRect> band_;
    int dragKey_ = 0;
    int nudgeKey_ = 0;
};

} // namespace canvas
} // namespace vantora
