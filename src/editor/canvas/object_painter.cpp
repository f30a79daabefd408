#include "editor/canvas/object_painter.h"

#include "editor/canvas/object_picture_cache.h"
#include "model/demo_frame.h"
#include "model/object_kind.h"
#include "render/text_box.h"

#include <QPainter>

namespace vantora::canvas {
namespace {

QRect ObjectBox(const TDemoObject& object) { return QRect(object.Left, object.Top, object.Width, object.Height); }

} // namespace

QRect DrawnRect(const TDemoObject& object, ObjectPictureCache& cache) {
    const QImage* picture = cache.pictureFor(object);
    if (!picture || object.Kind == TObjectKind::Image)
        return ObjectBox(object);
    return ObjectBox(object) | QRect(QPoint(object.Left, object.Top), picture->size());
}

void ObjectPainter::paint(QPainter& painter, const TDemoFrame& scene, ObjectPictureCache& cache,
                          const QRect& area) const {
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    painter.setBrush(QColor(0x80, 0x80, 0x80));
    for (const auto& object : scene.Objects)
        if (object && DrawnRect(*object, cache).intersects(area))
            paintObject(painter, *object, cache);
}

void ObjectPainter::paintObject(QPainter& painter, const TDemoObject& object, ObjectPictureCache& cache) const {
    switch (object.Kind) {
    case TObjectKind::Text:
        DrawTextBox(painter, object.Text, ObjectBox(object), true, tlTop, object.Alignment, object.Font);
        return;
    case TObjectKind::InputText:
        DrawTextBox(painter, object.Text, ObjectBox(object), false, tlTop, taLeft, object.Font);
        return;
    default: break;
    }
    const QImage* picture = cache.pictureFor(object);
    if (!picture)
        return;
    if (object.Kind == TObjectKind::Image)
        painter.drawImage(ObjectBox(object), *picture);
    else
        painter.drawImage(QPoint(object.Left, object.Top), *picture);
}

} // namespace vantora::canvas
