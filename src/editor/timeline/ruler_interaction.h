#pragma once
// The mouse behaviour of the timeline ruler, free of widget code: a double-click adds a stop
// point under the mouse or removes the one there, and a left drag moves the stop point the press
// grabbed (one undo step per drag). Positions are taken with the grid's scroll offset.

#include <cstddef>
#include <optional>

namespace vantora {

class EditorDocument;
struct TDemoFrame;

namespace timeline {

class RulerInteraction {
public:
    explicit RulerInteraction(EditorDocument& document);

    int unitWidth() const { return unitWidth_; }
    void setUnitWidth(int unitWidth);
    void setOffset(int offset) { offset_ = offset; }
    int offset() const { return offset_; }

    // Left button down at x: grabs the stop point shown there, if any.
    void press(int x);
    // Left double-click at x: removes the stop point there, or adds one.
    void doubleClick(int x);
    // The mouse moved to x with the left button down: the grabbed stop point follows.
    void drag(int x);
    void release();

    // Whether x lies on a stop point (the sizing cursor shows there).
    bool overStopPoint(int x) const;
    std::optional<std::size_t> grabbedStopPoint() const { return grabbed_; }

private:
    TDemoFrame* scene() const;
    // The stop point time a position under x stands for.
    int timeAt(int x) const;

    EditorDocument& document_;
    int unitWidth_;
    int offset_ = 0;
    std::optional<std::size_t> grabbed_;
    const TDemoFrame* grabScene_ = nullptr;
    int dragKey_ = 0;
};

} // namespace timeline
} // namespace vantora
