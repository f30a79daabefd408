#include "swf/place_object.h"

#include "swf/movie.h"

namespace swf {

TFlashPlaceObject::TFlashPlaceObject(TFlashMovie* owner, TFlashVisualObject* placed, uint16_t depth)
    : TFlashObject(owner), placed_(placed), depth_(depth) {
    if (placed != nullptr)
        SetCharacterId(placed->CharacterId());
}

TSWFMatrix& TFlashPlaceObject::Matrix() {
    if (!matrix_)
        matrix_.emplace();
    return *matrix_;
}

TSWFColorTransform& TFlashPlaceObject::ColorTransform() {
    if (!colorTransform_) {
        colorTransform_.emplace();
        colorTransform_->SetHasAlpha(true);
    }
    return *colorTransform_;
}

void TFlashPlaceObject::SetTranslate(int32_t x, int32_t y) {
    if (x == 0 && y == 0 && !matrix_ && !move_)
        return;
    const int32_t m = Owner() != nullptr ? Owner()->UnitsMultiplier() : 1;
    Matrix().SetTranslate(x * m, y * m);
}

int TFlashPlaceObject::MinVersion() const {
    if (blendMode_ > 1 || cacheAsBitmap_)
        return 8;
    return 3;
}

void TFlashPlaceObject::WriteBody(TBitsEngine& be) const {
    const bool v3 = UsesPlaceObject3();
    uint8_t flags = 0;
    if (clipDepth_) flags |= 0x40;
    if (name_) flags |= 0x20;
    if (ratio_) flags |= 0x10;
    if (colorTransform_) flags |= 0x08;
    if (matrix_) flags |= 0x04;
    if (hasCharacter_) flags |= 0x02;
    if (move_) flags |= 0x01;
    be.WriteByte(flags);
    if (v3)
        be.WriteByte(uint8_t((cacheAsBitmap_ ? 0x04 : 0) | (blendMode_ > 1 ? 0x02 : 0)));
    be.WriteWord(depth_);
    if (hasCharacter_)
        be.WriteWord(characterId_);
    if (matrix_)
        be.WriteMatrix(*matrix_);
    if (colorTransform_)
        be.WriteColorTransform(*colorTransform_);
    if (ratio_)
        be.WriteWord(*ratio_);
    if (name_)
        be.WriteString(*name_, true, be.Version() >= 6);
    if (clipDepth_)
        be.WriteWord(*clipDepth_);
    if (v3) {
        if (blendMode_ > 1)
            be.WriteByte(blendMode_);
        if (cacheAsBitmap_)
            be.WriteByte(1);
    }
}

void TFlashPlaceObject::WriteToStream(TBitsEngine& be) {
    const uint16_t code = UsesPlaceObject3() ? tagPlaceObject3 : tagPlaceObject2;
    const size_t start = BeginTag(be);
    WriteBody(be);
    EndTag(be, start, code);
}

} // namespace swf
