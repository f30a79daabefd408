#include "storage/gallery_drop.h"

#include "model/demo.h"
#include "model/object_defaults.h"
#include "model/object_operations.h"
#include "storage/gallery_file.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace vantora {
namespace {

bool nameUsedBefore(const TDemoFrame& scene, const TDemoObject& object) {
    for (const auto& other : scene.Objects) {
        if (other.get() == &object)
            return false;
        if (other && other->Name == object.Name)
            return true;
    }
    return false;
}

// A new object's start: 10 units after the start of the last earlier object of its kind, or 0;
// 0 as well when that is not within the scene.
std::int32_t newObjectStart(const TDemoFrame& scene, const TDemoObject& object) {
    std::int64_t start = 0;
    for (auto it = scene.Objects.rbegin(); it != scene.Objects.rend(); ++it) {
        if (it->get() == &object || !*it || (*it)->Kind != object.Kind)
            continue;
        start = std::int64_t{(*it)->StartTime} + kNewObjectStagger;
        break;
    }
    return start >= scene.Length ? 0 : static_cast<std::int32_t>(start);
}

} // namespace

GalleryDropResult AddGalleryObjectToScene(TDemoFrame& scene, const std::filesystem::path& file, std::int32_t left,
                                          std::int32_t top) {
    GalleryDropResult drop;
    scene.Objects.push_back(std::make_unique<TDemoObject>());
    TDemoObject& object = *scene.Objects.back();
    object.Selected = false;
    drop.result = ReadGalleryObject(file, object);
    if (!drop.result) {
        scene.Objects.pop_back();
        return drop;
    }
    if (nameUsedBefore(scene, object))
        object.Name = UniqueObjectName(scene, object.Kind);
    object.Left = left;
    object.Top = top;
    object.StartTime = newObjectStart(scene, object);
    object.EndTime = object.StartTime + kNewObjectDuration;
    scene.Length = std::max(scene.Length, object.EndTime);
    for (auto& other : scene.Objects)
        if (other)
            other->Selected = other.get() == &object;
    NormalizeObjectOrder(scene);
    NotifySceneChange(scene, ModelChangeKind::ObjectAdded, &object);
    drop.object = &object;
    return drop;
}

ThumbnailRect FitThumbnail(int width, int height, int thumbnailWidth, int thumbnailHeight) {
    if (width <= 0 || height <= 0 || thumbnailWidth <= 0 || thumbnailHeight <= 0)
        return {thumbnailWidth / 2, thumbnailHeight / 2, 0, 0};
    long long w = width;
    long long h = height;
    if (w > thumbnailWidth || h > thumbnailHeight) {
        // The side that overflows most decides: compare w/tw with h/th without division.
        if (w * thumbnailHeight >= h * thumbnailWidth) {
            h = std::llround(static_cast<double>(h) * thumbnailWidth / static_cast<double>(w));
            w = thumbnailWidth;
        } else {
            w = std::llround(static_cast<double>(w) * thumbnailHeight / static_cast<double>(h));
            h = thumbnailHeight;
        }
    }
    return {static_cast<int>((thumbnailWidth - w) / 2), static_cast<int>((thumbnailHeight - h) / 2),
            static_cast<int>(w), static_cast<int>(h)};
}

} // namespace vantora
