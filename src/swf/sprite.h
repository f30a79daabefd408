#pragma once
// TFlashSprite: a movie clip (DefineSprite) with its own timeline of control tags.

#include "swf/flash_object.h"

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
    TFlashPlaceObject* MoveObject(uint16_t depth);
    void RemoveObject(uint16_t depth, TFlashVisualObject* object = nullptr);
    void ShowFrame(int count = 1);
    void SetFrameLabel(std::string label, bool namedAnchor = false);
    void SetPendingFrameActions(std::unique_ptr<TBasedSWFObject> actions) { pendingActions_ = std::move(actions); }
    // The actions of the frame being built, created on first use; ShowFrame writes them as DoAction.
    TFlashActionScript* FrameActions();
    // Appends a StartSound without options.
    void StartSound(const TFlashSound* sound);
    void StartSound(uint16_t soundId);
    // Appends any control tag (StartSound and the like).
    TBasedSWFObject* AppendItem(std::unique_ptr<TBasedSWFObject> item);
    // DoInitAction body writer for this sprite (written after the DefineSprite when set).
    void SetInitActions(std::unique_ptr<TBasedSWFObject> actions) { initActions_ = std::move(actions); }

    uint16_t FrameCount() const { return frameCount_; }
    int CurrentFrame() const { return currentFrame_; }
    uint16_t MaxDepth() const { return maxDepth_; }
    const std::vector<std::unique_ptr<TBasedSWFObject>>& ControlTags() const { return controlTags_; }

    int MinVersion() const override;
    void WriteToStream(TBitsEngine& be) override;

private:
    std::vector<std::unique_ptr<TBasedSWFObject>> controlTags_;
    uint16_t frameCount_ = 0;
    int currentFrame_ = -1;
    std::string pendingLabel_;
    bool pendingAnchor_ = false;
    std::unique_ptr<TBasedSWFObject> pendingActions_;
    std::unique_ptr<TBasedSWFObject> initActions_;
    uint16_t maxDepth_ = 0;
};

} // namespace swf
