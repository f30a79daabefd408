#pragma once
// The scene's objects in list order (later ones in front): rendered pictures at their place,
// images stretched into their box, cursors and audio at natural size, text through the text
// routine.

class QPainter;
class QRect;

namespace vantora {
struct TDemoFrame;
struct TDemoObject;
}

namespace vantora::canvas {

class ObjectPictureCache;

// The scene pixels an object covers when drawn (a picture may be larger than its rectangle).
QRect DrawnRect(const TDemoObject& object, ObjectPictureCache& cache);

class ObjectPainter {
public:
    // Draws the objects that reach into `area` (scene pixels).
    void paint(QPainter& painter, const TDemoFrame& scene, ObjectPictureCache& cache, const QRect& area) const;

private:
    void paintObject(QPainter& painter, const TDemoObject& object, ObjectPictureCache& cache) const;
};

} // namespace vantora::canvas
