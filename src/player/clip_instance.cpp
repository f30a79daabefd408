#include "player/clip_instance.h"

#include "player/movie_definition.h"

#include <algorithm>

namespace player {

ClipInstance::ClipInstance(const TimelineDef& timeline, TimelineHost& host, uint64_t serial, int nesting)
    : timeline_(timeline), host_(host), serial_(serial), nesting_(nesting) {
    host_.OnClipCreated();
}

ClipInstance::~ClipInstance() {
    displayList_.clear();
    host_.OnClipDestroyed();
}

void ClipInstance::GotoFrame(int frame) {
    frame = std::clamp(frame, 0, TotalFrames() - 1);
    if (frame == current_)
        return;
    std::map<uint16_t, DisplayObject> previous;
    int from = current_ + 1;
    if (frame < current_) {
        previous = std::move(displayList_);
        displayList_.clear();
        from = 0;
    }
    for (int f = from; f <= frame; ++f)
        ApplyCommands(timeline_.frames[size_t(f)]);
    MaterializeClips(previous);
    current_ = frame;
    EnterFrame(frame);
}

void ClipInstance::Advance() {
    if (TotalFrames() <= 1)
        return;
    GotoFrame(current_ + 1 >= TotalFrames() ? 0 : current_ + 1);
}

void ClipInstance::EnterFrame(int frame) {
    const FrameDef& def = timeline_.frames[size_t(frame)];
    for (const auto& actions : def.actions)
        host_.QueueActions(*this, actions);
    for (const auto& sound : def.sounds)
        host_.StartSound(sound);
}

void ClipInstance::ApplyCommands(const FrameDef& frame) {
    commandsApplied_ += frame.commands.size();
    for (const auto& command : frame.commands) {
        if (command.remove)
            displayList_.erase(command.depth);
        else
            Place(command);
    }
}

void ClipInstance::Place(const DisplayCommand& place) {
    auto it = displayList_.find(place.depth);
    if (!place.move || it == displayList_.end()) {
        if (!place.characterId)
            return; // nothing to modify at that depth
        DisplayObject object;
        object.serial = host_.NewSerial();
        object.characterId = *place.characterId;
        object.character = host_.Movie().Find(object.characterId);
        it = displayList_.insert_or_assign(place.depth, std::move(object)).first;
    } else if (place.characterId && *place.characterId != it->second.characterId) {
        it->second.characterId = *place.characterId;
        it->second.character = host_.Movie().Find(it->second.characterId);
        it->second.clip.reset();
        it->second.serial = host_.NewSerial();
    }
    DisplayObject& object = it->second;
    if (place.matrix)
        object.matrix = *place.matrix;
    if (place.colorTransform)
        object.colorTransform = *place.colorTransform;
    if (place.ratio)
        object.ratio = *place.ratio;
    if (!place.name.empty())
        object.name = place.name;
    if (place.clipDepth)
        object.clipDepth = place.clipDepth;
}

void ClipInstance::MaterializeClips(std::map<uint16_t, DisplayObject>& previous) {
    for (auto& [depth, object] : displayList_) {
        if (object.clip || !object.character || object.character->Kind() != CharacterKind::Sprite)
            continue;
        const auto old = previous.find(depth);
        if (old != previous.end() && old->second.characterId == object.characterId && old->second.clip) {
            object.clip = std::move(old->second.clip);
            object.serial = old->second.serial;
            object.buttonState = old->second.buttonState;
            continue;
        }
        if (!host_.MayCreateClip(nesting_ + 1))
            continue;
        const auto& sprite = static_cast<const SpriteDef&>(*object.character);
        object.clip = std::make_unique<ClipInstance>(sprite.timeline, host_, object.serial, nesting_ + 1);
        object.clip->GotoFrame(0);
    }
    // Buttons that stay on stage keep their state (a pressed button must not pop up on rebuild).
    for (auto& [depth, object] : displayList_) {
        const auto old = previous.find(depth);
        if (old != previous.end() && old->second.characterId == object.characterId && object.character &&
            object.character->Kind() == CharacterKind::Button) {
            object.serial = old->second.serial;
            object.buttonState = old->second.buttonState;
        }
    }
}

} // namespace player
