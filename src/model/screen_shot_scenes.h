#pragma once
// Scenes made from the capture tool's shots: one scene per shot with the shot as its background,
// a cursor that moves to each click, and on the scene before it the click itself (the cursor
// going there, a ring, the click sound and a "Click Here..." balloon pointing at the spot) and
// the text typed after it, typed by an InputText at the spot once the cursor is there.

#include "model/demo.h"
#include "model/screen_shot.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantora {

inline constexpr const char* kClickBalloonText = "Click Here...";
inline constexpr std::int32_t kClickBalloonWidth = 130;
inline constexpr std::int32_t kClickBalloonHeight = 60;
inline constexpr std::int32_t kClickRingSize = 32;
// Typed text: one character per timeline unit, shown this long once complete.
inline constexpr std::int32_t kTypedCharDelay = 1;
inline constexpr std::int32_t kTypedTextStay = 20;

// The "Arrow" of the balloon for a click at (x, y) on a width x height movie: it points from the
// side of the balloon that keeps the balloon on the movie.
std::int32_t ClickBalloonArrow(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);

// New scenes for `shots`, not yet part of `demo` (they are named so that they can join it; the
// caller adds them in one step). `clickSound` is the WAV file for the click objects, empty for
// silent ones. Each scene lasts until its last object ends.
struct ShotSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The size of the shots when the tool took them of the whole screen (its first click says so),
// within the demo's size limits; nothing for shots of the capture frame or from other tools.
std::optional<ShotSize> FullScreenShotSize(std::span<const TScreenShot> shots);

std::vector<std::unique_ptr<TDemoFrame>> BuildScreenShotScenes(const TVantora& demo,
                                                               std::span<const TScreenShot> shots,
                                                               const std::vector<std::uint8_t>& clickSound);

} // namespace vantora
