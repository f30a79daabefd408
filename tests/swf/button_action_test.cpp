#include "swf/actions.h"
#include "swf/button.h"
#include "swf/errors.h"
#include "swf/shape.h"
#include "swf/sprite.h"

#include "swf_test_helpers.h"

#include <algorithm>
#include <functional>

using namespace swf;
using namespace swf_test;
using vantora::test::TempDir;

namespace {

Bytes actionBytes(const TSWFAction& action, int version = 6) {
    return bytesOf([&](TBitsEngine& be) { action.WriteToStream(be); }, version);
}

// The DoAction body a script writes (header stripped).
Bytes doActionBody(TFlashActionScript& script) {
    const Bytes tag = tagBytes(script);
    return Bytes(tag.begin() + 2, tag.end());
}

} // namespace

// ---------------------------------------------------------------- actions

TEST(SwfActions, RecordEncodings) {
    struct Case { const char* name; std::function<void(TFlashActionScript&)> build; const char* bytes; };
    const Case cases[] = {
        {"Play", [](TFlashActionScript& s) { s.Play(); }, "06"},
        {"Stop", [](TFlashActionScript& s) { s.Stop(); }, "07"},
        {"GotoFrame1", [](TFlashActionScript& s) { s.GotoFrame(1); }, "96050007010000009f010001"},
        {"GotoFrame2Bias", [](TFlashActionScript& s) { s.GotoFrame2(false, 0x0102); }, "9f0300020201"},
        {"GotoFrame2Stop", [](TFlashActionScript& s) { s.GotoFrame2(false); }, "9f010000"},
        {"GetURL", [](TFlashActionScript& s) { s.GetURL("a\xC3\xA9", "_blank"); }, "830b0061c3a9005f626c616e6b00"},
        {"PushMerges", [](TFlashActionScript& s) { s.Push({std::string("x")}); s.Push({int32_t(-1), 1.5}); },
         "9611000078000" "7ffffffff" "06" "0000f83f00000000"},
    };
    for (const Case& c : cases) {
        TFlashActionScript script(nullptr);
        c.build(script);
        Bytes all;
        for (const auto& a : script.List()) {
            const Bytes b = actionBytes(*a);
            all.insert(all.end(), b.begin(), b.end());
        }
        std::string want = c.bytes;
        want.erase(std::remove(want.begin(), want.end(), ' '), want.end());
        EXPECT_EQ(hex(all), want) << c.name;
    }
}

TEST(SwfActions, PushVersionsAndTargetBytes) {
    TSWFActionPush push;
    push.Values = {std::string("a"), 2.0};
    EXPECT_EQ(push.MinVersion(), 4);
    push.Values.emplace_back(int32_t(3));
    EXPECT_EQ(push.MinVersion(), 5);
    // The target is written byte for byte, not converted.
    TSWFActionGetURL url("u", "\xE9");
    EXPECT_EQ(hex(actionBytes(url)), "830400" "7500" "e900");
}

TEST(SwfActions, FrameWithOnlyStopIsDoActionOfTwoBytes) {
    TFlashMovie movie(0, 0, 100, 100, 12, true);
    movie.FrameActions()->Stop();
    EXPECT_EQ(movie.FrameActions(), movie.FrameActions()); // the same script until the frame ends
    ASSERT_NE(dynamic_cast<TFlashActionScript*>(movie.PendingFrameActions()), nullptr);
    EXPECT_EQ(hex(doActionBody(*movie.FrameActions())), "0700");
    movie.ShowFrame();
    EXPECT_EQ(movie.PendingFrameActions(), nullptr);
    EXPECT_EQ(hex(tagBytes(*movie.Objects()[0])), "0203" "0700");
}

// ---------------------------------------------------------------- buttons

TEST(SwfButton, RecordFlagBytesFollowTheFileOrder) {
    EXPECT_EQ(PackedConditionBits(bcOverDownToOverUp, 0), 0x0800);
    struct Bit { uint16_t condition; uint16_t packed; };
    const Bit bits[] = {
        {bcIdleToOverDown, 0x8000}, {bcOutDownToIdle, 0x4000}, {bcOutDownToOverDown, 0x2000},
        {bcOverDownToOutDown, 0x1000}, {bcOverDownToOverUp, 0x0800}, {bcOverUpToOverDown, 0x0400},
        {bcOverUpToIdle, 0x0200}, {bcIdleToOverUp, 0x0100}, {bcOverDownToIdle, 0x0001},
    };
    for (const Bit& b : bits)
        EXPECT_EQ(PackedConditionBits(b.condition, 0), b.packed) << b.condition;
    EXPECT_EQ(PackedConditionBits(0, 0x7F), 0x00FE);

    TFlashMovie movie(0, 0, 100, 100, 12, true);
    TFlashButton* button = movie.AddButton(false, true);
    button->AddRecordByID(5, bsUp | bsHitTest, 1);
    button->AddRecordByID(6, bsOver, 1);
    button->AddRecordByID(7, bsDown, 1);
    const Bytes tag = tagBytes(*button);
    // id, menu, offset 0, three records of flag + id + depth + matrix 00 + cxform 00, end.
    EXPECT_EQ(hex(Bytes(tag.begin() + 2, tag.end())),
              "0100" "00" "0000" "09050001000000" "02060001000000" "04070001000000" "00");
}

