#include "editor/timeline/preview_playhead.h"

#include "editor/document/editor_document.h"
#include "editor/timeline/timeline_view.h"
#include "movie/click_actions.h"
#include "movie/object_timing.h"

namespace vantora::timeline {

std::optional<int> PlayheadUnit(const TVantora& demo, std::optional<int> previewedScene,
                                std::optional<int> currentScene, int frame) {
    const int sceneCount = int(demo.Scenes.size());
    if (!currentScene || *currentScene < 0 || *currentScene >= sceneCount || frame < 0)
        return std::nullopt;
    const std::int32_t factor = EffectiveFrameRateFactor(demo.FrameRateFactor);
    std::int64_t sceneStart = 0;
    if (previewedScene) {
        if (*previewedScene != *currentScene)
            return std::nullopt;
    } else {
        sceneStart = SceneStarts(demo, factor).StartFrame(*currentScene);
    }
    const std::int64_t sinceStart = std::int64_t(frame) - sceneStart;
    const std::int64_t frames = SceneFrameCount(*demo.Scenes[std::size_t(*currentScene)], factor);
    if (sinceStart < 0 || sinceStart >= frames)
        return std::nullopt;
    return int(sinceStart / factor);
}

PreviewPlayhead::PreviewPlayhead(const EditorDocument& document, TimelineView& view,
                                 std::optional<int> previewedScene)
    : document_(document), view_(view), previewedScene_(previewedScene) {}

PreviewPlayhead::~PreviewPlayhead() { view_.setPlayhead(std::nullopt); }

std::optional<int> PreviewPlayhead::currentSceneIndex() const {
    const TDemoFrame* current = document_.currentScene();
    const auto& scenes = document_.demo().Scenes;
    for (std::size_t i = 0; i < scenes.size(); ++i)
        if (scenes[i].get() == current)
            return int(i);
    return std::nullopt;
}

void PreviewPlayhead::frameShown(int frame) {
    const std::optional<int> unit = PlayheadUnit(document_.demo(), previewedScene_, currentSceneIndex(), frame);
    view_.setPlayhead(unit);
    if (unit)
        view_.scrollToUnit(*unit);
}

} // namespace vantora::timeline
