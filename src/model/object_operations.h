#pragma once
// Operations on the objects of one scene.

#include "model/demo_frame.h"

#include <cstddef>
#include <memory>
#include <string>

namespace vantora {

// The kind name followed by the smallest n >= 1 that no object of the scene uses (exact match).
std::string UniqueObjectName(const TDemoFrame& scene, TObjectKind kind);

// Appends a new object with the defaults of its kind at (left, top), times it after the last
// object of its kind, raises the scene's length to cover it, normalises the order and reports
// ObjectAdded. Returns the new object.
TDemoObject& NewObject(TDemoFrame& scene, TObjectKind kind, std::int32_t left, std::int32_t top);

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
