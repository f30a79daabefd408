#pragma once
// Action records (the byte code of frame and button actions), the action list that owns them,
// the DoAction tag and TFlashActionScript, the builder that appends to a bound list.

#include "swf/flash_object.h"

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace swf {

enum ActionCode : uint8_t {
    actionPlay = 0x06,
    actionStop = 0x07,
    actionGetURL = 0x83,
    actionPush = 0x96,
    actionGotoFrame2 = 0x9F,
};

class TSWFAction {
public:
    explicit TSWFAction(uint8_t code) : code_(code) {}
    virtual ~TSWFAction() = default;
    uint8_t ActionCode() const { return code_; }
    virtual int MinVersion() const { return 1; }
    // The code byte; for codes from 0x80 on, the body length and the body (at the writer's version).
    void WriteToStream(TBitsEngine& be) const;

protected:
    virtual void WriteBody(TBitsEngine& be) const { (void)be; }

private:
    uint8_t code_;
};

class TSWFActionPlay : public TSWFAction {
public:
    TSWFActionPlay() : TSWFAction(actionPlay) {}
};

class TSWFActionStop : public TSWFAction {
public:
    TSWFActionStop() : TSWFAction(actionStop) {}
};

class TSWFActionGetURL : public TSWFAction {
public:
    TSWFActionGetURL(std::string url, std::string target)
        : TSWFAction(actionGetURL), URL(std::move(url)), Target(std::move(target)) {}
    std::string URL;    // UTF-8, written as UTF-8
    std::string Target; // written byte for byte
protected:
    void WriteBody(TBitsEngine& be) const override;
};

class TSWFActionGotoFrame2 : public TSWFAction {
public:
    TSWFActionGotoFrame2(bool play, uint16_t sceneBias) : TSWFAction(actionGotoFrame2), Play(play), SceneBias(sceneBias) {}
    int MinVersion() const override { return 4; }
    bool Play;
    uint16_t SceneBias; // written with its flag when not 0
protected:
    void WriteBody(TBitsEngine& be) const override;
};

// A pushed value: a string, an integer (type 7) or a floating value (type 6).
using TPushValue = std::variant<std::string, int32_t, double>;

class TSWFActionPush : public TSWFAction {
public:
    TSWFActionPush() : TSWFAction(actionPush) {}
    // 4 with only strings and floats, else 5.
    int MinVersion() const override;
    std::vector<TPushValue> Values;
protected:
    void WriteBody(TBitsEngine& be) const override;
};

using TSWFActionList = std::vector<std::unique_ptr<TSWFAction>>;

// The records in order and the end byte 0x00.
void WriteActionList(TBitsEngine& be, const TSWFActionList& actions);
// The highest MinVersion of the records, at least `floor`.
int ActionListMinVersion(const TSWFActionList& actions, int floor);

class TFlashActionScript : public TFlashObject {
public:
    // With its own list when `list` is null.
    explicit TFlashActionScript(TFlashMovie* owner, TSWFActionList* list = nullptr);

    void Bind(TSWFActionList* list);
    TSWFActionList& List() { return *list_; }
    const TSWFActionList& List() const { return *list_; }
    bool OwnsList() const { return owned_ != nullptr; }

    void Play();
    void Stop();
    void GetURL(std::string url, std::string target);
    // Push of the frame number, then GotoFrame2 with the play flag.
    void GotoFrame(int32_t frame);
    void GotoFrame2(bool play, uint16_t sceneBias = 0);
    // Onto the last action when that is a Push, else onto a new one.
    void Push(const std::vector<TPushValue>& values);

    int MinVersion() const override { return ActionListMinVersion(*list_, 1); }
    // A DoAction tag with the bound list.
    void WriteToStream(TBitsEngine& be) override;

private:
    std::unique_ptr<TSWFActionList> owned_;
    TSWFActionList* list_;
};

} // namespace swf
