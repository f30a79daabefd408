#pragma once
// Operations on the objects of one scene.

#include "model/demo_frame.h"

#include <cstddef>
#include <memory>
#include <string>

namespace vantora {

// The kind name followed by the smallest n >= 1 that no object of the scene uses (exact match).
std::string UniqueObjectName(const TDemoFrame& scene, TObjectKind kind);

// An object joining the scene (pasted or dropped) whose name another object of the scene already
// uses takes the smallest free name of its kind; a free name is kept.
void TakeFreeNameIfUsed(const TDemoFrame& scene, TDemoObject& object);

// Appends a new object with the defaults of its kind at (left, top), times it after the last
// object of its kind, raises the scene's length to cover it, normalises the order and reports
// ObjectAdded. Returns the new object.
TDemoObject& NewObject(TDemoFrame& scene, TObjectKind kind, std::int32_t left, std::int32_t top);

// The timing of an object that joins the scene (a new one, or one dropped from the gallery; it
// is not in the scene yet): a cursor starts when every cursor of the scene has ended and moves
// for 20 units; any other object starts 10 after the last object of its kind (0 when there is
// none, or when that is not within the scene) and stays 30 units. The scene's length grows to
// cover it.
void TimeAsNewObject(TDemoFrame& scene, TDemoObject& object);

// Adds an object read from a gallery file at (left, top): a name another object of the scene
// already uses is replaced by a unique one, the stored times by a new object's timing; the
// scene grows to cover it and the order is normalised. Reports ObjectAdded.
TDemoObject& AddDroppedObject(TDemoFrame& scene, std::unique_ptr<TDemoObject> object, std::int32_t left,
                              std::int32_t top);

// Frees the object and everything it owns. Tolerates an empty pointer.
void FreeObject(std::unique_ptr<TDemoObject>& object);

// Takes the object out of the scene and hands it over (for deleting and undo); empty when the
// object is not in the scene. Reports nothing: the caller decides what the removal means.
std::unique_ptr<TDemoObject> TakeObject(TDemoFrame& scene, const TDemoObject* object);

// Index of the object within the scene, or npos.
std::size_t IndexOfObject(const TDemoFrame& scene, const TDemoObject* object);

// Stable partition: other kinds first, then cursors, then audio objects, each in their order.
void NormalizeObjectOrder(TDemoFrame& scene);

// Pushes later cursors that start before `cursor` ends so that cursor movements never overlap,
// keeping their durations, and grows the scene to the last pushed end. `index` is the cursor's
// position in the list; nothing happens when it does not hold a cursor.
void ChainCursors(TDemoFrame& scene, TDemoObject& cursor, std::size_t index);

// Runs ChainCursors for every cursor of the scene, first to last (after reordering or pasting).
void ChainAllCursors(TDemoFrame& scene);

} // namespace vantora
