#pragma once
// The click action of a button: what happens when the viewer clicks it.

#include <cstdint>
#include <string>

namespace vantora {

enum class TCommandAction : std::uint8_t {
    None = 0,
    Play = 1,
    Stop = 2,
    ReplayScene = 3,
    ReplayAll = 4,
    NextScene = 5,
    PreScene = 6,
    GotoScene = 7,
    VisitWebSite = 8,
    SendEmail = 9,
};

constexpr int kCommandActionCount = 10;

struct TCommand {
    // A TCommandAction code; kept as the stored byte so that unknown codes from files survive.
    std::uint8_t Action = static_cast<std::uint8_t>(TCommandAction::None);
    // Target scene name (GotoScene), web address (VisitWebSite), e-mail address (SendEmail).
    std::string Param;

    bool operator==(const TCommand&) const = default;
};

} // namespace vantora
