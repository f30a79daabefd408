#pragma once
// What the capture tool recorded: one screen picture per shot and the input events that belong
// to it. Clicks (kind 0) and typed text (a kind of our own) make objects; other kinds and the
// fields nobody reads travel along unchanged.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vantora {

enum class TShotEventKind : std::int32_t {
    Click = 0,
    // The keys typed after the click before it in the shot's events, as text in `Text`; a kind
    // far from the designed ones, which readers that know only clicks pass over.
    TypedText = 1000,
};

struct TShotEvent {
    std::int32_t Kind = 0;
    std::int32_t Value = 0; // for a click: the mouse button, 1 = left
    std::int32_t X = 0;     // screen pixels
    std::int32_t Y = 0;
    // Free for the tool: ours writes the shot's width and height, the milliseconds since the
    // capture started, the keyboard modifiers, kFullScreenMark or 0, and a zero.
    std::array<std::int32_t, 6> Extra{};
    std::string Text; // typed text; for other kinds free for the tool (ours writes it empty)

    bool operator==(const TShotEvent&) const = default;
};

// Extra[4] of our tool's clicks on shots of the whole screen (rather than of the capture frame).
inline constexpr std::int32_t kFullScreenMark = 1;

struct TScreenShot {
    std::vector<std::uint8_t> Jpeg; // the whole JPEG file
    std::vector<TShotEvent> Events;

    bool operator==(const TScreenShot&) const = default;
};

} // namespace vantora
