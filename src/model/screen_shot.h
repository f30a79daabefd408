#pragma once
// What the capture tool recorded: one screen picture per shot and the input events that belong
// to it. Only clicks (kind 0) make objects; the other fields travel along unchanged.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vantora {

enum class TShotEventKind : std::int32_t { Click = 0 };

struct TShotEvent {
    std::int32_t Kind = 0;
    std::int32_t Value = 0; // for a click: the mouse button, 1 = left
    std::int32_t X = 0;     // screen pixels
    std::int32_t Y = 0;
    // Free for the tool: ours writes the shot's width and height, the milliseconds since the
    // capture started, the keyboard modifiers, and two zeros.
    std::array<std::int32_t, 6> Extra{};
    std::string Text; // free for the tool: ours writes it empty

    bool operator==(const TShotEvent&) const = default;
};

struct TScreenShot {
    std::vector<std::uint8_t> Jpeg; // the whole JPEG file
    std::vector<TShotEvent> Events;

    bool operator==(const TScreenShot&) const = default;
};

} // namespace vantora
