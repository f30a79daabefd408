#pragma once
// How an object (or a whole scene picture) enters and leaves the stage: nine channels, each
// moving from an in-value to rest and from rest to an out-value.

#include <array>
#include <cstdint>

namespace vantora {

enum class TAnimationType : std::int32_t {
    None = 0,         // the channel stays at rest
    OnlyForInOut = 1, // moves in at the start and out at the end of the time on stage
    AllTimeLoop = 2,  // the in-move and out-move repeat for the whole time on stage
};

struct TAnimationChannel {
    std::int32_t AnimationType = 0;
    std::int32_t InFromValue = 0;
    std::int32_t InSteps = 8;
    std::int32_t ChangeSpeed = 0; // kept for file compatibility; has no effect
    std::int32_t OutToValue = 0;
    std::int32_t OutSteps = 8;
    std::int32_t OutChangeSpeed = 0; // kept for file compatibility; has no effect

    bool operator==(const TAnimationChannel&) const = default;
};

// The origin about which rotation and scaling happen.
enum class TObjectCenter : std::int32_t {
    CustomCenter = 0,
    Center = 1,
    LeftTopCorner = 2,
    TopCenter = 3,
    TopRightCorner = 4,
    RightCenter = 5,
    RightBottomCorner = 6,
    BottomCenter = 7,
    BottomLeftCorner = 8,
    LeftCenter = 9,
    ArrowPoint = 10, // tip of a balloon's arrow
};

struct TAnimationSettings {
    bool StopWithScene = true;
    std::int32_t ObjectCenter = static_cast<std::int32_t>(TObjectCenter::Center);
    std::int32_t CustomCenterX = 0;
    std::int32_t CustomCenterY = 0;
    // The channels in their stored order.
    TAnimationChannel Fade;
    TAnimationChannel Red;
    TAnimationChannel Green;
    TAnimationChannel Blue;
    TAnimationChannel Angle{0, 180, 8, 0, 180, 8, 0};
    TAnimationChannel Width;
    TAnimationChannel Height;
    TAnimationChannel LocationX;
    TAnimationChannel LocationY;

    bool operator==(const TAnimationSettings&) const = default;
};

// Channel identity, numbered in the stored order (the order of project files).
enum class TChannelId : std::uint8_t { Fade, Red, Green, Blue, Angle, Width, Height, LocationX, LocationY };

constexpr int kChannelCount = 9;

// The nine channels in stored order, for code that walks them all (the project file does).
inline constexpr std::array<TAnimationChannel TAnimationSettings::*, kChannelCount> kStoredChannelOrder{
    &TAnimationSettings::Fade,  &TAnimationSettings::Red,       &TAnimationSettings::Green,
    &TAnimationSettings::Blue,  &TAnimationSettings::Angle,     &TAnimationSettings::Width,
    &TAnimationSettings::Height, &TAnimationSettings::LocationX, &TAnimationSettings::LocationY,
};

inline TAnimationChannel& Channel(TAnimationSettings& settings, TChannelId id) {
    return settings.*kStoredChannelOrder[static_cast<std::size_t>(id)];
}
inline const TAnimationChannel& Channel(const TAnimationSettings& settings, TChannelId id) {
    return settings.*kStoredChannelOrder[static_cast<std::size_t>(id)];
}

// Fade in and out: the Fade channel runs OnlyForInOut from 0 and back to 0.
void SetFadeInOut(TAnimationSettings& settings);

} // namespace vantora
