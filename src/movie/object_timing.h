#pragma once
// When an object of a scene is defined, placed, re-placed and removed, in frames of the scene,
// and whether it lives on the main timeline or in a sprite of its own.

#include "model/demo_frame.h"
#include "model/demo_object.h"

#include <cstdint>

namespace vantora {

// 1, 2 or 4 movie frames per timeline unit; any other stored factor plays at 20 frames per
// second and so counts as 2, keeping the timing and the header's frame rate in step.
std::int32_t EffectiveFrameRateFactor(std::int32_t storedFactor);
// 10, 20 or 40 frames per second.
double MovieFrameRate(std::int32_t storedFactor);

// Frames of a scene: Length x F, none for a length of 0 or below.
std::int64_t SceneFrameCount(const TDemoFrame& scene, std::int32_t frameRateFactor);

struct ObjectTiming {
    std::int64_t Start = 0; // s: first appearance (never before the scene's first frame)
    std::int64_t End = 0;   // e: EndTime x F, as the transform and the cursor path use it
    // The frame in which the object leaves (e - 1; a Cursor hands the pointer over there). It is
    // kept at least one frame after Start, so a one-frame object (EndTime = StartTime + 1 at 10
    // frames per second) is seen in one frame and then removed instead of staying for ever.
    std::int64_t Leave = 0;
    // False for an object that ends before it starts (EndTime <= StartTime): it is never shown.
    bool OnStage = false;
};

ObjectTiming TimingOf(const TDemoObject& object, std::int32_t frameRateFactor);

// True when the object's character is placed inside a sprite of its own instead of directly.
bool LivesInSprite(const TDemoObject& object);
// True when the scene defines a sprite for the object (also for the Button and InputText objects
// whose flag asks for one, though they are always placed directly).
bool GetsSprite(const TDemoObject& object);

} // namespace vantora
