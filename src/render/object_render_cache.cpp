#include "render/object_render_cache.h"

#include "model/demo_frame.h"
#include "render/object_renderer.h"

namespace vantora {

const RgbaImage* ObjectRenderCache::find(const TDemoObject& object) const {
    const auto found = pictures_.find(&object);
    return found != pictures_.end() && found->second ? &*found->second : nullptr;
}

const RgbaImage* ObjectRenderCache::render(const TDemoObject& object) {
    auto found = pictures_.find(&object);
    if (found == pictures_.end())
        found = pictures_.emplace(&object, RenderObject(object)).first;
    return found->second ? &*found->second : nullptr;
}

void ObjectRenderCache::invalidate(const TDemoObject* object) { pictures_.erase(object); }

void ObjectRenderCache::clear() { pictures_.clear(); }

void ObjectRenderCache::apply(const ModelChange& change) {
    switch (change.kind) {
    case ModelChangeKind::ObjectAdded:
    case ModelChangeKind::ObjectRemoved:
    case ModelChangeKind::ObjectChanged:
        invalidate(change.object);
        break;
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
