#pragma once
// The texts of the status bar's three panels.

#include <QString>

#include <cstddef>
#include <optional>
#include <string>

namespace vantora {

// Panel 0: "i/n Scene(s)" with a scene selected, "n Scene(s)" without, nothing without scenes.
QString ScenePanelText(std::optional<std::size_t> selectedScene, std::size_t sceneCount);

// What the object box has picked.
struct ObjectPick {
    enum class Kind { Nothing, Scene, Object } kind = Kind::Nothing;
    std::size_t index = 0; // the object's place in the scene (Object only)
    std::size_t count = 0; // the scene's object count (Object only)
};

// Panel 1: nothing, "Scene", or "i/n Object(s)".
QString ObjectPanelText(const ObjectPick& pick);

// Panel 2: the demo's name (or "[Untitled]") and, with a file, " - " and its path.
QString CaptionPanelText(const std::string& demoName, const QString& fileName);

} // namespace vantora
