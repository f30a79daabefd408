#pragma once
// Runs the action records of frames and button events: timeline control (Play, Stop, the goto
// actions), GetURL, the stack operations and the jumps that such scripts compile to. Every run
// is bounded in steps and stack size, so a looping script ends instead of hanging the player.

#include <cstdint>
#include <span>
#include <string>

namespace player {

class ClipInstance;

// What actions can do to the world outside the stack.
class ActionHost {
public:
    virtual ~ActionHost() = default;
    virtual void Play(ClipInstance& clip) = 0;
    virtual void Stop(ClipInstance& clip) = 0;
    // `frame` is 0-based.
    virtual void GotoFrame(ClipInstance& clip, int frame) = 0;
    virtual void GetUrl(const std::string& url, const std::string& target) = 0;
    virtual void StopSounds() = 0;
};

inline constexpr int kMaxActionSteps = 100000;

// Runs `code` (action records up to the end byte) against `clip`. Returns the number of steps
// taken; a run that hits kMaxActionSteps is cut off there.
int RunActions(std::span<const uint8_t> code, ClipInstance& clip, ActionHost& host);

} // namespace player
