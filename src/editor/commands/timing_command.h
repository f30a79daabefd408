#pragma once
// Timeline edits: new start and end times for objects (a bar moved or resized), or a new scene
// length (the scene end dragged). Moved cursors push the later cursors, and the scene grows to
// the last end. All reports of one drag share a key and merge into one step.

#include "editor/commands/scene_layout_command.h"
#include "model/object_edits.h"

#include <optional>
#include <utility>
#include <vector>

namespace vantora {

using TimingChange = std::pair<TDemoObject*, TObjectTiming>;

class TimingCommand : public SceneLayoutCommand {
public:
    TimingCommand(TDemoFrame& scene, EditorSelection* selection, std::vector<TimingChange> changes, int dragKey = 0);
    // The scene end: `length`, but never shorter than an object's end nor than `minimumLength`.
    TimingCommand(TDemoFrame& scene, EditorSelection* selection, std::int32_t length, std::int32_t minimumLength,
                  int dragKey = 0);

protected:
    void perform(TDemoFrame& scene) override;

private:
    std::vector<TimingChange> changes_;
    std::optional<std::int32_t> length_;
    std::int32_t minimumLength_ = 0;
};

// The longest object end of the scene (0 without objects).
std::int32_t LastObjectEnd(const TDemoFrame& scene);

} // namespace vantora
