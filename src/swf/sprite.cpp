#include "swf/sprite.h"

#include "swf/control_tags.h"
#include "swf/movie.h"
#include "swf/place_object.h"
#include "swf/sound.h"

#include <algorithm>

namespace swf {

TFlashSprite::TFlashSprite(TFlashMovie* owner) : TFlashVisualObject(owner), timeline_(owner) {}
TFlashSprite::~TFlashSprite() = default;

TFlashPlaceObject* TFlashSprite::PlaceObject(TFlashVisualObject* object, uint16_t depth) {
    TFlashPlaceObject* place = timeline_.PlaceObject(object, depth);
    if (object != nullptr && Owner() != nullptr)
        Owner()->MoveBefore(object, this);
    return place;
}

void TFlashSprite::StartSound(const TFlashSound* sound) { StartSound(sound != nullptr ? sound->CharacterId() : 0); }

void TFlashSprite::StartSound(uint16_t soundId) { timeline_.Append(std::make_unique<TSWFStartSound>(soundId)); }

int TFlashSprite::MinVersion() const { return timeline_.MinVersion(3); }

void TFlashSprite::WriteToStream(TBitsEngine& be) {
    if (timeline_.FrameCount() == 0)
        timeline_.ShowFrame(1);
    const size_t start = BeginTag(be);
    be.WriteWord(CharacterId());
    be.WriteWord(timeline_.FrameCount());
    timeline_.WriteItems(be);
    if (!timeline_.EndsWithEnd())
        TSWFEnd().WriteToStream(be);
    EndTag(be, start, tagDefineSprite);
    if (initActions_)
        initActions_->WriteToStream(be);
}

} // namespace swf
