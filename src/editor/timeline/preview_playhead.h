#pragma once
// The timeline's playhead while the preview window plays: the movie frame the preview shows,
// turned into a timeline unit of the current scene by the movie's own timing rules (scenes laid
// end to end, 1, 2 or 4 frames per unit). The playhead shows only while the preview shows the
// current scene, and goes away when the preview closes.

#include "model/demo.h"

#include <optional>

namespace vantora {

class EditorDocument;

namespace timeline {

class TimelineView;

// The unit of scene `currentScene` (an index into the demo's scenes) that `frame` of the
// preview's movie shows, or nothing when the frame belongs to another scene or to none.
// `previewedScene` is the one scene the movie holds, nothing for the whole demo.
std::optional<int> PlayheadUnit(const TVantora& demo, std::optional<int> previewedScene,
                                std::optional<int> currentScene, int frame);

// Lives as long as one preview window: moves the view's playhead to each frame reported and
// hides it when the preview ends.
class PreviewPlayhead {
public:
    PreviewPlayhead(const EditorDocument& document, TimelineView& view, std::optional<int> previewedScene);
    ~PreviewPlayhead();
    PreviewPlayhead(const PreviewPlayhead&) = delete;
    PreviewPlayhead& operator=(const PreviewPlayhead&) = delete;

    void frameShown(int frame);

private:
    std::optional<int> currentSceneIndex() const;

    const EditorDocument& document_;
    TimelineView& view_;
    std::optional<int> previewedScene_;
};

} // namespace timeline
} // namespace vantora
