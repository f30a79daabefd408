#pragma once
// The registration point of an object or a scene background: the point its ObjectCenter picks,
// about which the character is built, so that rotation and scaling in the movie turn about it.

#include "model/demo_frame.h"
#include "model/demo_object.h"
#include "swf/records.h"

#include <cstdint>

namespace vantora {

struct MoviePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const MoviePoint&) const = default;
};

// The inclusive pixel rectangle, relative to the registration point, in which the object's
// character is built. Shape and Button rectangles are computed without their border.
swf::TRect RegistrationRect(const TDemoObject& object);
// The scene background's rectangle: the movie size around the scene's registration point.
swf::TRect SceneRegistrationRect(const TAnimationSettings& scene, std::int32_t movieWidth, std::int32_t movieHeight);

// Where the registration point lies on the stage, from the full Width and Height.
MoviePoint RegistrationPosition(const TDemoObject& object);
MoviePoint SceneRegistrationPosition(const TAnimationSettings& scene, std::int32_t movieWidth, std::int32_t movieHeight);

} // namespace vantora
