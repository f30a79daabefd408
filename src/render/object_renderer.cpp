#include "render/object_renderer.h"

#include "render/balloon_painter.h"
#include "render/button_painter.h"
#include "render/cursor_painter.h"
#include "render/image_conversion.h"
#include "render/image_painter.h"
#include "render/render_limits.h"
#include "render/round_body_painter.h"
#include "render/shape_painter.h"

#include "render/text/text_painters.h"

#include <utility>

namespace vantora {
namespace {

void paintLabel(const TDemoObject& label, QImage& target) { PaintLabel(label, target); }

// Kinds whose painters draw a picture of exactly Width x Height.
bool paintsAtObjectSize(TObjectKind kind) {
    return kind != TObjectKind::Image && kind != TObjectKind::Cursor && kind != TObjectKind::Text &&
           kind != TObjectKind::InputText && kind != TObjectKind::Audio;
}

} // namespace

bool PaintObject(const TDemoObject& object, QImage& target) {
    switch (object.Kind) {
    case TObjectKind::RoundBalloon:
    case TObjectKind::Note: PaintRoundBody(object, target); break;
    case TObjectKind::Shape: PaintShape(object, target); break;
    case TObjectKind::Image: PaintImage(object, target); break;
    case TObjectKind::Label: paintLabel(object, target); break;
    case TObjectKind::Button: PaintButton(object, target); break;
    case TObjectKind::Cursor: PaintCursor(object, target); break;
    case TObjectKind::Balloon: PaintBalloon(object, target); break;
    default: target = QImage(); break;
    }
    if (!target.isNull() && target.format() != QImage::Format_ARGB32)
        target = target.convertToFormat(QImage::Format_ARGB32);
    return !target.isNull();
}

void ApplyAlphaPercent(QImage& picture, int percent) {
    if (picture.isNull() || percent < 0 || percent > 99)
        return;
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0, w = picture.width(); x < w; ++x) {
            const QRgb alpha = (row[x] >> 24) * QRgb(percent) / 100;
            row[x] = (row[x] & 0x00FFFFFFu) | (alpha << 24);
        }
    }
}

std::optional<RgbaImage> RenderObject(const TDemoObject& object) {
    // Painters that draw at the object's size write straight into the cached picture's buffer.
    RgbaImage picture;
    QImage target;
    if (paintsAtObjectSize(object.Kind) && IsRenderableSize(object.Width, object.Height)) {
        picture.width = object.Width;
        picture.height = object.Height;
        picture.pixels.resize(static_cast<std::size_t>(object.Width) * object.Height);
        target = WrapRgbaImage(picture);
    }
    const uchar* shared = target.constBits();
    if (!PaintObject(object, target))
        return std::nullopt;
    ApplyAlphaPercent(target, object.Alpha);
    if (shared != nullptr && target.constBits() == shared) {
        target = QImage(); // release the wrapper before the buffer moves
        return picture;
    }
    return ToRgbaImage(target); // a picture of its own size (images, cursors)
}

} // namespace vantora
