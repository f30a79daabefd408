#pragma once
// A scene's layout: which objects it holds in which order, each object's rectangle and times,
// the scene's length and its stop points. Edits with side effects (normalising the order,
// pushing later cursors, a new button's stop point, a longer scene) change only these, so an
// edit is undone exactly by putting the layout from before it back.

#include "model/object_edits.h"

#include <memory>
#include <vector>

namespace vantora {

struct TObjectPlacement {
    TDemoObject* object = nullptr;
    TObjectBounds bounds;
    TObjectTiming timing;
    bool operator==(const TObjectPlacement&) const = default;
};

struct TSceneLayout {
    std::vector<TObjectPlacement> objects; // drawing order
    std::int32_t Length = 0;
    std::vector<std::int32_t> StopPoints;
    bool operator==(const TSceneLayout&) const = default;
};

TSceneLayout CaptureLayout(const TDemoFrame& scene);

// Objects that belong to an edit but not to the scene right now (deleted ones, or added ones
// after undo). The edit owns them.
using ObjectPool = std::vector<std::unique_ptr<TDemoObject>>;

// Makes the scene hold exactly the layout's objects in its order, with its rectangles, times,
// length and stop points. Objects of the scene the layout does not name move into `spare`;
// objects the layout names that the scene lacks come from `spare` (a placement found in neither
// is skipped). Every step reports its own change.
void RestoreLayout(TDemoFrame& scene, const TSceneLayout& layout, ObjectPool& spare);

} // namespace vantora
