#pragma once
// Frames, handles and the rubber band. Each is drawn twice, a light line under a dark dotted one,
// so that it stays visible on any background without inverting pixels.

#include <QRect>

#include <functional>

class QPainter;

namespace vantora {
struct TDemoFrame;
struct TDemoObject;
}

namespace vantora::canvas {

// The dotted frame: one pixel outside the object on every side.
QRect FrameRect(const TDemoObject& object);
// Everything the selection layer draws for an object: frame, handles and pointer tip.
QRect SelectionExtent(const TDemoObject& object);

class SelectionPainter {
public:
    void paint(QPainter& painter, const TDemoFrame& scene,
               const std::function<bool(const TDemoObject*)>& isSelected, const QRect& area) const;
    void paintRubberBand(QPainter& painter, const QRect& band) const;

private:
    void paintFrame(QPainter& painter, const TDemoObject& object) const;
    void paintHandles(QPainter& painter, const TDemoObject& object) const;
};

} // namespace vantora::canvas
