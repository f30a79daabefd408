#pragma once
// The per-frame transform of a placement: colour add terms from the Fade, Red, Green and Blue
// channels (with the object's alpha), rotation, scale and the translation to the registration
// point, computed from the animation channels at one frame of the item's life.

#include "model/animation_settings.h"
#include "model/demo_frame.h"
#include "model/demo_object.h"
#include "movie/registration.h"

#include <cstdint>
#include <optional>

namespace swf {
class TFlashPlaceObject;
}

namespace vantora {

// What the transform needs to know of an object or a scene background.
struct TransformSubject {
    const TAnimationSettings* Animation = nullptr;
    MoviePoint Position;            // registration position on the stage
    std::int32_t Width = 0;         // full W and H, for the scale factors
    std::int32_t Height = 0;
    std::int32_t AlphaPercent = 100;
    bool FollowsCursorPath = false; // a Cursor: its path offset replaces LocationX and LocationY
    std::int64_t StartFrame = 0;    // s
    std::int64_t EndFrame = 0;      // e
    std::int32_t FrameRateFactor = 2;
};

TransformSubject ObjectTransformSubject(const TDemoObject& object, std::int64_t startFrame, std::int64_t endFrame,
                                        std::int32_t frameRateFactor);
// The scene background lives from frame 0 to (Length - 1) x F at full opacity.
TransformSubject SceneTransformSubject(const TDemoFrame& scene, std::int32_t movieWidth, std::int32_t movieHeight,
                                       std::int32_t frameRateFactor);

struct PlacementTransform {
    // Add terms red, green, blue, alpha; a term that stays unset is not written.
    std::optional<std::int32_t> AddRed, AddGreen, AddBlue, AddAlpha;
    std::int32_t RotationDegrees = 0; // 0: no rotation
    bool Scaled = false;
    double ScaleX = 1.0;
    double ScaleY = 1.0;
    MoviePoint Translation;

    bool HasColorTransform() const { return AddRed || AddGreen || AddBlue || AddAlpha; }
};

// The percent-to-colour-term rule: -255 below -99, 255 from 100 on, else x * 255 / 100.
std::int32_t PercentToColourTerm(std::int64_t percent);

// The transform at frame `frame` of the scene (t = frame - StartFrame, T = EndFrame - StartFrame + 1).
// `pathOffset` is used by cursors only. Frames before the start (a waiting pointer) take the
// values of the first frame.
PlacementTransform ComputeTransform(const TransformSubject& subject, std::int64_t frame, MoviePoint pathOffset = {});

// Writes the transform into a placement: colour transform, then scale and rotation composed by the
// library, then the translation (in pixels).
void ApplyTransform(swf::TFlashPlaceObject& placement, const PlacementTransform& transform);

} // namespace vantora
