#include "swf/actions.h"

#include "swf/movie.h"
#include "swf/tag_object.h"

#include <algorithm>

namespace swf {

void TSWFAction::WriteToStream(TBitsEngine& be) const {
    be.WriteByte(code_);
    if (code_ < 0x80)
        return;
    std::vector<uint8_t> body;
    TBitsEngine bodyWriter(body, be.Version());
    WriteBody(bodyWriter);
    bodyWriter.FlushBits(true);
    if (body.empty())
        return;
    be.WriteWord(uint16_t(body.size()));
    be.WriteBytes(body);
}

void TSWFActionGetURL::WriteBody(TBitsEngine& be) const {
    be.WriteString(URL, true, true);
    be.WriteBytes(reinterpret_cast<const uint8_t*>(Target.data()), Target.size(), true);
}

void TSWFActionGotoFrame2::WriteBody(TBitsEngine& be) const {
    be.WriteBits(0, 6);
    be.WriteBit(SceneBias != 0);
    be.WriteBit(Play);
    if (SceneBias != 0)
        be.WriteWord(SceneBias);
}

int TSWFActionPush::MinVersion() const {
    const bool stringsAndFloats = std::all_of(Values.begin(), Values.end(),
                                              [](const TPushValue& v) { return !std::holds_alternative<int32_t>(v); });
    return stringsAndFloats ? 4 : 5;
}

void TSWFActionPush::WriteBody(TBitsEngine& be) const {
    for (const TPushValue& value : Values) {
        if (const auto* text = std::get_if<std::string>(&value)) {
            be.WriteByte(0);
            be.WriteString(*text, true, be.Version() >= 6);
        } else if (const auto* integer = std::get_if<int32_t>(&value)) {
            be.WriteByte(7);
            be.WriteDWord(uint32_t(*integer));
        } else {
            be.WriteByte(6);
            be.WriteDouble(std::get<double>(value));
        }
    }
}

void WriteActionList(TBitsEngine& be, const TSWFActionList& actions) {
    for (const auto& action : actions)
        action->WriteToStream(be);
    be.WriteByte(0);
}

int ActionListMinVersion(const TSWFActionList& actions, int floor) {
    int v = floor;
    for (const auto& action : actions)
        v = std::max(v, action->MinVersion());
    return v;
}

TFlashActionScript::TFlashActionScript(TFlashMovie* owner, TSWFActionList* list) : TFlashObject(owner) {
    if (list == nullptr) {
        owned_ = std::make_unique<TSWFActionList>();
        list = owned_.get();
    }
    list_ = list;
}

void TFlashActionScript::Bind(TSWFActionList* list) {
    if (list == nullptr) {
        if (!owned_)
            owned_ = std::make_unique<TSWFActionList>();
        list = owned_.get();
    }
    list_ = list;
}

void TFlashActionScript::Play() { list_->push_back(std::make_unique<TSWFActionPlay>()); }
void TFlashActionScript::Stop() { list_->push_back(std::make_unique<TSWFActionStop>()); }

void TFlashActionScript::GetURL(std::string url, std::string target) {
    list_->push_back(std::make_unique<TSWFActionGetURL>(std::move(url), std::move(target)));
}

void TFlashActionScript::GotoFrame(int32_t frame) {
    auto push = std::make_unique<TSWFActionPush>();
    push->Values.emplace_back(frame);
    list_->push_back(std::move(push));
    GotoFrame2(true);
}

void TFlashActionScript::GotoFrame2(bool play, uint16_t sceneBias) {
    list_->push_back(std::make_unique<TSWFActionGotoFrame2>(play, sceneBias));
}

void TFlashActionScript::Push(const std::vector<TPushValue>& values) {
    auto* last = list_->empty() ? nullptr : dynamic_cast<TSWFActionPush*>(list_->back().get());
    if (last == nullptr) {
        list_->push_back(std::make_unique<TSWFActionPush>());
        last = static_cast<TSWFActionPush*>(list_->back().get());
    }
    last->Values.insert(last->Values.end(), values.begin(), values.end());
}

void TFlashActionScript::WriteToStream(TBitsEngine& be) {
    const size_t start = BeginTag(be);
    WriteActionList(be, *list_);
    EndTag(be, start, tagDoAction);
}

} // namespace swf
