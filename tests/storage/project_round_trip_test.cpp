// Saving and loading valid projects: load-then-save gives the same bytes, and every stored field
// comes back, including those no grid shows.

#include "storage/project_file.h"

#include "sample_projects.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vantora {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes serialize(const TVantora& demo) {
    Bytes bytes;
    const StorageResult result = SerializeProject(demo, bytes);
    EXPECT_TRUE(result) << result.message;
    return bytes;
}

const TDemoObject& objectOfKind(const TDemoFrame& scene, TObjectKind kind) {
    for (const auto& object : scene.Objects)
        if (object->Kind == kind)
            return *object;
    throw std::runtime_error("no object of that kind");
}

TEST(ProjectRoundTrip, LoadThenSaveReproducesTheBytes) {
    const Bytes original = serialize(*test::MakeEveryKindDemo());
    TVantora loaded;
    ASSERT_TRUE(ParseProject(original, loaded));
    EXPECT_EQ(serialize(loaded), original);
}

TEST(ProjectRoundTrip, EveryKindAndEveryPictureFormatComesBack) {
    const auto demo = test::MakeEveryKindDemo();
    TVantora loaded;
    ASSERT_TRUE(ParseProject(serialize(*demo), loaded));
    ASSERT_EQ(loaded.Scenes.size(), 2u);
    const TDemoFrame& first = *loaded.Scenes[0];
    ASSERT_EQ(first.Objects.size(), static_cast<std::size_t>(kObjectKindCount));
    for (std::size_t i = 0; i < first.Objects.size(); ++i) {
        EXPECT_EQ(first.Objects[i]->Kind, demo->Scenes[0]->Objects[i]->Kind);
        EXPECT_EQ(first.Objects[i]->Name, demo->Scenes[0]->Objects[i]->Name);
    }
    EXPECT_EQ(first.BackImage.format(), PictureFormat::Png); // stored as TPNGObject, back as PNG
    EXPECT_EQ(objectOfKind(first, TObjectKind::Image).Picture.format(), PictureFormat::Jpeg);
    EXPECT_EQ(objectOfKind(first, TObjectKind::Cursor).Picture.format(), PictureFormat::Icon);
    EXPECT_EQ(objectOfKind(first, TObjectKind::Button).Picture.format(), PictureFormat::Gif);
    const TDemoFrame& second = *loaded.Scenes[1];
    EXPECT_EQ(second.Objects[0]->Picture.format(), PictureFormat::Bitmap);
    EXPECT_EQ(second.Objects[1]->Picture.format(), PictureFormat::Metafile);
    EXPECT_EQ(second.BackImage.bytes(), demo->Scenes[1]->BackImage.bytes());
    EXPECT_EQ(second.BackImageStyle, 2);
    for (const auto& scene : loaded.Scenes)
        EXPECT_EQ(scene->Demo, &loaded);
}

TEST(ProjectRoundTrip, SoundsStopPointsAndActionsComeBack) {
    const auto demo = test::MakeEveryKindDemo();
    TVantora loaded;
    ASSERT_TRUE(ParseProject(serialize(*demo), loaded));
    const TDemoObject& audio = objectOfKind(*loaded.Scenes[0], TObjectKind::Audio);
    EXPECT_EQ(audio.AudioType, "WAV");
    EXPECT_EQ(audio.AudioData, test::SampleWav());
    EXPECT_EQ(loaded.Scenes[0]->StopPoints, demo->Scenes[0]->StopPoints);
    EXPECT_GE(loaded.Scenes[0]->StopPoints.size(), 2u);
    const TDemoObject& button = objectOfKind(*loaded.Scenes[0], TObjectKind::Button);
    EXPECT_EQ(button.Command, (TCommand{7, "Scene2"}));
}

