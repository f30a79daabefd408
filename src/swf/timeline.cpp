#include "swf/timeline.h"

#include "swf/actions.h"
#include "swf/control_tags.h"
#include "swf/flash_object.h"
#include "swf/place_object.h"

#include <algorithm>

namespace swf {
namespace {

bool IsRawTag(const TBasedSWFObject& item, uint16_t code) {
    return item.LibraryLevel() == 0 && static_cast<const TSWFObject&>(item).TagCode() == code;
}

bool IsPlacement(const TBasedSWFObject& item) {
    if (item.LibraryLevel() != 0)
        return dynamic_cast<const TFlashPlaceObject*>(&item) != nullptr;
    const uint16_t code = static_cast<const TSWFObject&>(item).TagCode();
    return code == tagPlaceObject || code == tagPlaceObject2 || code == tagPlaceObject3;
}

} // namespace

TBasedSWFObject* TFlashTimeline::Append(std::unique_ptr<TBasedSWFObject> item) {
    items_.push_back(std::move(item));
    return items_.back().get();
}

TFlashPlaceObject* TFlashTimeline::PlaceObject(TFlashVisualObject* object, uint16_t depth) {
    auto place = std::make_unique<TFlashPlaceObject>(owner_, object, depth);
    TFlashPlaceObject* raw = place.get();
    items_.push_back(std::move(place));
    maxDepth_ = std::max(maxDepth_, depth);
    return raw;
}

TFlashPlaceObject* TFlashTimeline::MoveObject(uint16_t depth) {
    TFlashPlaceObject* place = PlaceObject(nullptr, depth);
    place->SetMove(true);
    return place;
}

void TFlashTimeline::RemoveObject(uint16_t depth, const TFlashVisualObject* object) {
    if (object != nullptr)
        items_.push_back(std::make_unique<TSWFRemoveObject>(object->CharacterId(), depth));
    else
        items_.push_back(std::make_unique<TSWFRemoveObject2>(depth));
}

void TFlashTimeline::SetFrameLabel(std::string label, bool namedAnchor) {
    pendingLabel_ = std::move(label);
    pendingAnchor_ = namedAnchor;
}

TFlashActionScript* TFlashTimeline::FrameActions() {
    if (auto* script = dynamic_cast<TFlashActionScript*>(pendingActions_.get()))
        return script;
    auto script = std::make_unique<TFlashActionScript>(owner_);
    TFlashActionScript* raw = script.get();
    pendingActions_ = std::move(script);
    return raw;
}

int TFlashTimeline::ShowFrame(int count) {
    if (!pendingLabel_.empty()) {
        items_.push_back(std::make_unique<TSWFFrameLabel>(std::move(pendingLabel_), pendingAnchor_));
        pendingLabel_.clear();
        pendingAnchor_ = false;
    }
    if (pendingActions_)
        items_.push_back(std::move(pendingActions_));
    const int frames = std::max(count, 1);
    for (int i = 0; i < frames; ++i)
        items_.push_back(std::make_unique<TSWFShowFrame>());
    frameCount_ = uint16_t(frameCount_ + frames);
    return frames;
}

int TFlashTimeline::MinVersion(int floor) const {
    int v = floor;
    for (const auto& item : items_)
        v = std::max(v, item->MinVersion());
    return v;
}

bool TFlashTimeline::EndsWithEnd() const { return !items_.empty() && IsRawTag(*items_.back(), tagEnd); }

ptrdiff_t TFlashTimeline::IndexOf(const TBasedSWFObject* item) const {
    // From the end: the objects asked about are mostly the ones created last.
    for (size_t i = items_.size(); i-- > 0;)
        if (items_[i].get() == item)
            return ptrdiff_t(i);
    return -1;
}

ptrdiff_t TFlashTimeline::MoveBefore(const TBasedSWFObject* item, const TBasedSWFObject* before) {
    // Walk back from the end until `before` is met; only an `item` seen on the way needs moving.
    // In the usual case (definition already first) this stops at the recently created `before`.
    ptrdiff_t from = -1;
    ptrdiff_t to = -1;
    for (size_t i = items_.size(); i-- > 0;) {
        const TBasedSWFObject* current = items_[i].get();
        if (current == item)
            from = ptrdiff_t(i);
        else if (current == before) {
            to = ptrdiff_t(i);
            break;
        }
    }
    if (from < 0 || to < 0)
        return -1;
    std::unique_ptr<TBasedSWFObject> moving = std::move(items_[size_t(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(moving));
    return to;
}

TFlashTimeline::TWriteResult TFlashTimeline::WriteItems(TBitsEngine& be, const TWriteHooks& hooks, size_t from) {
    TWriteResult result;
    const size_t count = items_.size();
    for (size_t i = from; i < count; ++i) {
        TBasedSWFObject& item = *items_[i];
        if (hooks.BeforeItem)
            hooks.BeforeItem(i, count);
        if (IsRawTag(item, tagShowFrame)) {
            if (hooks.BeforeShowFrame)
                hooks.BeforeShowFrame();
            ++result.FramesWritten;
        } else if (IsPlacement(item)) {
            result.PlacementWritten = true;
        }
        item.WriteToStream(be);
    }
    return result;
}

} // namespace swf
