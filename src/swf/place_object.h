#pragma once
// TFlashPlaceObject: one placement on a timeline, written as PlaceObject2 (or PlaceObject3 when a
// blend mode or bitmap caching is asked for).

#include "swf/flash_object.h"

#include <memory>
#include <optional>
#include <string>

namespace swf {

class TFlashVisualObject;

class TFlashPlaceObject : public TFlashObject {
public:
    // `placed` may be null for a modify-only placement.
    TFlashPlaceObject(TFlashMovie* owner, TFlashVisualObject* placed, uint16_t depth);

    TFlashVisualObject* PlacedObject() const { return placed_; }
    uint16_t Depth() const { return depth_; }

    bool HasCharacter() const { return hasCharacter_; }
    uint16_t CharacterId() const { return characterId_; }
    void SetCharacterId(uint16_t id) { characterId_ = id; hasCharacter_ = true; }

    // The matrix, created (and flagged) on first use.
    TSWFMatrix& Matrix();
    bool HasMatrix() const { return matrix_.has_value(); }
    // The colour transform with alpha, created (and flagged) on first use.
    TSWFColorTransform& ColorTransform();
    bool HasColorTransform() const { return colorTransform_.has_value(); }

    void SetRotate(double degrees) { Matrix().SetRotate(degrees); }
    void SetScale(double scaleX, double scaleY) { Matrix().SetScale(scaleX, scaleY); }
    // In the movie's units. A placement at (0, 0) gets no matrix unless it already has one or moves.
    void SetTranslate(int32_t x, int32_t y);

    void SetRatio(uint16_t ratio) { ratio_ = ratio; }
    void SetMove(bool move) { move_ = move; }
    bool Move() const { return move_; }
    void SetName(std::string name) { name_ = std::move(name); }
    void SetClipDepth(uint16_t depth) { clipDepth_ = depth; }
    void SetBlendMode(uint8_t mode) { blendMode_ = mode; }
    void SetCacheAsBitmap(bool on) { cacheAsBitmap_ = on; }

    bool UsesPlaceObject3() const { return blendMode_ > 1 || cacheAsBitmap_; }
    int MinVersion() const override;
    void WriteToStream(TBitsEngine& be) override;

private:
    void WriteBody(TBitsEngine& be) const;

    TFlashVisualObject* placed_;
    uint16_t depth_;
    bool hasCharacter_ = false;
    uint16_t characterId_ = 0;
    bool move_ = false;
    std::optional<TSWFMatrix> matrix_;
    std::optional<TSWFColorTransform> colorTransform_;
    std::optional<uint16_t> ratio_;
    std::optional<std::string> name_;
    std::optional<uint16_t> clipDepth_;
    uint8_t blendMode_ = 0;
    bool cacheAsBitmap_ = false;
};

} // namespace swf
