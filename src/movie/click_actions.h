#pragma once
// What a button click does: the actions a Button object's ClickAction runs when the mouse is
// released over it. Jumps between scenes land on the first frame of the target scene, whose
// position is always taken from the whole demo (also when only one scene is built).

#include "model/command.h"
#include "model/demo.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace swf {
class TFlashActionScript;
}

namespace vantora {

// Where the scenes of a demo start, in movie frames.
class SceneStarts {
public:
    SceneStarts() = default;
    SceneStarts(const TVantora& demo, std::int32_t frameRateFactor);

    int Count() const { return int(names_.size()); }
    // Frames before scene `index`; Count() gives the total length of the demo.
    std::int64_t StartFrame(int index) const { return starts_[std::size_t(index)]; }
    // The first scene named exactly `name`.
    std::optional<int> FindScene(const std::string& name) const;

private:
    std::vector<std::int64_t> starts_{0};
    std::vector<std::string> names_;
};

// The 1-based frame number GotoFrame2 takes for the first frame of the scene starting at `start`,
// kept to 16 bits like every frame number of a movie.
std::int32_t SceneEntryFrame(std::int64_t start);

// Adds the actions of `command` for a button in scene `sceneIndex` (an index into `scenes`, or -1
// when the scene is not in the demo). Unknown action codes add nothing.
void AddClickActions(swf::TFlashActionScript& script, const TCommand& command, const SceneStarts& scenes,
                     int sceneIndex);

} // namespace vantora
