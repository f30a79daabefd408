#pragma once
// Operations on the demo's scene list.

#include "model/demo.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace vantora {

// "Scene" followed by the smallest n >= 1 that no scene uses as its name (exact comparison).
std::string UniqueSceneName(const TVantora& demo);

// Appends a new scene with default values and a unique name; reports SceneAdded.
TDemoFrame& NewScene(TVantora& demo);

// Appends a scene built elsewhere (a loaded or copied one) and links it to the demo. Reports
// nothing: loading is not an edit.
TDemoFrame& AdoptScene(TVantora& demo, std::unique_ptr<TDemoFrame> scene);

// Inserts the scene at `index` (clamped to the end), links it to the demo and reports
// SceneAdded. The inverse of TakeScene, for undo and redo.
TDemoFrame& InsertScene(TVantora& demo, std::size_t index, std::unique_ptr<TDemoFrame> scene);

// Takes the scene at `index` out of the demo and reports SceneRemoved while it still exists.
// Empty when the index is outside the list.
std::unique_ptr<TDemoFrame> TakeScene(TVantora& demo, std::size_t index);

// Index of the scene within the demo, or npos.
std::size_t IndexOfScene(const TVantora& demo, const TDemoFrame* scene);

// Frees the scene's objects, last to first, and empties its list. Tolerates a null scene.
void FreeScene(TDemoFrame* scene);

// Frees every scene, last to first, and empties the list.
void ClearDemo(TVantora& demo);

// Moves the scene at `from` to `to`, shifting the scenes between by one place. False, with
// nothing changed, when from == to or either index is outside the list.
bool MoveScene(TVantora& demo, std::size_t from, std::size_t to);

// Deep copy of a scene through the project-file scene writer and reader. The storage layer
// installs it; the model does not know the file format.
using SceneCopier = std::function<std::unique_ptr<TDemoFrame>(const TDemoFrame& scene, std::string& error)>;

// Installs the copier for the whole program and returns the previous one.
SceneCopier InstallSceneCopier(SceneCopier copier);

struct DuplicateSceneResult {
    enum class Status { Done, Unavailable, Failed };
    Status status = Status::Unavailable;
    TDemoFrame* copy = nullptr; // the appended copy when Done
    std::string error;          // why it failed
};

// Copies the scene, gives the copy a unique name and appends it at the end.
DuplicateSceneResult DuplicateScene(TVantora& demo, const TDemoFrame& scene);

} // namespace vantora
