#pragma once
// TFlashButton: a button character (DefineButton2, or the old DefineButton) with its state
// records and the actions its events run.

#include "swf/actions.h"
#include "swf/flash_object.h"
#include "swf/records.h"

#include <memory>
#include <optional>
#include <vector>

namespace swf {

class TFlashShape;

// State bits of a button record as this library numbers them.
enum ButtonState : uint8_t { bsUp = 1, bsDown = 2, bsOver = 4, bsHitTest = 8 };

struct TSWFButtonRecord {
    uint8_t States = 0;
    uint16_t CharacterId = 0;
    uint16_t PlaceDepth = 0;
    TSWFMatrix PlaceMatrix;
    std::optional<TSWFColorTransform> ColorTransform;
    bool HasBlendMode = false;
    uint8_t BlendMode = 0;
};

// Condition bits of a condition action as this library numbers them.
enum ButtonCondition : uint16_t {
    bcIdleToOverUp = 1 << 0,
    bcOverUpToIdle = 1 << 1,
    bcOverUpToOverDown = 1 << 2,
    bcOverDownToOverUp = 1 << 3, // release
    bcOutDownToOverDown = 1 << 4,
    bcOverDownToOutDown = 1 << 5,
    bcOutDownToIdle = 1 << 6,
    bcIdleToOverDown = 1 << 7,
    bcOverDownToIdle = 1 << 8,
};

struct TSWFButtonCondAction {
    uint16_t Conditions = 0;
    uint8_t KeyCode = 0; // 7 bits
    TSWFActionList Actions;
};

// The two condition bytes as the file carries them.
uint16_t PackedConditionBits(uint16_t conditions, uint8_t keyCode);

class TFlashButton : public TFlashVisualObject {
public:
    TFlashButton(TFlashMovie* owner, bool trackAsMenu, bool isButton2);

    TSWFButtonRecord* AddRecord(const TFlashIDObject* shape, uint8_t states, uint16_t depth);
    TSWFButtonRecord* AddRecordByID(uint16_t characterId, uint8_t states, uint16_t depth);
    TSWFColorTransform& RecordColorTransform(TSWFButtonRecord* record);

    // The script bound to the release handler (created on first use); for the old button, its one
    // action list.
    TFlashActionScript* OnRelease();
    TFlashActionScript* Actions();
    TSWFButtonCondAction* FindCondition(uint16_t bit, bool create);

    bool IsButton2() const { return isButton2_; }
    bool TrackAsMenu() const { return trackAsMenu_; }
    const std::vector<std::unique_ptr<TSWFButtonRecord>>& Records() const { return records_; }
    const std::vector<std::unique_ptr<TSWFButtonCondAction>>& Conditions() const { return conditions_; }

    // The sound started on a state change, by index: 0 over-up to idle, 1 idle to over-up,
    // 2 over-up to over-down, 3 over-down to over-up (0 = none). Any set sound adds a
    // DefineButtonSound tag after the button.
    void SetStateSound(int index, uint16_t soundId);
    uint16_t StateSound(int index) const { return index >= 0 && index < 4 ? stateSounds_[index] : 0; }

    int MinVersion() const override;
    void WriteToStream(TBitsEngine& be) override;

private:
    void WriteRecord(TBitsEngine& be, const TSWFButtonRecord& record) const;
    void WriteButton2(TBitsEngine& be);
    void WriteButton1(TBitsEngine& be);

    bool trackAsMenu_;
    bool isButton2_;
    std::vector<std::unique_ptr<TSWFButtonRecord>> records_;
    std::vector<std::unique_ptr<TSWFButtonCondAction>> conditions_;
    TSWFActionList actions_; // the old button's one list
    std::unique_ptr<TFlashActionScript> script_;
    uint16_t stateSounds_[4] = {0, 0, 0, 0};
};

} // namespace swf
