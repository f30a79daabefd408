#include "swf/actions.h"
#include "swf/control_tags.h"
#include "swf/font.h"
#include "swf/movie.h"
#include "swf/place_object.h"
#include "swf/shape.h"
#include "swf/sprite.h"
#include "swf/timeline.h"

#include "swf_test_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace swf;
using namespace swf_test;
using vantora::test::TempDir;

namespace {

Bytes bodyOf(TFlashMovie& movie) {
    movie.MakeStream();
    return movie.BodyStream();
}

bool contains(const Bytes& haystack, const Bytes& needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) != haystack.end();
}

} // namespace

// ---------------------------------------------------------------- frame order

TEST(TimelineFrameOrder, MovieAndSpriteWriteLabelThenActionsThenShowFrame) {
    TempDir dir;
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashShape* dot = movie.AddEllipse(0, 0, 10, 10);
    dot->SetSolidColor(0xFF);
    TFlashSprite* sprite = movie.AddSprite(dot);
    // Actions asked for before the label: the order written must not follow the calls.
    sprite->FrameActions()->Stop();
    sprite->SetFrameLabel("inner");
    sprite->ShowFrame();
    movie.PlaceObject(sprite, 1);
    movie.FrameActions()->Play();
    movie.SetFrameLabel("outer");
    movie.ShowFrame();

    const auto s = saveAndCheck(movie, dir);
    EXPECT_EQ(s.codes(), (std::vector<int>{22, 39, 26, 43, 12, 1, 0}));
    EXPECT_EQ(s.find(43)->text("label"), "outer");
    EXPECT_EQ(s.find(12)->text("actions"), "0600");
    const auto* def = s.find(39);
    ASSERT_NE(def, nullptr);
    EXPECT_EQ(def->codes(), (std::vector<int>{26, 43, 12, 1, 0}));
    EXPECT_EQ(def->children[1].text("label"), "inner");
    EXPECT_EQ(def->children[2].text("actions"), "0700");
}

TEST(TimelineFrameOrder, LabelAndActionsBelongToOneFrameOnly) {
    TFlashTimeline timeline(nullptr);
    timeline.SetFrameLabel("first", true);
    timeline.FrameActions()->Stop();
    EXPECT_EQ(timeline.ShowFrame(2), 2);
    EXPECT_EQ(timeline.ShowFrame(0), 1); // 0 counts as one frame
    EXPECT_EQ(timeline.PendingFrameActions(), nullptr);
    std::vector<int> codes;
    for (const auto& item : timeline.Items())
        codes.push_back(item->LibraryLevel() == 0 ? int(static_cast<const TSWFObject&>(*item).TagCode()) : int(tagDoAction));
    EXPECT_EQ(codes, (std::vector<int>{tagFrameLabel, tagDoAction, tagShowFrame, tagShowFrame, tagShowFrame}));
    EXPECT_EQ(timeline.FrameCount(), 3);
    EXPECT_EQ(timeline.CurrentFrame(), 2);
}

TEST(TimelineFrameOrder, FrameActionsAreCreatedOnceAndCollectEveryCall) {
    TFlashTimeline timeline(nullptr);
    TFlashActionScript* first = timeline.FrameActions();
    first->Stop();
    EXPECT_EQ(timeline.FrameActions(), first);
    timeline.FrameActions()->Play();
    EXPECT_EQ(first->List().size(), 2u);
    timeline.ShowFrame();
    EXPECT_NE(timeline.FrameActions(), nullptr);
    EXPECT_TRUE(timeline.FrameActions()->List().empty()); // a fresh one for the next frame
}

// ---------------------------------------------------------------- list operations

TEST(TimelineList, TracksDepthsEndAndVersions) {
    TFlashTimeline timeline(nullptr);
    EXPECT_EQ(timeline.MinVersion(3), 3);
    EXPECT_FALSE(timeline.EndsWithEnd());
    timeline.PlaceObject(nullptr, 7);
    timeline.MoveObject(2)->SetBlendMode(5);
    EXPECT_EQ(timeline.MaxDepth(), 7);
    EXPECT_EQ(timeline.MinVersion(3), 8);
    EXPECT_EQ(timeline.MinVersion(10), 10);
    timeline.Append(std::make_unique<TSWFEnd>());
    EXPECT_TRUE(timeline.EndsWithEnd());
}

