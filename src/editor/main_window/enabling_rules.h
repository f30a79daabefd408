#pragma once
// Which Scene and Edit commands are available, worked out from what is selected each time one of
// the menus opens. The commands check the same state again, since their shortcuts fire with the
// menus closed.

#include <cstddef>

namespace vantora {

struct CommandState {
    bool sceneSelected = false;
    bool firstSceneSelected = false;
    bool lastSceneSelected = false;
    std::size_t sceneObjects = 0;    // objects of the selected scene
    std::size_t selectedObjects = 0; // of them selected
    bool clipboardHoldsObjects = false;
};

struct SceneCommandsEnabled {
    bool duplicateScene = false;
    bool deleteScene = false;
    bool previewScene = false;
    bool moveUp = false;
    bool moveToFirst = false;
    bool moveDown = false;
    bool moveToLast = false;
};

struct EditCommandsEnabled {
    bool copy = false;
    bool paste = false;
    bool duplicate = false;
    bool align = false;        // the submenu, and "Align to Grid": at least one selected
    bool alignToEachOther = false; // the six others: at least two selected
    bool deleteObjects = false;
    bool clear = false;
    bool bringToFront = false;
    bool sendToBack = false;
};

SceneCommandsEnabled SceneCommandsFor(const CommandState& state);
EditCommandsEnabled EditCommandsFor(const CommandState& state);

} // namespace vantora
