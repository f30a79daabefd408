// The demo check: each kind of finding at the edges of its rule, the line that names scene and
// object, and the machine's own probes for fonts and sounds.

#include "movie/demo_check.h"

#include "base/wave_header.h"
#include "model/object_operations.h"
#include "model/scene_operations.h"
#include "model/stop_points.h"
#include "test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vantora {
namespace {

constexpr const char* kMissingFace = "Missing Face";

class DemoCheck : public ::testing::Test {
protected:
    DemoCheck() {
        demo.Width = 800;
        demo.Height = 600;
        probes.fontAvailable = [this](const std::string& family) {
            ++fontQuestions;
            return family != kMissingFace;
        };
        probes.soundDecodes = [](const TDemoObject& audio) { return audio.AudioData.front() != 0xFF; };
    }

    TDemoFrame& scene(const std::string& name = "Intro") {
        TDemoFrame& added = NewScene(demo);
        added.Name = name;
        return added;
    }
    std::vector<DemoFinding> check() { return CheckDemo(demo, probes); }
    std::vector<std::string> lines() {
        std::vector<std::string> text;
        for (const DemoFinding& finding : check())
            text.push_back(FindingLine(demo, finding));
        return text;
    }

    TVantora demo;
    DemoCheckProbes probes;
    int fontQuestions = 0;
};

TEST_F(DemoCheck, AStopPointNeedsAButtonOnTheStageThatGoesOn) {
    TDemoFrame& intro = scene();
    scene("Next");
    demo.FrameRateFactor = 1; // a frame per tenth of a second: the end is exact
    TDemoObject& play = NewObject(intro, TObjectKind::Button, 10, 10); // 0-30, its stop at 15
    ASSERT_EQ(intro.StopPoints, std::vector<std::int32_t>{15});
    EXPECT_TRUE(check().empty());

    AddStopPoint(intro, 28); // the button leaves in the frame of its end minus one: 29 is too late
    AddStopPoint(intro, 29);
    const auto findings = check();
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].kind, DemoFindingKind::StopWithoutContinue);
    EXPECT_EQ(findings[0].object, kNoObject);
    EXPECT_EQ(FindingLine(demo, findings[0]),
              "Scene 1 \"Intro\", stop point at 2.9 s: no button on the stage continues the movie.");

    // What the button does decides: a jump to a scene that exists goes on, one to no scene does not.
    const std::pair<TCommand, std::size_t> actions[] = {
        {{std::uint8_t(TCommandAction::Stop), ""}, 3},
        {{std::uint8_t(TCommandAction::VisitWebSite), "https://example.org"}, 3},
        {{std::uint8_t(TCommandAction::GotoScene), "Next"}, 1},
        {{std::uint8_t(TCommandAction::GotoScene), "Nowhere"}, 3},
        {{std::uint8_t(TCommandAction::PreScene), ""}, 3}, // there is no scene before the first
        {{std::uint8_t(TCommandAction::NextScene), ""}, 1},
    };
    for (const auto& [command, count] : actions) {
        play.Command = command;
        EXPECT_EQ(check().size(), count) << int(command.Action) << " " << command.Param;
    }
}

TEST_F(DemoCheck, ThingsOffTheStageAreFoundAtItsEdges) {
    TDemoFrame& intro = scene();
    NewObject(intro, TObjectKind::Cursor, -7, -4);    // clicks at (0, 0)
    NewObject(intro, TObjectKind::Cursor, 793, 595);  // clicks at (800, 599)
    NewObject(intro, TObjectKind::Shape, 799, 599);   // one pixel on the stage
    NewObject(intro, TObjectKind::Shape, -105, 0);    // 105 wide: ends just left of the stage
    NewObject(intro, TObjectKind::Shape, 0, 600);
    NewObject(intro, TObjectKind::Audio, 5000, 5000); // a sound has no place
    EXPECT_THAT(lines(), ::testing::UnorderedElementsAre(
                             "Scene 1 \"Intro\", Cursor2: clicks at (800, 599), outside the 800 x 600 stage.",
                             "Scene 1 \"Intro\", Shape2: lies wholly off the 800 x 600 stage.",
                             "Scene 1 \"Intro\", Shape3: lies wholly off the 800 x 600 stage."));
}

TEST_F(DemoCheck, EmptyPicturesMissingFontsAndBadSounds) {
    TDemoFrame& intro = scene();
    NewObject(intro, TObjectKind::Image, 0, 0);
    NewObject(intro, TObjectKind::Cursor, 0, 0).Style = 0; // "Custom" without its picture
    NewObject(intro, TObjectKind::Note, 0, 0).Font.Name = kMissingFace;
    NewObject(intro, TObjectKind::Label, 0, 0).Font.Name = kMissingFace;
    NewObject(intro, TObjectKind::Shape, 0, 0).Font.Name = kMissingFace; // draws no text
    NewObject(intro, TObjectKind::Audio, 0, 0).AudioData = {0xFF, 0xFB};
    NewObject(intro, TObjectKind::Audio, 0, 0).AudioData = {0x52, 0x49};
    NewObject(intro, TObjectKind::Audio, 0, 0); // no sound at all
    std::vector<std::pair<std::string, DemoFindingKind>> found;
    for (const DemoFinding& finding : check())
        found.emplace_back(finding.subject, finding.kind);
    EXPECT_EQ(fontQuestions, 1) << "each face is asked about once per check";
    using ::testing::Pair;
    EXPECT_THAT(found, ::testing::UnorderedElementsAre(Pair("Image1", DemoFindingKind::EmptyPicture),
                                                       Pair("Cursor1", DemoFindingKind::EmptyPicture),
                                                       Pair("Note1", DemoFindingKind::MissingFont),
                                                       Pair("Label1", DemoFindingKind::MissingFont),
                                                       Pair("Audio1", DemoFindingKind::UndecodableSound)));
    EXPECT_THAT(lines(), ::testing::Contains("Scene 1 \"Intro\", Note1: uses the font \"Missing Face\", which this "
                                             "machine lacks."));
}

TEST(DemoCheckProbes, TheMachineKnowsArialButNoMadeUpFaceAndReadsAWave) {
    test::ScopedProgramFolder home;
    const DemoCheckProbes probes = SystemCheckProbes();
    EXPECT_TRUE(probes.fontAvailable("Arial")); // served by its metric twin
    EXPECT_FALSE(probes.fontAvailable("Qwzx Nonexistent Grotesk"));
    EXPECT_FALSE(probes.fontAvailable(""));
    TDemoObject audio;
    audio.Kind = TObjectKind::Audio;
    audio.AudioType = "WAV";
    AppendPcmWaveHeader(audio.AudioData, 1, 22050, 16, 200);
    audio.AudioData.resize(audio.AudioData.size() + 200, 0x10);
    EXPECT_TRUE(probes.soundDecodes(audio));
    audio.AudioData.assign(64, 0x42);
    EXPECT_FALSE(probes.soundDecodes(audio));
}

} // namespace
} // namespace vantora
