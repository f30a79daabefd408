#pragma once
// TFlashSprite: a movie clip (DefineSprite) with its own timeline of control tags.

#include "swf/flash_object.h"
#include "swf/timeline.h"

#include <memory>
#include <string>
#include <vector>

namespace swf {

class TFlashActionScript;
class TFlashPlaceObject;
class TFlashSound;

class TFlashSprite : public TFlashVisualObject {
public:
    explicit TFlashSprite(TFlashMovie* owner);
    ~TFlashSprite() override;

    // Places `object` in the sprite; a definition that comes after the sprite in the movie's list
    // is moved before it, so it is written first.
    TFlashPlaceObject* PlaceObject(TFlashVisualObject* object, uint16_t depth);
    TFlashPlaceObject* MoveObject(uint16_t depth) { return timeline_.MoveObject(depth); }
    void RemoveObject(uint16_t depth, TFlashVisualObject* object = nullptr) { timeline_.RemoveObject(depth, object); }
    void ShowFrame(int count = 1) { timeline_.ShowFrame(count); }
    void SetFrameLabel(std::string label, bool namedAnchor = false) { timeline_.SetFrameLabel(std::move(label), namedAnchor); }
    void SetPendingFrameActions(std::unique_ptr<TBasedSWFObject> actions) { timeline_.SetPendingFrameActions(std::move(actions)); }
    // The actions of the frame being built, created on first use; ShowFrame writes them as DoAction.
    TFlashActionScript* FrameActions() { return timeline_.FrameActions(); }
    // Appends a StartSound without options.
    void StartSound(const TFlashSound* sound);
    void StartSound(uint16_t soundId);
    // Appends any control tag (StartSound and the like).
    TBasedSWFObject* AppendItem(std::unique_ptr<TBasedSWFObject> item) { return timeline_.Append(std::move(item)); }
    // DoInitAction body writer for this sprite (written after the DefineSprite when set).
    void SetInitActions(std::unique_ptr<TBasedSWFObject> actions) { initActions_ = std::move(actions); }

    uint16_t FrameCount() const { return timeline_.FrameCount(); }
    int CurrentFrame() const { return timeline_.CurrentFrame(); }
    uint16_t MaxDepth() const { return timeline_.MaxDepth(); }
    const std::vector<std::unique_ptr<TBasedSWFObject>>& ControlTags() const { return timeline_.Items(); }

    // The highest MinVersion of the control tags, at least 3.
    int MinVersion() const override;
    void WriteToStream(TBitsEngine& be) override;

private:
    TFlashTimeline timeline_;
    std::unique_ptr<TBasedSWFObject> initActions_;
};

} // namespace swf
