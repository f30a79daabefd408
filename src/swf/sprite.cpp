#include "swf/sprite.h"

#include "swf/actions.h"
#include "swf/control_tags.h"
#include "swf/sound.h"
#include "swf/movie.h"
#include "swf/place_object.h"

#include <algorithm>

namespace swf {

TFlashSprite::TFlashSprite(TFlashMovie* owner) : TFlashVisualObject(owner) {}
TFlashSprite::~TFlashSprite() = default;

TFlashPlaceObject* TFlashSprite::PlaceObject(TFlashVisualObject* object, uint16_t depth) {
    auto place = std::make_unique<TFlashPlaceObject>(Owner(), object, depth);
    TFlashPlaceObject* raw = place.get();
    controlTags_.push_back(std::move(place));
    maxDepth_ = std::max(maxDepth_, depth);
    if (object != nullptr && Owner() != nullptr)
        Owner()->MoveBefore(object, this);
    return raw;
}

TFlashPlaceObject* TFlashSprite::MoveObject(uint16_t depth) {
    TFlashPlaceObject* place = PlaceObject(nullptr, depth);
    place->SetMove(true);
    return place;
}

void TFlashSprite::RemoveObject(uint16_t depth, TFlashVisualObject* object) {
    if (object != nullptr)
        controlTags_.push_back(std::make_unique<TSWFRemoveObject>(object->CharacterId(), depth));
    else
        controlTags_.push_back(std::make_unique<TSWFRemoveObject2>(depth));
}

void TFlashSprite::SetFrameLabel(std::string label, bool namedAnchor) {
    pendingLabel_ = std::move(label);
    pendingAnchor_ = namedAnchor;
}

TFlashActionScript* TFlashSprite::FrameActions() {
    if (auto* script = dynamic_cast<TFlashActionScript*>(pendingActions_.get()))
        return script;
    auto script = std::make_unique<TFlashActionScript>(Owner());
    TFlashActionScript* raw = script.get();
    pendingActions_ = std::move(script);
    return raw;
}

void TFlashSprite::StartSound(const TFlashSound* sound) { StartSound(sound != nullptr ? sound->CharacterId() : 0); }

void TFlashSprite::StartSound(uint16_t soundId) { controlTags_.push_back(std::make_unique<TSWFStartSound>(soundId)); }

TBasedSWFObject* TFlashSprite::AppendItem(std::unique_ptr<TBasedSWFObject> item) {
    controlTags_.push_back(std::move(item));
    return controlTags_.back().get();
}

void TFlashSprite::ShowFrame(int count) {
    const int frames = std::max(count, 1);
    if (pendingActions_)
        controlTags_.push_back(std::move(pendingActions_));
    if (!pendingLabel_.empty()) {
        controlTags_.push_back(std::make_unique<TSWFFrameLabel>(std::move(pendingLabel_), pendingAnchor_));
        pendingLabel_.clear();
        pendingAnchor_ = false;
    }
    for (int i = 0; i < frames; ++i)
        controlTags_.push_back(std::make_unique<TSWFShowFrame>());
    frameCount_ = uint16_t(frameCount_ + frames);
    currentFrame_ = frameCount_ - 1;
}

int TFlashSprite::MinVersion() const {
    int v = 3;
    for (const auto& item : controlTags_)
        v = std::max(v, item->MinVersion());
    return v;
}

void TFlashSprite::WriteToStream(TBitsEngine& be) {
    if (frameCount_ == 0)
        ShowFrame(1);
    const int version = Owner() != nullptr ? std::max(Owner()->WritingVersion(), 3) : 3;
    const size_t start = BeginTag(be);
    be.WriteWord(CharacterId());
    be.WriteWord(frameCount_);
    for (const auto& item : controlTags_) {
        if (auto* place = dynamic_cast<TFlashPlaceObject*>(item.get()))
            place->SetWriteVersion(version);
        else if (auto* label = dynamic_cast<TSWFFrameLabel*>(item.get()))
            label->Utf8 = version >= 6;
        item->WriteToStream(be);
    }
    const bool endsWithEnd = !controlTags_.empty() && controlTags_.back()->LibraryLevel() == 0 &&
                             static_cast<TSWFObject*>(controlTags_.back().get())->TagCode() == tagEnd;
    if (!endsWithEnd)
        TSWFEnd().WriteToStream(be);
    EndTag(be, start, tagDefineSprite);
    if (initActions_)
        initActions_->WriteToStream(be);
}

} // namespace swf
