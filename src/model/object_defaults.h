#pragma once
// The values a new object starts with: the common values of every kind, then the values that
// make each kind look right from the start. Timing is NewObject's business, not this file's.

#include "model/demo_object.h"

namespace vantora {

// The time a new object stays on stage, and a new cursor's movement, in timeline units.
constexpr std::int32_t kNewObjectDuration = 30;
constexpr std::int32_t kNewCursorDuration = 20;
// A new object of a kind already on the scene starts this much after the last one of its kind.
constexpr std::int32_t kNewObjectStagger = 10;
// A new button stops the movie this long after it appears.
constexpr std::int32_t kNewButtonStopDelay = 15;

// An object of `kind` at (left, top) with every common and kind-specific default, no name and
// the timing of the record's defaults.
TDemoObject MakeDefaultObject(TObjectKind kind, std::int32_t left, std::int32_t top);

} // namespace vantora
