#pragma once
// "Bring To Front" and "Send To Back" of one object: to the end or the start of the list, then
// the order is normalised (cursors and audio objects stay last) and, for a cursor, the cursors
// are chained again.

#include "editor/commands/scene_layout_command.h"

namespace vantora {

class ZOrderCommand : public SceneLayoutCommand {
public:
    enum class Direction { ToFront, ToBack };

    ZOrderCommand(TDemoFrame& scene, EditorSelection* selection, TDemoObject& object, Direction direction);

protected:
    void perform(TDemoFrame& scene) override;

private:
    TDemoObject& object_;
    Direction direction_;
};

} // namespace vantora
