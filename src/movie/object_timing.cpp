#include "movie/object_timing.h"

#include <algorithm>

namespace vantora {

std::int32_t EffectiveFrameRateFactor(std::int32_t storedFactor) {
    return storedFactor == 1 || storedFactor == 4 ? storedFactor : 2;
}

double MovieFrameRate(std::int32_t storedFactor) { return 10.0 * EffectiveFrameRateFactor(storedFactor); }

std::int64_t SceneFrameCount(const TDemoFrame& scene, std::int32_t frameRateFactor) {
    return std::max<std::int64_t>(0, std::int64_t(scene.Length) * frameRateFactor);
}

ObjectTiming TimingOf(const TDemoObject& object, std::int32_t frameRateFactor) {
    ObjectTiming timing;
    timing.Start = std::max<std::int64_t>(0, std::int64_t(object.StartTime) * frameRateFactor);
    timing.End = std::int64_t(object.EndTime) * frameRateFactor;
    timing.OnStage = object.EndTime > object.StartTime && timing.End > timing.Start;
    timing.Leave = std::max(timing.End - 1, timing.Start + 1);
    return timing;
}

bool LivesInSprite(const TDemoObject& object) {
    if (object.Kind == TObjectKind::Audio)
        return true;
    if (object.Kind == TObjectKind::Button || object.Kind == TObjectKind::InputText)
        return false;
    return !object.Animation.StopWithScene;
}

bool GetsSprite(const TDemoObject& object) {
    return object.Kind == TObjectKind::Audio || !object.Animation.StopWithScene;
}

} // namespace vantora
