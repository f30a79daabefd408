#include "model/object_edits.h"

#include "model/demo.h"

#include <algorithm>

namespace vantora {

TObjectBounds BoundsOf(const TDemoObject& object) { return {object.Left, object.Top, object.Width, object.Height}; }

TObjectTiming TimingOf(const TDemoObject& object) { return {object.StartTime, object.EndTime}; }

TDemoObject& InsertObject(TDemoFrame& scene, std::size_t index, std::unique_ptr<TDemoObject> object) {
    if (!object)
        object = std::make_unique<TDemoObject>();
    index = std::min(index, scene.Objects.size());
    TDemoObject& inserted = *object;
    scene.Objects.insert(scene.Objects.begin() + static_cast<std::ptrdiff_t>(index), std::move(object));
    NotifySceneChange(scene, ModelChangeKind::ObjectAdded, &inserted);
    return inserted;
}

std::unique_ptr<TDemoObject> RemoveObjectAt(TDemoFrame& scene, std::size_t index) {
    if (index >= scene.Objects.size())
        return nullptr;
    std::unique_ptr<TDemoObject> taken = std::move(scene.Objects[index]);
    scene.Objects.erase(scene.Objects.begin() + static_cast<std::ptrdiff_t>(index));
    NotifySceneChange(scene, ModelChangeKind::ObjectRemoved, taken.get());
    return taken;
}

void SetObjectBounds(TDemoFrame& scene, TDemoObject& object, const TObjectBounds& bounds) {
    if (BoundsOf(object) == bounds)
        return;
    object.Left = bounds.Left;
    object.Top = bounds.Top;
    object.Width = bounds.Width;
    object.Height = bounds.Height;
    if (scene.Demo)
        scene.Demo->Changes.notify({ModelChangeKind::ObjectChanged, &scene, &object, true});
}

void SetObjectTiming(TDemoFrame& scene, TDemoObject& object, const TObjectTiming& timing) {
    if (TimingOf(object) == timing)
        return;
    object.StartTime = timing.StartTime;
    object.EndTime = timing.EndTime;
    NotifySceneChange(scene, ModelChangeKind::ObjectTiming, &object);
}

void SetSceneLength(TDemoFrame& scene, std::int32_t length) {
    if (scene.Length == length)
        return;
    scene.Length = length;
    NotifySceneChange(scene, ModelChangeKind::ObjectTiming);
}

void SetStopPoints(TDemoFrame& scene, const std::vector<std::int32_t>& stopPoints) {
    if (scene.StopPoints == stopPoints)
        return;
    scene.StopPoints = stopPoints;
    NotifySceneChange(scene, ModelChangeKind::StopPoints);
}

std::vector<TDemoObject*> ObjectOrder(const TDemoFrame& scene) {
    std::vector<TDemoObject*> order;
    order.reserve(scene.Objects.size());
    for (const auto& object : scene.Objects)
        order.push_back(object.get());
    return order;
}

bool SetObjectOrder(TDemoFrame& scene, const std::vector<TDemoObject*>& order) {
    if (order.size() != scene.Objects.size())
        return false;
    std::vector<std::unique_ptr<TDemoObject>> reordered;
    reordered.reserve(order.size());
    std::vector<bool> used(scene.Objects.size(), false);
    std::vector<std::size_t> sources;
    for (TDemoObject* wanted : order) {
        std::size_t found = scene.Objects.size();
        for (std::size_t i = 0; i < scene.Objects.size(); ++i)
            if (!used[i] && scene.Objects[i].get() == wanted) {
                found = i;
                break;
            }
        if (found == scene.Objects.size())
            return false; // unknown or named twice: the scene stays as it is
        used[found] = true;
        sources.push_back(found);
    }
    if (order == ObjectOrder(scene))
        return true;
    for (const std::size_t source : sources)
        reordered.push_back(std::move(scene.Objects[source]));
    scene.Objects = std::move(reordered);
    NotifySceneChange(scene, ModelChangeKind::ObjectsReordered);
    return true;
}

} // namespace vantora
