#pragma once
// The high-level objects' base classes: TFlashObject (knows its movie), TFlashIDObject (a
// character with an ID), TFlashVisualObject (a character with coordinates in the movie's units).

#include "swf/tag_object.h"

#include <cstdint>

namespace swf {

class TFlashMovie;

class TFlashObject : public TBasedSWFObject {
public:
    explicit TFlashObject(TFlashMovie* owner) : owner_(owner) {}
    TFlashMovie* Owner() const { return owner_; }
    void SetOwner(TFlashMovie* owner) {
        owner_ = owner;
        OwnerChanged();
    }
    int LibraryLevel() const override { return 1; }
    // Called after the owner is replaced.
    virtual void OwnerChanged() {}

private:
    TFlashMovie* owner_;
};

class TFlashIDObject : public TFlashObject {
public:
    using TFlashObject::TFlashObject;
    virtual uint16_t GetCharacterId() const { return characterId_; }
    virtual void SetCharacterId(uint16_t id) { characterId_ = id; }
    uint16_t CharacterId() const { return GetCharacterId(); }
    void Assign(const TBasedSWFObject& source) override;

private:
    uint16_t characterId_ = 0;
};

class TFlashVisualObject : public TFlashIDObject {
public:
    using TFlashIDObject::TFlashIDObject;
    // When set, coordinates given to this object are twips already.
    bool Twips() const { return twips_; }
    void SetTwips(bool on) { twips_ = on; }
    // 1 in twips mode or without an owner, else the owner's units multiplier.
    int32_t UnitsMultiplier() const;

private:
    bool twips_ = false;
};

} // namespace swf
