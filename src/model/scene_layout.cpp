#include "model/scene_layout.h"

#include <algorithm>

namespace vantora {
namespace {

bool named(const TSceneLayout& layout, const TDemoObject* object) {
    return std::any_of(layout.objects.begin(), layout.objects.end(),
                       [&](const TObjectPlacement& placement) { return placement.object == object; });
}

std::unique_ptr<TDemoObject> takeFromPool(ObjectPool& pool, const TDemoObject* object) {
    for (auto it = pool.begin(); it != pool.end(); ++it)
        if (it->get() == object) {
            std::unique_ptr<TDemoObject> taken = std::move(*it);
            pool.erase(it);
            return taken;
        }
    return nullptr;
}

// Removes what the layout does not hold, last to first so that the indexes stay right.
void removeUnnamed(TDemoFrame& scene, const TSceneLayout& layout, ObjectPool& spare) {
    for (std::size_t i = scene.Objects.size(); i-- > 0;)
        if (!named(layout, scene.Objects[i].get()))
            spare.push_back(RemoveObjectAt(scene, i));
}

// Brings back from the pool what the layout holds and the scene lacks, at the end for now.
void addMissing(TDemoFrame& scene, const TSceneLayout& layout, ObjectPool& spare) {
    for (const TObjectPlacement& placement : layout.objects) {
        const auto present = ObjectOrder(scene);
        if (std::find(present.begin(), present.end(), placement.object) != present.end())
            continue;
        if (std::unique_ptr<TDemoObject> object = takeFromPool(spare, placement.object))
            InsertObject(scene, scene.Objects.size(), std::move(object));
    }
}

} // namespace

TSceneLayout CaptureLayout(const TDemoFrame& scene) {
    TSceneLayout layout;
    layout.objects.reserve(scene.Objects.size());
    for (const auto& object : scene.Objects)
        if (object)
            layout.objects.push_back({object.get(), BoundsOf(*object), TimingOf(*object)});
    layout.Length = scene.Length;
    layout.StopPoints = scene.StopPoints;
    return layout;
}

void RestoreLayout(TDemoFrame& scene, const TSceneLayout& layout, ObjectPool& spare) {
    removeUnnamed(scene, layout, spare);
    addMissing(scene, layout, spare);
    std::vector<TDemoObject*> order;
    for (const TObjectPlacement& placement : layout.objects) {
        const auto present = ObjectOrder(scene);
        if (std::find(present.begin(), present.end(), placement.object) != present.end())
            order.push_back(placement.object);
    }
    SetObjectOrder(scene, order);
    for (const TObjectPlacement& placement : layout.objects) {
        const auto present = ObjectOrder(scene);
        if (std::find(present.begin(), present.end(), placement.object) == present.end())
            continue;
        SetObjectBounds(scene, *placement.object, placement.bounds);
        SetObjectTiming(scene, *placement.object, placement.timing);
    }
    SetSceneLength(scene, layout.Length);
    SetStopPoints(scene, layout.StopPoints);
}

} // namespace vantora
