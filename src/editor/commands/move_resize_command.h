#pragma once
// Objects moved or resized on the canvas, aligned, or snapped to the grid. All reports of one
// mouse drag carry the same drag key and merge into one undo step.

#include "editor/commands/scene_layout_command.h"
#include "model/object_edits.h"

#include <utility>
#include <vector>

namespace vantora {

using BoundsChange = std::pair<TDemoObject*, TObjectBounds>;

class MoveResizeCommand : public SceneLayoutCommand {
public:
    MoveResizeCommand(TDemoFrame& scene, EditorSelection* selection, std::vector<BoundsChange> changes,
                      const QString& text, int dragKey = 0);

protected:
    void perform(TDemoFrame& scene) override;

private:
    std::vector<BoundsChange> changes_;
};

} // namespace vantora
