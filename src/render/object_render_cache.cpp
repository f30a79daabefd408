#include "render/object_render_cache.h"

#include "model/demo_frame.h"
#include "render/object_renderer.h"

#include <algorithm>

namespace vantora {
namespace {

// Images and cursors keep their picture's own size whatever the object's rectangle says (an
// image is stretched into its box when drawn).
bool SizedByPicture(TObjectKind kind) { return kind == TObjectKind::Image || kind == TObjectKind::Cursor; }

} // namespace

std::optional<RgbaImage> RenderEditorPicture(const TDemoObject& object) {
    if (object.Kind == TObjectKind::Balloon &&
        (object.Width < kSmallestShownBalloon || object.Height < kSmallestShownBalloon)) {
        TDemoObject enlarged = object;
        enlarged.Width = std::max(object.Width, kSmallestShownBalloon);
        enlarged.Height = std::max(object.Height, kSmallestShownBalloon);
        return RenderObject(enlarged);
    }
    return RenderObject(object);
}

bool ObjectRenderCache::isCurrent(const Entry& entry, const TDemoObject& object) {
    return SizedByPicture(object.Kind) || (entry.width == object.Width && entry.height == object.Height);
}

const RgbaImage* ObjectRenderCache::find(const TDemoObject& object) const {
    const auto found = entries_.find(&object);
    if (found == entries_.end() || !found->second.picture || !isCurrent(found->second, object))
        return nullptr;
    return &*found->second.picture;
}

const RgbaImage* ObjectRenderCache::render(const TDemoObject& object) {
    auto found = entries_.find(&object);
    if (found == entries_.end() || !isCurrent(found->second, object)) {
        ++renders_;
        Entry entry{RenderEditorPicture(object), object.Width, object.Height};
        found = entries_.insert_or_assign(&object, std::move(entry)).first;
    }
    return found->second.picture ? &*found->second.picture : nullptr;
}

void ObjectRenderCache::invalidate(const TDemoObject* object) { entries_.erase(object); }

void ObjectRenderCache::clear() { entries_.clear(); }

void ObjectRenderCache::apply(const ModelChange& change) {
    switch (change.kind) {
    case ModelChangeKind::ObjectChanged:
        if (!change.boundsOnly)
            invalidate(change.object);
        break;
    case ModelChangeKind::ObjectAdded:
    case ModelChangeKind::ObjectRemoved: invalidate(change.object); break;
    case ModelChangeKind::SceneAdded:
    case ModelChangeKind::SceneRemoved:
        if (change.scene)
            for (const auto& object : change.scene->Objects)
                invalidate(object.get());
        break;
    default: break; // names, times, order and animation do not change the picture
    }
}

} // namespace vantora
