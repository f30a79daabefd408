#pragma once
// "Paste": objects read from the clipboard join the scene, moved by the paste offset and selected;
// the longer scene, the pushed cursors and the normalised order go with them.

#include "editor/commands/scene_layout_command.h"

#include <memory>
#include <vector>

namespace vantora {

class PasteObjectsCommand : public SceneLayoutCommand {
public:
    PasteObjectsCommand(TDemoFrame& scene, EditorSelection* selection,
                        std::vector<std::unique_ptr<TDemoObject>> objects, std::int32_t offset,
                        const QString& text = QStringLiteral("Paste"));
    ~PasteObjectsCommand() override;

protected:
    void perform(TDemoFrame& scene) override;

private:
    std::vector<std::unique_ptr<TDemoObject>> objects_; // until the first redo puts them in
    std::int32_t offset_;
};

} // namespace vantora
