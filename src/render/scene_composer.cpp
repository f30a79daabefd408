#include "render/scene_composer.h"

#include "render/text/font_conversion.h"
#include "render/image_conversion.h"
#include "render/object_render_cache.h"
#include "render/object_renderer.h"
#include "render/render_limits.h"
#include "render/speaker_icon.h"
#include "render/text_box.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace vantora {
namespace {

// Cursors and the speaker icon show at their own size, whatever the object's size says.
constexpr int kBuiltinSize = 32;

QImage backgroundPicture(const TDemoFrame& scene) {
    if (scene.BackImage.empty())
        return {};
    RgbaImage decoded = scene.BackImage.decode();
    return AdoptRgbaImage(std::move(decoded));
}

void drawTiled(QPainter& painter, const QImage& picture, int width, int height) {
    const int rows = height / picture.height() + 2;
    const int columns = width / picture.width() + 2;
    for (int row = 0; row < rows; ++row) {
        if (row * picture.height() >= height)
            break; // further rows fall outside the canvas anyway
        for (int column = 0; column < columns && column * picture.width() < width; ++column)
            painter.drawImage(column * picture.width(), row * picture.height(), picture);
    }
}

// The object's picture as the canvas uses it: from the cache when there is one, else fresh.
QImage objectPicture(const TDemoObject& object, ObjectRenderCache* cache) {
    if (cache) {
        const RgbaImage* cached = cache->render(object);
        return cached ? ViewRgbaImage(*cached) : QImage(); // drawn before the cache can change
    }
    QImage fresh;
    if (PaintObject(object, fresh))
        ApplyAlphaPercent(fresh, object.Alpha);
    return fresh;
}

// Whether any part of the object's box can land on a canvas of the given size; positions and
// sizes from damaged files may be anywhere in the 32-bit range.
bool mayShow(const TDemoObject& object, int width, int height) {
    const std::int64_t left = object.Left, top = object.Top;
    const std::int64_t right = left + std::max<std::int64_t>(object.Width, kBuiltinSize);
    const std::int64_t bottom = top + std::max<std::int64_t>(object.Height, kBuiltinSize);
    return right > 0 && bottom > 0 && left < width && top < height && std::abs(left) <= kMaxRenderSide &&
           std::abs(top) <= kMaxRenderSide;
}

void drawObject(QPainter& painter, const TDemoObject& object, ObjectRenderCache* cache) {
    switch (object.Kind) {
    case TObjectKind::Audio: painter.drawImage(object.Left, object.Top, SpeakerIcon()); return;
    case TObjectKind::Text:
    case TObjectKind::InputText: {
        const bool wrap = object.Kind == TObjectKind::Text;
        const QRect box(object.Left, object.Top, ClampedDistance(object.Width), ClampedDistance(object.Height));
        DrawTextBox(painter, object.Text, box, wrap, tlTop,
                    wrap ? object.Alignment : int(taLeft), object.Font);
        return;
    }
    default: break;
    }
    const QImage picture = objectPicture(object, cache);
    if (picture.isNull())
        return;
    if (object.Kind == TObjectKind::Image) { // stretched into the object's box
        if (IsRenderableSize(object.Width, object.Height))
            painter.drawImage(QRect(object.Left, object.Top, object.Width, object.Height), picture);
    } else {
        painter.drawImage(object.Left, object.Top, picture);
    }
}

} // namespace

void ComposeSceneBackground(const TDemoFrame& scene, QImage& canvas) {
    canvas.fill(ToQColor(scene.BackColor));
    const QImage picture = backgroundPicture(scene);
    if (picture.isNull())
        return;
    QPainter painter(&canvas);
    const int width = canvas.width(), height = canvas.height();
    switch (static_cast<TBackImageStyle>(scene.BackImageStyle)) {
    case TBackImageStyle::Center:
        painter.drawImage((width - picture.width()) / 2, (height - picture.height()) / 2, picture);
        break;
    case TBackImageStyle::Stretch: painter.drawImage(QRect(0, 0, width, height), picture); break;
    case TBackImageStyle::Tile: drawTiled(painter, picture, width, height); break;
    default: painter.drawImage(0, 0, picture); break;
    }
}

QImage ComposeScene(const TDemoFrame& scene, int width, int height, ObjectRenderCache* cache) {
    if (!IsRenderableSize(width, height))
        return {};
    QImage canvas(width, height, QImage::Format_ARGB32);
    ComposeSceneBackground(scene, canvas);
    QPainter painter(&canvas);
    for (const auto& object : scene.Objects)
        if (object && mayShow(*object, width, height))
            drawObject(painter, *object, cache);
    painter.end();
    return canvas;
}

} // namespace vantora
