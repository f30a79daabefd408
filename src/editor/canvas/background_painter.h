#pragma once
// The canvas background: the scene's colour and picture by its style, then the grid dots. The
// composed picture is kept until the scene, the demo size or the grid changes.

#include "editor/canvas/canvas_geometry.h"

#include <QImage>

class QPainter;

namespace vantora {
struct TDemoFrame;
}

namespace vantora::canvas {

// One black pixel at every (i * gridX, j * gridY) inside the picture.
void DrawGridDots(QImage& picture, int gridX, int gridY);

class BackgroundPainter {
public:
    // Draws the background's part inside `area` (scene pixels).
    void paint(QPainter& painter, const TDemoFrame& scene, QSize size, const GridSettings& grid, QRect area);
    // The scene's background or the grid changed: compose again at the next paint.
    void invalidate() { composed_ = QImage(); }

    const QImage& composed() const { return composed_; }

private:
    QImage composed_;
    const TDemoFrame* scene_ = nullptr;
    GridSettings grid_;
};

} // namespace vantora::canvas
