#include "model/stop_points.h"

#include "model/demo.h"

#include <algorithm>

namespace vantora {
namespace {

bool insideScene(const TDemoFrame& scene, std::int32_t t) { return t >= 0 && t < scene.Length; }

bool holds(const TDemoFrame& scene, std::int32_t t) {
    return std::find(scene.StopPoints.begin(), scene.StopPoints.end(), t) != scene.StopPoints.end();
}

} // namespace

void AddStopPoint(TDemoFrame& scene, std::int32_t t) {
    if (!insideScene(scene, t) || holds(scene, t))
        return;
    scene.StopPoints.push_back(t);
    NotifySceneChange(scene, ModelChangeKind::StopPoints);
}

void RemoveStopPoint(TDemoFrame& scene, std::int32_t t) {
    auto found = std::find(scene.StopPoints.begin(), scene.StopPoints.end(), t);
    if (found == scene.StopPoints.end())
        return;
    scene.StopPoints.erase(found);
    NotifySceneChange(scene, ModelChangeKind::StopPoints);
}

void MoveStopPoint(TDemoFrame& scene, std::size_t index, std::int32_t t) {
    if (index >= scene.StopPoints.size() || !insideScene(scene, t) || scene.StopPoints[index] == t)
        return;
    if (holds(scene, t))
        return; // dropping one stop point onto another would leave two equal entries
    scene.StopPoints[index] = t;
    NotifySceneChange(scene, ModelChangeKind::StopPoints);
}

} // namespace vantora