TEST(SwfButton, ReleaseActionsShareOneConditionAndSetTheOffset) {
    TFlashMovie movie(0, 0, 100, 100, 12, true);
    TFlashButton* button = movie.AddButton(true, true);
    TSWFButtonRecord* record = button->AddRecordByID(5, bsUp, 2);
    button->RecordColorTransform(record).SetAddR(10);
    button->OnRelease()->Stop();
    button->OnRelease()->Play();
    ASSERT_EQ(button->Conditions().size(), 1u);
    EXPECT_EQ(button->FindCondition(bcOverUpToIdle, false), nullptr);
    button->FindCondition(bcIdleToOverUp, true)->Actions.push_back(std::make_unique<TSWFActionPlay>());
    const Bytes tag = tagBytes(*button);
    const Bytes body(tag.begin() + 2, tag.end());
    // cxform with add terms only: 1 0 nbits=5, 10 0 0 0 (with alpha) -> 10 0101 01010 00000 00000 00000 + pad
    const std::string records = "01" "0500" "0200" "00" "95400000" "00";
    const std::string offset = "0d00"; // 2 + 10 record bytes + 1 end byte
    EXPECT_EQ(hex(body), "0100" "01" + offset + records + "0700" "0800" "070600" "0000" "0100" "0600");
    EXPECT_EQ(body[3 + 0x0d], 0x07); // the first condition record starts where the offset says
}

TEST(SwfButton, OldButtonsAndButtonsWithoutActions) {
    TFlashMovie movie(0, 0, 100, 100, 12, true);
    TFlashButton* old = movie.AddButton(true, false);
    old->AddRecordByID(3, bsUp, 1);
    old->Actions()->Stop();
    EXPECT_FALSE(old->TrackAsMenu());
    EXPECT_EQ(old->MinVersion(), 1);
    const Bytes tag = tagBytes(*old);
    EXPECT_EQ(tag[0] | tag[1] << 8, tagDefineButton << 6 | 11);
    EXPECT_EQ(hex(Bytes(tag.begin() + 2, tag.end())), "0100" "010300010000" "00" "0700");

    TFlashButton* quiet = movie.AddButton(false, true);
    EXPECT_EQ(quiet->MinVersion(), 3);
    const Bytes quietTag = tagBytes(*quiet);
    EXPECT_EQ(hex(Bytes(quietTag.begin() + 2, quietTag.end())), "0200" "00" "0000" "00");
}

TEST(SwfButton, StateSoundsAddADefineButtonSound) {
    TFlashMovie movie(0, 0, 100, 100, 12, true);
    TFlashButton* button = movie.AddButton(false, true);
    button->SetStateSound(3, 9);
    EXPECT_THROW(button->SetStateSound(4, 1), Error);
    const Bytes tags = tagBytes(*button);
    // DefineButton2 (2 + 6 bytes), then DefineButtonSound.
    ASSERT_EQ(tags.size(), 8u + 2 + 11);
    const Bytes sound(tags.begin() + 8, tags.end());
    EXPECT_EQ(sound[0] | sound[1] << 8, tagDefineButtonSound << 6 | 11);
    EXPECT_EQ(hex(Bytes(sound.begin() + 2, sound.end())), "0100" "0000" "0000" "0000" "0900" "00");
}

TEST(SwfButton, ParserReadsButtonRecordsAndConditionActions) {
    TempDir dir;
    TFlashMovie movie(0, 0, 200, 200, 12, true);
    movie.SetVersion(6);
    TFlashShape* up = movie.AddRectangle(0, 0, 50, 20);
    up->SetSolidColor(0x0000FF);
    TFlashShape* over = movie.AddRectangle(0, 0, 50, 20);
    over->SetSolidColor(0x00FF00);
    TFlashButton* button = movie.AddButton(false, true);
    button->AddRecord(up, bsUp | bsHitTest, 1);
    TSWFButtonRecord* overRecord = button->AddRecord(over, bsOver | bsDown, 1);
    button->RecordColorTransform(overRecord).SetAddG(-20);
    button->OnRelease()->GotoFrame(1);
    button->FindCondition(bcIdleToOverUp, true)->Actions.push_back(std::make_unique<TSWFActionStop>());
    movie.PlaceObject(button, 1);
    movie.FrameActions()->Stop();
    movie.ShowFrame();
    const auto s = saveAndCheck(movie, dir);
    ASSERT_TRUE(s.ok) << s.error;
    const auto* tag = s.find(tagDefineButton2);
    ASSERT_NE(tag, nullptr);
    EXPECT_EQ(tag->integer("trackAsMenu"), 0);
    EXPECT_EQ(tag->text("records"), "uh:" + std::to_string(up->CharacterId()) + ":1;od:" + std::to_string(over->CharacterId()) + ":1");
    EXPECT_EQ(tag->text("recordCxforms"), "256,256,256,256,0,0,0,0;256,256,256,256,0,-20,0,0");
    EXPECT_EQ(tag->text("condActions"), "overDownToOverUp/9605000701000000" "9f01000100;idleToOverUp/0700");
    const auto* action = s.find(tagDoAction);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text("actions"), "0700");
}

TEST(SwfSpriteActions, SpriteFrameActionsAreWrittenInsideTheSprite) {
    TFlashMovie movie(0, 0, 100, 100, 12, true);
    TFlashSprite* sprite = movie.AddSprite();
    sprite->FrameActions()->Stop();
    sprite->ShowFrame();
    ASSERT_EQ(sprite->ControlTags().size(), 2u);
    EXPECT_NE(dynamic_cast<TFlashActionScript*>(sprite->ControlTags()[0].get()), nullptr);
}
