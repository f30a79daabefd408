#pragma once
// The scene's objects in list order (later ones in front): rendered pictures at their place,
// images stretched into their box, cursors and audio at natural size, text through the text
// routine. The pictures come from the document's render cache.

class QPainter;
class QRect;

namespace vantora {
class ObjectRenderCache;
struct TDemoFrame;
struct TDemoObject;
}

namespace vantora::canvas {

// The scene pixels an object covers when drawn (a picture may be larger than its rectangle).
QRect DrawnRect(const TDemoObject& object, ObjectRenderCache& cache);

class ObjectPainter {
public:
    // Draws the objects that reach into `area` (scene pixels).
    void paint(QPainter& painter, const TDemoFrame& scene, ObjectRenderCache& cache, const QRect& area) const;

private:
    void paintObject(QPainter& painter, const TDemoObject& object, ObjectRenderCache& cache) const;
};

} // namespace vantora::canvas
