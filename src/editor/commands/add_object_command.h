#pragma once
// A new object of a kind, placed with a canvas tool: its defaults, timing, a button's stop
// point, the longer scene and the normalised order all go with it.

#include "editor/commands/scene_layout_command.h"
#include "model/object_kind.h"

namespace vantora {

class AddObjectCommand : public SceneLayoutCommand {
public:
    AddObjectCommand(TDemoFrame& scene, EditorSelection* selection, TObjectKind kind, std::int32_t left,
                     std::int32_t top);

    // The new object after the first redo (it lives as long as the command or the scene holds it).
    TDemoObject* object() const { return object_; }

protected:
    void perform(TDemoFrame& scene) override;

private:
    TObjectKind kind_;
    std::int32_t left_;
    std::int32_t top_;
    TDemoObject* object_ = nullptr;
};

} // namespace vantora
