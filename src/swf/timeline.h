#pragma once
// TFlashTimeline: the ordered control items of one timeline (the movie's or a sprite's): placements,
// removals, frame labels, frame actions and frame ends, plus whatever else its owner appends.
// Within a frame the label comes first, then the frame actions, then the ShowFrame tags, so that a
// player knows the frame's name before it runs the frame's actions.

#include "swf/tag_object.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace swf {

class TFlashActionScript;
class TFlashMovie;
class TFlashPlaceObject;
class TFlashVisualObject;

class TFlashTimeline {
public:
    using TItems = std::vector<std::unique_ptr<TBasedSWFObject>>;

    // `owner` is the movie whose units placements use (may be null).
    explicit TFlashTimeline(TFlashMovie* owner) : owner_(owner) {}
    TFlashTimeline(const TFlashTimeline&) = delete;
    TFlashTimeline& operator=(const TFlashTimeline&) = delete;

    // ---- building
    TBasedSWFObject* Append(std::unique_ptr<TBasedSWFObject> item);
    TFlashPlaceObject* PlaceObject(TFlashVisualObject* object, uint16_t depth);
    // A modify-only placement (Move flag set, no character) of whatever is at `depth`.
    TFlashPlaceObject* MoveObject(uint16_t depth);
    // RemoveObject (character and depth) when `object` is given, else RemoveObject2 (depth only).
    void RemoveObject(uint16_t depth, const TFlashVisualObject* object = nullptr);
    // The label of the frame being built, written by the next ShowFrame.
    void SetFrameLabel(std::string label, bool namedAnchor = false);
    // Frame actions of the frame being built: any object that writes a DoAction tag.
    void SetPendingFrameActions(std::unique_ptr<TBasedSWFObject> actions) { pendingActions_ = std::move(actions); }
    TBasedSWFObject* PendingFrameActions() const { return pendingActions_.get(); }
    // The actions of the frame being built, created on first use.
    TFlashActionScript* FrameActions();
    // Ends the frame: the pending label, the pending actions, then max(count, 1) ShowFrame tags.
    // Returns the number of frames ended.
    int ShowFrame(int count = 1);

    // ---- state
    const TItems& Items() const { return items_; }
    uint16_t FrameCount() const { return frameCount_; }
    int CurrentFrame() const { return int(frameCount_) - 1; }
    uint16_t MaxDepth() const { return maxDepth_; }
    // The highest MinVersion of the items, at least `floor`.
    int MinVersion(int floor) const;
    // True when the last item is an End tag.
    bool EndsWithEnd() const;

    // Position of `item`, or -1.
    ptrdiff_t IndexOf(const TBasedSWFObject* item) const;
    // Moves `item` to the position of `before` when it comes after it, so that a definition is
    // written before the object that uses it. Returns the position it moved to, or -1.
    ptrdiff_t MoveBefore(const TBasedSWFObject* item, const TBasedSWFObject* before);

    // ---- writing
    struct TWriteHooks {
        // Before item `index` (0-based) of `count` is written.
        std::function<void(size_t index, size_t count)> BeforeItem;
        // Before each ShowFrame tag is written.
        std::function<void()> BeforeShowFrame;
    };
    struct TWriteResult {
        int FramesWritten = 0;
        bool PlacementWritten = false;
    };
    // Writes the items from position `from` on at the writer's version; End is not added.
    TWriteResult WriteItems(TBitsEngine& be, const TWriteHooks& hooks = {}, size_t from = 0);

private:
    TFlashMovie* owner_;
    TItems items_;
    uint16_t frameCount_ = 0;
    uint16_t maxDepth_ = 0;
    std::string pendingLabel_;
    bool pendingAnchor_ = false;
    std::unique_ptr<TBasedSWFObject> pendingActions_;
};

} // namespace swf
