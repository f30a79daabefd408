#include "editor/library/library_thumbnails.h"

#include "editor/canvas/object_painter.h"
#include "model/demo_frame.h"
#include "picture/picture.h"
#include "render/image_conversion.h"
#include "render/object_render_cache.h"
#include "render/render_limits.h"
#include "storage/gallery_file.h"
#include "storage/gallery_thumbnail.h"

#include <QPainter>

namespace vantora {
namespace {

QImage TransparentImage(QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// The object as the canvas draws it, in an image of the pixels it covers (a cursor or a sound
// may cover more than its box). Null when it draws nothing or its size is absurd.
QImage DrawAlone(std::unique_ptr<TDemoObject> object) {
    object->Left = 0;
    object->Top = 0;
    ObjectRenderCache cache;
    const QRect drawn = canvas::DrawnRect(*object, cache);
    if (!IsRenderableSize(drawn.right() + 1, drawn.bottom() + 1))
        return {};
    TDemoFrame frame;
    frame.Objects.push_back(std::move(object));
    QImage picture = TransparentImage(QSize(drawn.right() + 1, drawn.bottom() + 1));
    QPainter painter(&picture);
    canvas::ObjectPainter().paint(painter, frame, cache, picture.rect());
    return picture;
}

} // namespace

QSize LibraryThumbnailSize(LibraryKind kind) {
    switch (kind) {
    case LibraryKind::Cursors:
    case LibraryKind::Audios: return {32, 32};
    case LibraryKind::Buttons: return {64, 32};
    case LibraryKind::Gallery:
    case LibraryKind::Images: break;
    }
    return {64, 64};
}

std::optional<QImage> PictureThumbnail(const std::filesystem::path& file, QSize size) {
    Picture picture;
    if (!picture.loadFromFile(file))
        return std::nullopt;
    const RgbaImage decoded = picture.decode();
    if (decoded.empty())
        return std::nullopt; // a metafile, or a picture that does not decode
    QImage thumbnail = TransparentImage(size);
    QPainter painter(&thumbnail);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(thumbnail.rect(), ViewRgbaImage(decoded));
    return thumbnail;
}

std::optional<QImage> GalleryThumbnail(const std::filesystem::path& file, QSize size) {
    auto object = std::make_unique<TDemoObject>();
    if (!ReadGalleryObject(file, *object))
        return std::nullopt;
    const QImage drawn = DrawAlone(std::move(object));
    QImage thumbnail = TransparentImage(size);
    if (drawn.isNull())
        return thumbnail; // an object that draws nothing (an empty text) is still offered
    const ThumbnailRect fit = FitThumbnail(drawn.width(), drawn.height(), size.width(), size.height());
    QPainter painter(&thumbnail);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(fit.x, fit.y, fit.width, fit.height), drawn);
    return thumbnail;
}

} // namespace vantora
