#pragma once
// Objects that come from the library tabs: a gallery object (read from its file already) placed
// at the drop point with a new object's timing, or a new cursor, image, button or audio object
// filled with the dropped picture or sound. Either becomes the only selected object.

#include "editor/commands/scene_layout_command.h"
#include "model/object_kind.h"

#include <functional>

namespace vantora {

class DropObjectCommand : public SceneLayoutCommand {
public:
    using Fill = std::function<void(TDemoObject&)>;

    // A gallery object.
    DropObjectCommand(TDemoFrame& scene, EditorSelection* selection, std::unique_ptr<TDemoObject> object,
                      std::int32_t left, std::int32_t top);
    // A new object of `kind` that `fill` gives the dropped file's contents.
    DropObjectCommand(TDemoFrame& scene, EditorSelection* selection, TObjectKind kind, std::int32_t left,
                      std::int32_t top, Fill fill);

    TDemoObject* object() const { return added_; }

protected:
    void perform(TDemoFrame& scene) override;

private:
    std::unique_ptr<TDemoObject> gallery_;
    TObjectKind kind_ = TObjectKind::Image;
    Fill fill_;
    std::int32_t left_;
    std::int32_t top_;
    TDemoObject* added_ = nullptr;
};

} // namespace vantora
