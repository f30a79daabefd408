#include "editor/canvas/background_painter.h"

#include "render/render_limits.h"
#include "render/scene_composer.h"

#include <QPainter>

namespace vantora::canvas {

void DrawGridDots(QImage& picture, int gridX, int gridY) {
    if (gridX <= 0 || gridY <= 0 || picture.isNull())
        return;
    const QRgb black = qRgb(0, 0, 0);
    for (int y = 0; y < picture.height(); y += gridY) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); x += gridX)
            row[x] = black;
    }
}

void BackgroundPainter::paint(QPainter& painter, const TDemoFrame& scene, QSize size, const GridSettings& grid,
                              QRect area) {
    const bool gridChanged = grid.show != grid_.show || grid.x != grid_.x || grid.y != grid_.y;
    if (composed_.isNull() || composed_.size() != size || scene_ != &scene || gridChanged) {
        composed_ = QImage();
        scene_ = &scene;
        grid_ = grid;
        if (!IsRenderableSize(size.width(), size.height()))
            return;
        composed_ = QImage(size, QImage::Format_ARGB32);
        ComposeSceneBackground(scene, composed_);
        if (grid.show)
            DrawGridDots(composed_, grid.x, grid.y);
        // The background is opaque: kept in the widget's own format it is copied, not blended.
        composed_.convertTo(QImage::Format_RGB32);
    }
    painter.drawImage(area.topLeft(), composed_, area);
}

} // namespace vantora::canvas
