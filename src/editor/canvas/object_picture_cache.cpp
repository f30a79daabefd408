#include "editor/canvas/object_picture_cache.h"

#include "model/object_kind.h"
#include "render/object_renderer.h"
#include "render/speaker_icon.h"

#include <algorithm>

namespace vantora::canvas {
namespace {

constexpr int kSmallestBalloon = 40;

// Images and cursors keep their picture's own size whatever the object's rectangle says.
bool SizedByPicture(TObjectKind kind) { return kind == TObjectKind::Image || kind == TObjectKind::Cursor; }

QImage Render(const TDemoObject& object) {
    QImage picture;
    if (object.Kind == TObjectKind::Balloon &&
        (object.Width < kSmallestBalloon || object.Height < kSmallestBalloon)) {
        // A balloon's corners and arrow need room: smaller ones are drawn at the least size that
        // holds them, without changing the object itself.
        TDemoObject enlarged = object;
        enlarged.Width = std::max(object.Width, kSmallestBalloon);
        enlarged.Height = std::max(object.Height, kSmallestBalloon);
        PaintObject(enlarged, picture);
    } else {
        PaintObject(object, picture);
    }
    if (!picture.isNull())
        ApplyAlphaPercent(picture, object.Alpha);
    return picture;
}

} // namespace

bool ObjectPictureCache::isCurrent(const Entry& entry, const TDemoObject& object) const {
    if (SizedByPicture(object.Kind))
        return true;
    return entry.bounds.Width == object.Width && entry.bounds.Height == object.Height;
}

const QImage* ObjectPictureCache::pictureFor(const TDemoObject& object) {
    if (object.Kind == TObjectKind::Text || object.Kind == TObjectKind::InputText)
        return nullptr;
    if (object.Kind == TObjectKind::Audio) {
        static const QImage icon = SpeakerIcon();
        return &icon;
    }
    auto found = entries_.find(&object);
    if (found == entries_.end() || !isCurrent(found->second, object)) {
        ++renders_;
        Entry entry{Render(object), BoundsOf(object)};
        found = entries_.insert_or_assign(&object, std::move(entry)).first;
    }
    return found->second.picture.isNull() ? nullptr : &found->second.picture;
}

void ObjectPictureCache::objectChanged(const TDemoObject& object) {
    const auto found = entries_.find(&object);
    if (found == entries_.end())
        return;
    TObjectBounds& seen = found->second.bounds;
    const bool sameSize = seen.Width == object.Width && seen.Height == object.Height;
    const bool moved = seen.Left != object.Left || seen.Top != object.Top;
    if (sameSize && moved) {
        seen = BoundsOf(object);
        return;
    }
    entries_.erase(found);
}

void ObjectPictureCache::forget(const TDemoObject* object) { entries_.erase(object); }

void ObjectPictureCache::clear() { entries_.clear(); }

} // namespace vantora::canvas
