#pragma once
// The editor's rendered pictures of objects, kept by object identity so that the canvas, the
// scene cards and the other views do not paint an unchanged object twice. This cache owns the
// rule of when a picture goes stale: a moved object keeps its picture; a resized object is
// rendered again at its next use (except images and cursors, whose picture has its own size);
// any other edit drops the picture. Whoever owns the cache passes every change report to apply().

#include "model/model_change.h"
#include "picture/rgba_image.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <unordered_map>

namespace vantora {

struct TDemoObject;

// The least size the editor shows a Balloon at: its corners and arrow need the room. The object
// itself keeps its size.
inline constexpr int kSmallestShownBalloon = 40;

// The object's picture as the editor shows it: RenderObject (Alpha (%) applied), a Balloon drawn
// at least kSmallestShownBalloon square. Nothing for kinds without a picture.
std::optional<RgbaImage> RenderEditorPicture(const TDemoObject& object);

class ObjectRenderCache {
public:
    // The cached picture while it is still good for the object, else null (not rendered yet,
    // stale, or a kind without a picture). Never renders.
    const RgbaImage* find(const TDemoObject& object) const;

    // The picture to show, rendered first when missing or stale; null for objects without one.
    const RgbaImage* render(const TDemoObject& object);

    void invalidate(const TDemoObject* object);
    void clear();

    // Drops the pictures a change makes stale: an edited, added or removed object (an address
    // may come back for another object), every object of a removed scene. A report that only
    // moved or resized an object keeps its picture; render() judges the size.
    void apply(const ModelChange& change);

    std::size_t size() const { return entries_.size(); }
    // How many pictures were rendered since the cache was made (for tests and benchmarks).
    std::size_t renderCount() const { return renders_; }

private:
    struct Entry {
        // Empty when the object has no picture, so it is not painted again.
        std::optional<RgbaImage> picture;
        // The object's size when it was rendered.
        std::int32_t width = 0;
        std::int32_t height = 0;
    };

    static bool isCurrent(const Entry& entry, const TDemoObject& object);

    std::unordered_map<const TDemoObject*, Entry> entries_;
    std::size_t renders_ = 0;
};

} // namespace vantora
