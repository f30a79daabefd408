#pragma once
// The editor's rendered pictures of objects, kept by object identity so that the canvas and the
// thumbnails do not paint an unchanged object twice. Each picture is RenderObject's (Alpha (%)
// applied). The model's change reports say which pictures went stale: whoever owns the cache
// passes every report to apply().

#include "model/model_change.h"
#include "picture/rgba_image.h"

#include <cstddef>
#include <optional>
#include <unordered_map>

namespace vantora {

struct TDemoObject;

class ObjectRenderCache {
public:
    // The cached picture, or null when the object has none cached (not rendered yet, or a kind
    // without a picture).
    const RgbaImage* find(const TDemoObject& object) const;

    // The cached picture, rendered first when missing; null for objects without a picture.
    const RgbaImage* render(const TDemoObject& object);

    void invalidate(const TDemoObject* object);
    void clear();

    // Drops the pictures a change makes stale: a changed, added or removed object (an address
    // may come back for another object), every object of a removed scene.
    void apply(const ModelChange& change);

    std::size_t size() const { return pictures_.size(); }

private:
    // An empty optional records that the object has no picture, so it is not painted again.
    std::unordered_map<const TDemoObject*, std::optional<RgbaImage>> pictures_;
};

} // namespace vantora
