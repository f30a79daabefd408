#pragma once
// "Paste" (and the paste half of "Duplicate"): objects read from the clipboard block join the
// scene, moved by the paste offset and selected alone; each pushes later cursors and may make the
// scene longer; the order is normalised at the end.

#include "editor/commands/scene_layout_command.h"

namespace vantora {

class PasteObjectsCommand : public SceneLayoutCommand {
public:
    PasteObjectsCommand(TDemoFrame& scene, EditorSelection* selection, ObjectPool objects, std::int32_t offset,
                        const QString& text = QStringLiteral("Paste"));

protected:
    void perform(TDemoFrame& scene) override;

private:
    ObjectPool objects_;
    std::int32_t offset_;
};

} // namespace vantora
