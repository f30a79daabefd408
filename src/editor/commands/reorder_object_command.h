#pragma once
// "Bring To Front" and "Send To Back": one object moves to the end or the start of the scene's
// list; the order is normalised again and, for a cursor, the cursors are chained anew.

#include "editor/commands/scene_layout_command.h"

namespace vantora {

enum class ObjectPlace { Front, Back };

class ReorderObjectCommand : public SceneLayoutCommand {
public:
    ReorderObjectCommand(TDemoFrame& scene, EditorSelection* selection, TDemoObject* object, ObjectPlace place);

protected:
    void perform(TDemoFrame& scene) override;

private:
    TDemoObject* object_;
    ObjectPlace place_;
};

} // namespace vantora