TEST(TimelineList, MoveBeforeMovesOnlyALaterItem) {
    TFlashTimeline timeline(nullptr);
    TBasedSWFObject* a = timeline.Append(std::make_unique<TSWFShowFrame>());
    TBasedSWFObject* b = timeline.Append(std::make_unique<TSWFShowFrame>());
    TBasedSWFObject* c = timeline.Append(std::make_unique<TSWFShowFrame>());
    timeline.MoveBefore(a, c); // already before: unchanged
    EXPECT_EQ(timeline.IndexOf(a), 0);
    timeline.MoveBefore(c, a);
    EXPECT_EQ(timeline.IndexOf(c), 0);
    EXPECT_EQ(timeline.IndexOf(a), 1);
    EXPECT_EQ(timeline.IndexOf(b), 2);
    TSWFShowFrame stranger;
    EXPECT_EQ(timeline.IndexOf(&stranger), -1);
    timeline.MoveBefore(&stranger, a); // not in the list: nothing happens
    EXPECT_EQ(timeline.Items().size(), 3u);
}

TEST(TimelineList, WriteReportsFramesAndPlacements) {
    TFlashTimeline timeline(nullptr);
    timeline.RemoveObject(4);
    Bytes out;
    TBitsEngine be(out);
    int beforeFrames = 0;
    TFlashTimeline::TWriteHooks hooks;
    hooks.BeforeShowFrame = [&] { ++beforeFrames; };
    auto result = timeline.WriteItems(be, hooks);
    EXPECT_EQ(result.FramesWritten, 0);
    EXPECT_FALSE(result.PlacementWritten);
    EXPECT_EQ(hex(out), "02070400"); // RemoveObject2 depth 4

    timeline.PlaceObject(nullptr, 1);
    timeline.ShowFrame(2);
    out.clear();
    result = timeline.WriteItems(be, hooks);
    EXPECT_EQ(result.FramesWritten, 2);
    EXPECT_TRUE(result.PlacementWritten);
    EXPECT_EQ(beforeFrames, 2);
}

// ---------------------------------------------------------------- version

TEST(TimelineVersion, EveryItemIsWrittenAtTheVersionTheHeaderStates) {
    // The first label comes before the item that raises the version: it must still be UTF-8.
    TempDir dir;
    TFlashMovie movie(0, 0, 100, 100, 10, true);
    movie.SetVersion(5);
    TFlashShape* shape = movie.AddShape();
    movie.PlaceObject(shape, 1);
    movie.SetFrameLabel("caf\xC3\xA9");
    movie.ShowFrame();
    movie.SetFrameLabel("anchor", true); // needs version 6
    movie.ShowFrame();
    EXPECT_EQ(movie.RequiredVersion(), 6);
    const auto s = saveAndCheck(movie, dir);
    EXPECT_EQ(s.version, 6);
    EXPECT_EQ(s.find(43)->text("label"), "caf\xC3\xA9");
    EXPECT_EQ(s.find(43, 1)->integer("anchor"), 1);
}

TEST(TimelineVersion, SpriteContentsFollowTheMovieVersion) {
    for (int version : {5, 6}) {
        TFlashMovie movie(0, 0, 100, 100, 10, true);
        movie.SetVersion(version);
        TFlashSprite* sprite = movie.AddSprite();
        sprite->PlaceObject(movie.AddShape(), 1)->SetName("\xC3\xA9");
        sprite->SetFrameLabel("\xC3\xA9");
        sprite->ShowFrame();
        movie.PlaceObject(sprite, 1);
        const Bytes b = bodyOf(movie);
        const Bytes ansiName = {0xE9, 0x00};
        const Bytes utf8Name = {0xC3, 0xA9, 0x00};
        EXPECT_EQ(contains(b, utf8Name), version >= 6) << version;
        EXPECT_EQ(contains(b, ansiName), version < 6) << version;
        EXPECT_EQ(movie.Version(), version);
    }
}

TEST(TimelineVersion, AWideFontRaisesTheMovieWhenItIsWritten) {
    TFlashMovie movie(0, 0, 100, 100, 10, true);
    movie.SetVersion(4);
    TFlashFont* font = movie.AddFont({"Arial", 12, false, false, 0}, true);
    EXPECT_EQ(movie.RequiredVersion(), 4);
    font->AddChar(0x263A);
    EXPECT_EQ(movie.RequiredVersion(), 6);
    EXPECT_EQ(movie.Version(), 4); // asking changes nothing
    movie.MakeStream();
    EXPECT_EQ(movie.Version(), 6);
}

TEST(TimelineVersion, TheWriterCarriesTheVersionIntoActionStrings) {
    TFlashActionScript script(nullptr);
    script.Push({std::string("\xC3\xA9")});
    const Bytes v5 = bytesOf([&](TBitsEngine& be) { script.WriteToStream(be); }, 5);
    const Bytes v6 = bytesOf([&](TBitsEngine& be) { script.WriteToStream(be); }, 6);
    EXPECT_EQ(hex(v5), "0703" "960300" "00e900" "00");
    EXPECT_EQ(hex(v6), "0803" "960400" "00c3a900" "00");
}
