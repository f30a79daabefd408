#pragma once
// The path the mouse pointer takes: a grey line between each pair of consecutive cursor objects,
// solid when the earlier one is selected, dotted otherwise, drawn over a light line so that it
// stays visible on any screen shot.

#include <QLine>
#include <QRect>

#include <functional>
#include <vector>

class QPainter;

namespace vantora {
struct TDemoFrame;
struct TDemoObject;
}

namespace vantora::canvas {

// The line from cursor p to the next cursor q: between facing edge centres, vertical edges when
// they lie further apart across than along.
QLine CursorPathLine(const TDemoObject& p, const TDemoObject& q);

struct CursorPathSegment {
    QLine line;
    bool solid = false;
    bool operator==(const CursorPathSegment&) const = default;
};

// The scene pixels a segment's line touches.
QRect SegmentExtent(const CursorPathSegment& segment);

std::vector<CursorPathSegment> CursorPath(const TDemoFrame& scene,
                                          const std::function<bool(const TDemoObject*)>& isSelected);

class CursorPathPainter {
public:
    void paint(QPainter& painter, const TDemoFrame& scene,
               const std::function<bool(const TDemoObject*)>& isSelected) const;
};

} // namespace vantora::canvas
