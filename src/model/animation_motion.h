#pragma once
// What the animation block means for the movie: the value of a channel at each frame of an
// object's time on stage, and the origin about which the object turns and scales. Pure
// functions, so the movie builder and the tests can call them directly.

#include "model/animation_settings.h"
#include "model/demo_object.h"

#include <cstdint>
#include <optional>

namespace vantora {

struct OriginPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const OriginPoint&) const = default;
};

// 100 for the percent channels (Fade, Red, Green, Blue, Width, Height), 0 for the offset
// channels (Angle, LocationX, LocationY).
std::int32_t RestingValue(TChannelId channel);

// The channel's value at frame `frame` (0-based) of `framesOnStage` frames, with one timeline
// unit lasting `frameRateFactor` frames. Integer arithmetic truncating toward zero. Step counts
// of zero or below (never typed, but possible in damaged files) mean that move does not happen.
std::int32_t ChannelValue(const TAnimationChannel& channel, std::int32_t restingValue, std::int32_t frameRateFactor,
                          std::int64_t framesOnStage, std::int64_t frame);

// The tip of a balloon's arrow within a w x h balloon, by its "Arrow" value. Unknown values give
// the middle of the balloon.
OriginPoint BalloonArrowPoint(std::int32_t arrow, std::int32_t w, std::int32_t h);
OriginPoint RoundBalloonArrowPoint(std::int32_t arrow, std::int32_t w, std::int32_t h);

// The origin for an ObjectCenter code within a w x h rectangle. ArrowPoint uses `arrowTip` and,
// like any unknown code, falls back to the centre when there is none.
OriginPoint CenterOrigin(std::int32_t objectCenter, std::int32_t w, std::int32_t h, OriginPoint custom,
                         std::optional<OriginPoint> arrowTip = std::nullopt);

// The origin of an object: its ObjectCenter within its rectangle, less the border of Shape and
// Button objects, with the arrow tip of balloons.
OriginPoint ObjectOrigin(const TDemoObject& object);

// The origin of a scene's picture, which is as large as the demo.
OriginPoint SceneOrigin(const TAnimationSettings& settings, std::int32_t demoWidth, std::int32_t demoHeight);

} // namespace vantora
