#include "editor/canvas/object_painter.h"

#include "model/demo_frame.h"
#include "model/object_kind.h"
#include "render/image_conversion.h"
#include "render/object_render_cache.h"
#include "render/speaker_icon.h"
#include "render/text_box.h"

#include <QPainter>

#include <algorithm>

namespace vantora::canvas {
namespace {

QRect ObjectBox(const TDemoObject& object) { return QRect(object.Left, object.Top, object.Width, object.Height); }

// The picture drawn for the object: the speaker icon for audio, the cached rendering for the
// kinds that have one, null for text. A view into the cache: draw it before the model changes.
QImage PictureOf(const TDemoObject& object, ObjectRenderCache& cache) {
    switch (object.Kind) {
    case TObjectKind::Text:
    case TObjectKind::InputText: return {};
    case TObjectKind::Audio: {
        static const QImage icon = SpeakerIcon();
        return icon;
    }
    default: break;
    }
    const RgbaImage* picture = cache.render(object);
    return picture ? ViewRgbaImage(*picture) : QImage();
}

} // namespace

QRect DrawnRect(const TDemoObject& object, ObjectRenderCache& cache) {
    const QRect box = ObjectBox(object);
    switch (object.Kind) {
    case TObjectKind::Cursor: // only these pictures may be larger than the box: render to know
    case TObjectKind::Audio: return box | QRect(box.topLeft(), PictureOf(object, cache).size());
    case TObjectKind::Balloon:
        return box | QRect(box.topLeft(), QSize(std::max(object.Width, kSmallestShownBalloon),
                                                std::max(object.Height, kSmallestShownBalloon)));
    default: return box; // drawn at, or stretched into, the object's own box
    }
}

void ObjectPainter::paint(QPainter& painter, const TDemoFrame& scene, ObjectRenderCache& cache,
                          const QRect& area) const {
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    painter.setBrush(QColor(0x80, 0x80, 0x80));
    for (const auto& object : scene.Objects)
        if (object && DrawnRect(*object, cache).intersects(area))
            paintObject(painter, *object, cache);
}

void ObjectPainter::paintObject(QPainter& painter, const TDemoObject& object, ObjectRenderCache& cache) const {
    switch (object.Kind) {
    case TObjectKind::Text:
        DrawTextBox(painter, object.Text, ObjectBox(object), true, tlTop, object.Alignment, object.Font);
        return;
    case TObjectKind::InputText:
        DrawTextBox(painter, object.Text, ObjectBox(object), false, tlTop, taLeft, object.Font);
        return;
    default: break;
    }
    const QImage picture = PictureOf(object, cache);
    if (picture.isNull())
        return;
    if (object.Kind == TObjectKind::Image)
        painter.drawImage(ObjectBox(object), picture);
    else
        painter.drawImage(QPoint(object.Left, object.Top), picture);
}

} // namespace vantora::canvas
