#include "editor/main_window/enabling_rules.h"

namespace vantora {

SceneCommandsEnabled SceneCommandsFor(const CommandState& state) {
    SceneCommandsEnabled enabled;
    const bool scene = state.sceneSelected;
    enabled.duplicateScene = scene;
    enabled.deleteScene = scene;
    enabled.previewScene = scene;
    enabled.moveUp = scene && !state.firstSceneSelected;
    enabled.moveToFirst = enabled.moveUp;
    enabled.moveDown = scene && !state.lastSceneSelected;
    enabled.moveToLast = enabled.moveDown;
    return enabled;
}

EditCommandsEnabled EditCommandsFor(const CommandState& state) {
    EditCommandsEnabled enabled;
    const bool scene = state.sceneSelected;
    const bool someSelected = scene && state.selectedObjects > 0;
    enabled.copy = someSelected;
    enabled.duplicate = someSelected;
    enabled.deleteObjects = someSelected;
    enabled.align = someSelected;
    enabled.alignToEachOther = scene && state.selectedObjects >= 2;
    enabled.paste = scene && state.clipboardHoldsObjects;
    enabled.clear = scene && state.sceneObjects > 0;
    const bool exactlyOne = scene && state.selectedObjects == 1;
    enabled.bringToFront = exactlyOne;
    enabled.sendToBack = exactlyOne;
    return enabled;
}

} // namespace vantora
