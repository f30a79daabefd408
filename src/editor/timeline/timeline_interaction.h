#pragma once
// The mouse behaviour of the timeline grid, free of widget code: a press grabs a bar body, a bar
// edge or the scene end and selects the grabbed object alone; dragging applies whole timeline
// units through the document. Every report of one drag shares one drag key, so a drag is one
// undo step.

#include "editor/timeline/timeline_geometry.h"

#include <QPoint>

namespace vantora {

class EditorDocument;

namespace timeline {

// What the mouse cursor shows over the grid while no button is down.
enum class GridHover { Arrow, SizeHorizontal, Hand };

class TimelineInteraction {
public:
    explicit TimelineInteraction(EditorDocument& document);

    int unitWidth() const { return unitWidth_; }
    void setUnitWidth(int unitWidth);

    // The left button went down at a grid point: returns what was grabbed. The grabbed object
    // becomes the only selected one; nothing is selected when no bar was hit.
    GridHit press(QPoint point);
    // The mouse moved to x with the left button down.
    void drag(int x);
    void release();
    // Ends a drag whose scene went away or changed wholesale (no further edits).
    void cancel();

    GridHover hover(QPoint point) const;

    GrabPart grabbed() const { return grab_.part; }
    TDemoObject* grabbedObject() const { return grab_.object; }

private:
    TDemoFrame* scene() const;
    bool grabStillValid() const;
    void applySteps(TDemoFrame& scene, int steps);

    EditorDocument& document_;
    int unitWidth_ = kDefaultUnitWidth;
    GridHit grab_;
    const TDemoFrame* grabScene_ = nullptr;
    int lastX_ = 0;
    int dragKey_ = 0;
};

} // namespace timeline
} // namespace vantora
