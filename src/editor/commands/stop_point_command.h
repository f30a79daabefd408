#pragma once
// The scene's stop points: one added, removed or dragged on the ruler (a drag is one step).

#include "editor/commands/scene_layout_command.h"

namespace vantora {

class StopPointCommand : public SceneLayoutCommand {
public:
    enum class Action { Add, Remove, Move };

    // Add and Remove take the time; Move takes the entry's index and its new time.
    StopPointCommand(TDemoFrame& scene, Action action, std::int32_t time, std::size_t index = 0, int dragKey = 0);

protected:
    void perform(TDemoFrame& scene) override;

private:
    Action action_;
    std::int32_t time_;
    std::size_t index_;
};

} // namespace vantora
