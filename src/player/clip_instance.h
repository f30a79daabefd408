#pragma once
// The running state of a timeline: its playhead and display list. The main movie and every
// placed sprite has one. Frames are entered by replaying the timeline's display commands, so a
// jump backwards rebuilds the list from frame 0 while objects that stay on stage keep their state.

#include "player/characters.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace player {

class MovieDefinition;
class ClipInstance;

struct DisplayObject {
    uint64_t serial = 0; // unique for the player's lifetime, so events can find the object again
    uint16_t characterId = 0;
    const Character* character = nullptr; // null when the id is not defined
    Matrix matrix;
    ColorTransform colorTransform;
    uint16_t ratio = 0;
    std::string name;
    uint16_t clipDepth = 0;
    std::unique_ptr<ClipInstance> clip; // for sprites
    uint8_t buttonState = kStateUp;     // for buttons
};

// What a timeline needs from the player while it enters frames.
class TimelineHost {
public:
    virtual ~TimelineHost() = default;
    virtual const MovieDefinition& Movie() const = 0;
    virtual uint64_t NewSerial() = 0;
    // False when no further sprite instance may be created (nesting or count limit reached).
    virtual bool MayCreateClip(int nesting) const = 0;
    virtual void OnClipCreated() = 0;
    virtual void OnClipDestroyed() = 0;
    virtual void QueueActions(ClipInstance& clip, const std::vector<uint8_t>& actions) = 0;
    virtual void StartSound(const SoundStart& sound) = 0;
};

class ClipInstance {
public:
    ClipInstance(const TimelineDef& timeline, TimelineHost& host, uint64_t serial, int nesting);
    ~ClipInstance();
    ClipInstance(const ClipInstance&) = delete;
    ClipInstance& operator=(const ClipInstance&) = delete;

    const TimelineDef& Timeline() const { return timeline_; }
    uint64_t Serial() const { return serial_; }
    int Nesting() const { return nesting_; }
    int CurrentFrame() const { return current_; }
    int TotalFrames() const { return int(timeline_.frames.size()); }
    bool Playing() const { return playing_; }
    void SetPlaying(bool on) { playing_ = on; }
    const std::map<uint16_t, DisplayObject>& DisplayList() const { return displayList_; }
    std::map<uint16_t, DisplayObject>& DisplayList() { return displayList_; }

    // Shows `frame` (0-based, clamped to the timeline), running its actions and sounds. Going to
    // the frame already shown does nothing.
    void GotoFrame(int frame);
    // Display commands this clip has applied so far: going back replays a timeline from its first
    // frame, which scripts jumping to and fro could make endless.
    uint64_t CommandsApplied() const { return commandsApplied_; }
    // The next frame while playing; after the last frame the timeline starts again from frame 0
    // (a one-frame timeline stays where it is).
    void Advance();
    // The frame the clip showed when the current tick began; set by the player.
    bool CreatedThisTick() const { return createdThisTick_; }
    void SetCreatedThisTick(bool on) { createdThisTick_ = on; }

private:
    void ApplyCommands(const FrameDef& frame);
    void Place(const DisplayCommand& place);
    // Gives every sprite on the list that lacks one its running clip: the old list's clip when the
    // same character was at that depth, else a fresh one at its first frame.
    void MaterializeClips(std::map<uint16_t, DisplayObject>& previous);
    void EnterFrame(int frame);

    const TimelineDef& timeline_;
    TimelineHost& host_;
    uint64_t serial_;
    int nesting_;
    int current_ = -1;
    bool playing_ = true;
    bool createdThisTick_ = true;
    std::map<uint16_t, DisplayObject> displayList_;
    uint64_t commandsApplied_ = 0;
};

} // namespace player
