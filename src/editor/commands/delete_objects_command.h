#pragma once
// "Delete" (the selected objects) and "Clear" (every object of the scene). The objects stay
// alive in the command until it is dropped from the history.

#include "editor/commands/scene_layout_command.h"

#include <vector>

namespace vantora {

class DeleteObjectsCommand : public SceneLayoutCommand {
public:
    DeleteObjectsCommand(TDemoFrame& scene, EditorSelection* selection, std::vector<TDemoObject*> objects,
                         const QString& text = QStringLiteral("Delete"));

protected:
    void perform(TDemoFrame& scene) override;

private:
    std::vector<TDemoObject*> objects_;
};

} // namespace vantora
