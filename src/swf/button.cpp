#include "swf/button.h"

#include "swf/errors.h"
#include "swf/movie.h"
#include "swf/tag_object.h"

#include <algorithm>

namespace swf {

uint16_t PackedConditionBits(uint16_t c, uint8_t keyCode) {
    // First byte, most significant first: idle->over-down, out-down->idle, out-down->over-down,
    // over-down->out-down, over-down->over-up, over-up->over-down, over-up->idle, idle->over-up.
    const int firstOrder[8] = {7, 6, 4, 5, 3, 2, 1, 0};
    uint16_t first = 0;
    for (int bit : firstOrder)
        first = uint16_t(first << 1 | ((c >> bit) & 1));
    const uint16_t second = uint16_t((keyCode & 0x7F) << 1 | ((c >> 8) & 1));
    return uint16_t(first << 8 | second);
}

TFlashButton::TFlashButton(TFlashMovie* owner, bool trackAsMenu, bool isButton2)
    : TFlashVisualObject(owner), trackAsMenu_(trackAsMenu && isButton2), isButton2_(isButton2) {}

TSWFButtonRecord* TFlashButton::AddRecord(const TFlashIDObject* shape, uint8_t states, uint16_t depth) {
    return AddRecordByID(shape != nullptr ? shape->CharacterId() : 0, states, depth);
}

TSWFButtonRecord* TFlashButton::AddRecordByID(uint16_t characterId, uint8_t states, uint16_t depth) {
    auto record = std::make_unique<TSWFButtonRecord>();
    record->States = states;
    record->CharacterId = characterId;
    record->PlaceDepth = depth;
    if (isButton2_)
        RecordColorTransform(record.get());
    records_.push_back(std::move(record));
    return records_.back().get();
}

TSWFColorTransform& TFlashButton::RecordColorTransform(TSWFButtonRecord* record) {
    if (!record->ColorTransform) {
        record->ColorTransform.emplace();
        record->ColorTransform->SetHasAlpha(true);
    }
    return *record->ColorTransform;
}

TSWFButtonCondAction* TFlashButton::FindCondition(uint16_t bit, bool create) {
    for (const auto& condition : conditions_)
        if ((condition->Conditions & bit) != 0)
            return condition.get();
    if (!create)
        return nullptr;
    conditions_.push_back(std::make_unique<TSWFButtonCondAction>());
    conditions_.back()->Conditions = bit;
    return conditions_.back().get();
}

TFlashActionScript* TFlashButton::OnRelease() {
    if (!isButton2_)
        return Actions();
    TSWFActionList* list = &FindCondition(bcOverDownToOverUp, true)->Actions;
    if (!script_)
        script_ = std::make_unique<TFlashActionScript>(Owner(), list);
    else
        script_->Bind(list);
    return script_.get();
}

TFlashActionScript* TFlashButton::Actions() {
    if (isButton2_)
        return OnRelease();
    if (!script_)
        script_ = std::make_unique<TFlashActionScript>(Owner(), &actions_);
    else
        script_->Bind(&actions_);
    return script_.get();
}

int TFlashButton::MinVersion() const {
    int v = isButton2_ ? 3 : 1;
    for (const auto& condition : conditions_)
        v = std::max(v, ActionListMinVersion(condition->Actions, 1));
    return std::max(v, ActionListMinVersion(actions_, 1));
}

void TFlashButton::WriteRecord(TBitsEngine& be, const TSWFButtonRecord& r) const {
    be.WriteBits(0, 2);
    be.WriteBit(isButton2_ && r.HasBlendMode);
    be.WriteBit(false); // no filter list
    be.WriteBit((r.States & bsHitTest) != 0);
    be.WriteBit((r.States & bsDown) != 0);
    be.WriteBit((r.States & bsOver) != 0);
    be.WriteBit((r.States & bsUp) != 0);
    be.WriteWord(r.CharacterId);
    be.WriteWord(r.PlaceDepth);
    be.WriteMatrix(r.PlaceMatrix);
    if (!isButton2_)
        return;
    TSWFColorTransform cx = r.ColorTransform.value_or(TSWFColorTransform());
    cx.SetHasAlpha(true);
    be.WriteColorTransform(cx);
    if (r.HasBlendMode)
        be.WriteByte(r.BlendMode);
}

void TFlashButton::WriteButton2(TBitsEngine& be) {
    be.WriteWord(CharacterId());
    be.WriteByte(trackAsMenu_ ? 1 : 0);
    const size_t offsetField = be.Position();
    be.WriteWord(0);
    for (const auto& record : records_)
        WriteRecord(be, *record);
    be.WriteByte(0);
    if (conditions_.empty())
        return;
    std::vector<uint8_t>& out = be.Buffer();
    const size_t actionOffset = out.size() - offsetField;
    if (actionOffset > 0xFFFF)
        throw Error("button " + std::to_string(CharacterId()) + ": too many records for the action offset");
    out[offsetField] = uint8_t(actionOffset);
    out[offsetField + 1] = uint8_t(actionOffset >> 8);
    for (size_t i = 0; i < conditions_.size(); ++i) {
        const TSWFButtonCondAction& condition = *conditions_[i];
        const size_t sizeField = be.Position();
        be.WriteWord(0);
        const uint16_t bits = PackedConditionBits(condition.Conditions, condition.KeyCode);
        be.WriteByte(uint8_t(bits >> 8));
        be.WriteByte(uint8_t(bits));
        WriteActionList(be, condition.Actions);
        if (i + 1 == conditions_.size())
            break; // the last record's size stays 0
        const size_t size = out.size() - sizeField;
        if (size > 0xFFFF)
            throw Error("button " + std::to_string(CharacterId()) + ": condition action too long");
        out[sizeField] = uint8_t(size);
        out[sizeField + 1] = uint8_t(size >> 8);
    }
}

void TFlashButton::WriteButton1(TBitsEngine& be) {
    be.WriteWord(CharacterId());
    for (const auto& record : records_)
        WriteRecord(be, *record);
    be.WriteByte(0);
    WriteActionList(be, actions_);
}

void TFlashButton::SetStateSound(int index, uint16_t soundId) {
    if (index < 0 || index >= 4)
        throw Error("button " + std::to_string(CharacterId()) + ": no button state sound " + std::to_string(index));
    stateSounds_[index] = soundId;
}

void TFlashButton::WriteToStream(TBitsEngine& be) {
    const size_t start = BeginTag(be);
    if (isButton2_)
        WriteButton2(be);
    else
        WriteButton1(be);
    EndTag(be, start, isButton2_ ? tagDefineButton2 : tagDefineButton);
    if (std::all_of(std::begin(stateSounds_), std::end(stateSounds_), [](uint16_t id) { return id == 0; }))
        return;
    const size_t soundStart = BeginTag(be);
    be.WriteWord(CharacterId());
    for (uint16_t id : stateSounds_) {
        be.WriteWord(id);
        if (id != 0)
            be.WriteByte(0); // plain start: no options
    }
    EndTag(be, soundStart, tagDefineButtonSound);
}

} // namespace swf