TEST(ProjectRoundTrip, HiddenFieldsSurvive) {
    const auto demo = test::MakeEveryKindDemo();
    TVantora loaded;
    ASSERT_TRUE(ParseProject(serialize(*demo), loaded));
    const TDemoObject& note = objectOfKind(*loaded.Scenes[0], TObjectKind::Note);
    EXPECT_EQ(note.GraphicPlacement, 3);
    EXPECT_EQ(note.Animation.Fade.ChangeSpeed, 17);
    EXPECT_EQ(note.Animation.Fade.OutChangeSpeed, -17);
    EXPECT_EQ(note.Animation.Green, (TAnimationChannel{2, -20, 3, 11, 40, 6, 13}));
    EXPECT_EQ(note.Animation.Blue, (TAnimationChannel{1, 255, 2, -3, 0, 9, 4}));
    EXPECT_EQ(loaded.Scenes[0]->Animation.Red, (TAnimationChannel{1, 50, 4, 7, 60, 5, 9}));
    EXPECT_EQ(loaded.Scenes[0]->Animation.CustomCenterY, 34);
    EXPECT_EQ(note.Text, "Line one\r\nLine two: naïve façade");
    EXPECT_TRUE(note.Font.Italic && note.Font.StrikeOut);
    EXPECT_EQ(loaded.Name, demo->Name);
    EXPECT_EQ(loaded.FrameRateFactor, 4);
}

TEST(ProjectRoundTrip, TextsOutsideTheCodePageAreStoredAsQuestionMarks) {
    TVantora demo;
    demo.Name = "Demo \u4E2D\u6587";
    TVantora loaded;
    ASSERT_TRUE(ParseProject(serialize(demo), loaded));
    EXPECT_EQ(loaded.Name, "Demo ??");
}

TEST(ProjectFile, SaveAndLoadThroughAFile) {
    test::TempDir dir;
    const auto demo = test::MakeEveryKindDemo();
    const auto file = dir / "every kind.vtp";
    ASSERT_TRUE(SaveProject(file, *demo));
    EXPECT_EQ(test::readFileBytes(file), serialize(*demo));

    TVantora loaded;
    loaded.Changes.setModified(true);
    const StorageResult result = LoadProject(file, loaded);
    ASSERT_TRUE(result) << result.message;
    EXPECT_FALSE(loaded.Changes.modified());
    EXPECT_EQ(loaded.Scenes.size(), 2u);
}

TEST(ProjectFile, LoadingReplacesTheScenesOfTheOpenDemo) {
    test::TempDir dir;
    const auto file = dir / "small.vtp";
    ASSERT_TRUE(SaveProject(file, *test::MakeSmallDemo()));
    auto open = test::MakeEveryKindDemo();
    ASSERT_TRUE(LoadProject(file, *open));
    EXPECT_EQ(open->Scenes.size(), 1u);
    EXPECT_EQ(open->Name, "Demo");
    EXPECT_EQ(open->FrameRateFactor, 2);
}

TEST(ProjectFile, SaveAndLoadReportProgressPerScene) {
    std::vector<std::string> events;
    ProgressObserver progress;
    progress.open = [&](std::string_view label, int maximum) { events.push_back(std::string(label) + " 0.." + std::to_string(maximum)); };
    progress.advance = [&](int position) { events.push_back(std::to_string(position)); };
    progress.close = [&] { events.push_back("closed"); };
    Bytes bytes;
    ASSERT_TRUE(SerializeProject(*test::MakeEveryKindDemo(), bytes, &progress));
    TVantora loaded;
    ASSERT_TRUE(ParseProject(bytes, loaded, &progress));
    EXPECT_EQ(events, (std::vector<std::string>{"Save Project 0..2", "1", "2", "closed", "Load Project 0..2", "1", "2",
                                                "closed"}));
}

// The committed fixtures were written by this program; loading and saving them again must give the
// same bytes. VANTORA_WRITE_FIXTURES=1 rewrites them from the sample demos.
class Fixtures : public ::testing::TestWithParam<const char*> {};

TEST_P(Fixtures, ResaveIdentically) {
    const auto path = test::dataFile(std::string("storage/") + GetParam());
    if (const char* write = std::getenv("VANTORA_WRITE_FIXTURES"); write && std::string(write) == "1") {
        const auto demo = std::string(GetParam()) == "every_kind.vtp" ? test::MakeEveryKindDemo() : test::MakeSmallDemo();
        ASSERT_TRUE(SaveProject(path, *demo));
    }
    const auto bytes = test::readFileBytes(path);
    TVantora loaded;
    const StorageResult result = LoadProject(path, loaded);
    ASSERT_TRUE(result) << result.message;
    EXPECT_FALSE(loaded.Scenes.empty());
    EXPECT_EQ(serialize(loaded), bytes);
}

INSTANTIATE_TEST_SUITE_P(Storage, Fixtures, ::testing::Values("every_kind.vtp", "small.vtp"));

} // namespace
} // namespace vantora
