// vantora-build end to end: the real program on real project files.

#include "model/object_operations.h"
#include "model/scene_operations.h"
#include "model/stop_points.h"
#include "storage/project_file.h"

#include "swf_check.h"
#include "test_support.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>

namespace vantora {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int status;
    std::string out;
};

std::string quoted(const std::string& text) { return "'" + text + "'"; }

// Runs the tool; standard error goes to `errFile` so both streams can be checked.
ToolRun runTool(const std::string& arguments, const fs::path& errFile) {
    ToolRun run;
    run.status = test::runCommand(quoted(VANTORA_BUILD_TOOL) + " " + arguments + " 2>" + quoted(errFile.string()), run.out);
    return run;
}

std::string readText(const fs::path& file) {
    const auto bytes = test::readFileBytes(file);
    return std::string(bytes.begin(), bytes.end());
}

class BuildTool : public ::testing::Test {
protected:
    test::ScopedProgramFolder home_; // the movie builder keeps work files here
    test::TempDir dir_;
    fs::path err_ = dir_ / "stderr.txt";
    fs::path fixture_ = test::dataFile("storage/every_kind.vtp");
};

TEST_F(BuildTool, InfoPrintsTheProjectAsJson) {
    const ToolRun run = runTool("--info " + quoted(fixture_.string()), err_);
    ASSERT_EQ(run.status, 0) << readText(err_);
    EXPECT_EQ(run.out.rfind("{\n  \"Name\": \"Every kind – “demo” €\",\n  \"Width\": 800,", 0), 0u) << run.out.substr(0, 200);
    for (const char* expected :
         {"\"Format\": \"TPNGObject\"", "\"Format\": \"TJPEGImage\"", "\"Format\": \"TGIFImage\"", "\"Format\": \"TIcon\"",
          "\"Format\": \"TBitmap\"", "\"Format\": \"TMetafile\"", "\"AudioType\": \"WAV\"", "\"AudioType\": \"MP3\"",
          "\"Kind\": \"RoundBalloon\"", "\"Kind\": \"Balloon\"", "\"GraphicPlacement\": 3", "\"OutChangeSpeed\": -17",
          "\"Param\": \"Scene2\"", "\"StopPoints\": [", "\"Text\": \"Line one\\r\\nLine two: naïve façade\""})
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected;
    EXPECT_EQ(readText(err_), "");
}

TEST_F(BuildTool, ResaveWritesTheSameBytes) {
    const fs::path out = dir_ / "copy.vtp";
    const ToolRun run = runTool("--resave " + quoted(fixture_.string()) + " -o " + quoted(out.string()), err_);
    ASSERT_EQ(run.status, 0) << readText(err_);
    EXPECT_EQ(test::readFileBytes(out), test::readFileBytes(fixture_));
}

TEST_F(BuildTool, ADamagedProjectPrintsTheErrorMessageAndFails) {
    auto bytes = test::readFileBytes(fixture_);
    bytes.resize(bytes.size() / 2);
    const fs::path damaged = dir_ / "damaged.vtp";
    test::writeFileBytes(damaged, bytes);
    const fs::path out = dir_ / "never.vtp";
    const ToolRun run = runTool("--resave " + quoted(damaged.string()) + " -o " + quoted(out.string()), err_);
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.out, "");
    TVantora probe;
    const StorageResult expected = LoadProject(damaged, probe);
    ASSERT_FALSE(expected);
    EXPECT_EQ(readText(err_), expected.message + "\n");
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(BuildTool, AMissingProjectReportsTheOpenError) {
    const ToolRun run = runTool("--info " + quoted((dir_ / "none.vtp").string()), err_);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(readText(err_).find("/1008)"), std::string::npos) << readText(err_);
}

TEST_F(BuildTool, HelpVersionAndUsageErrors) {
    const ToolRun help = runTool("--help", err_);
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--resave PROJECT.vtp -o OUT.vtp"), std::string::npos);
    const ToolRun version = runTool("--version", err_);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("vantora-build ", 0), 0u);
    const ToolRun wrong = runTool("--bogus", err_);
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(readText(err_).find("Unknown option \"--bogus\""), std::string::npos);
}

TEST_F(BuildTool, BuildsTheWholeDemoIntoAMovie) {
    TVantora demo;
    ASSERT_TRUE(LoadProject(fixture_, demo));
    const fs::path movie = dir_ / "out" / "movie.swf"; // the folder is made
    const ToolRun run = runTool(quoted(fixture_.string()) + " -o " + quoted(movie.string()), err_);
    ASSERT_EQ(run.status, 0) << readText(err_);
    EXPECT_NE(readText(err_).find("Create Movie"), std::string::npos) << "progress shows on the terminal";
    const test::SwfSummary parsed = test::checkSwf(movie);
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.signature, "CWS");
    EXPECT_EQ(parsed.version, 6);
    EXPECT_EQ(parsed.xMax, demo.Width * 20);
    EXPECT_EQ(parsed.yMax, demo.Height * 20);
    int frames = 0;
    for (const auto& scene : demo.Scenes)
        frames += scene->Length * demo.FrameRateFactor;
    EXPECT_EQ(parsed.frameCount, frames);
}

TEST_F(BuildTool, AMovieNamedWithoutExtensionGetsSwf) {
    const ToolRun run = runTool(quoted(fixture_.string()) + " -o " + quoted((dir_ / "tour").string()), err_);
    ASSERT_EQ(run.status, 0) << readText(err_);
    EXPECT_TRUE(fs::exists(dir_ / "tour.swf"));
    EXPECT_FALSE(fs::exists(dir_ / "tour"));
}

// --check prints the check's lines and tells by its status whether there were any.
TEST_F(BuildTool, CheckPrintsOneFindingALineAndFailsOnlyWithFindings) {
    TVantora demo;
    demo.Width = 320;
    demo.Height = 200;
    TDemoFrame& scene = NewScene(demo);
    const fs::path clean = dir_ / "clean.vtp";
    ASSERT_TRUE(SaveProject(clean, demo));
    NewObject(scene, TObjectKind::Shape, 400, 10);
    AddStopPoint(scene, 50);
    const fs::path stuck = dir_ / "stuck.vtp";
    ASSERT_TRUE(SaveProject(stuck, demo));

    const ToolRun fine = runTool("--check " + quoted(clean.string()), err_);
    EXPECT_EQ(fine.status, 0);
    EXPECT_EQ(fine.out, "");
    const ToolRun found = runTool("--check " + quoted(stuck.string()), err_);
    EXPECT_EQ(found.status, 1);
    EXPECT_EQ(found.out, "Scene 1 \"Scene1\", stop point at 5.0 s: no button on the stage continues the movie.\n"
                         "Scene 1 \"Scene1\", Shape1: lies wholly off the 320 x 200 stage.\n");
    EXPECT_EQ(readText(err_), "");
    EXPECT_EQ(runTool("--check " + quoted(clean.string()) + " -o x", err_).status, 2);
}

TEST_F(BuildTool, BuildsOneSceneCountedFromOne) {
    TVantora demo;
    ASSERT_TRUE(LoadProject(fixture_, demo));
    ASSERT_GE(demo.Scenes.size(), 2u);
    const fs::path movie = dir_ / "scene2.swf";
    const ToolRun run = runTool(quoted(fixture_.string()) + " -o " + quoted(movie.string()) + " --scene 2", err_);
    ASSERT_EQ(run.status, 0) << readText(err_);
    const test::SwfSummary parsed = test::checkSwf(movie);
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.frameCount, demo.Scenes[1]->Length * demo.FrameRateFactor);
}

TEST_F(BuildTool, ASceneBeyondTheLastFailsAndWritesNothing) {
    const fs::path movie = dir_ / "none.swf";
    const ToolRun run = runTool(quoted(fixture_.string()) + " -o " + quoted(movie.string()) + " --scene 99", err_);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(readText(err_).find("there is no scene 99"), std::string::npos) << readText(err_);
    EXPECT_FALSE(fs::exists(movie));
}

TEST_F(BuildTool, SnapshotsPictureEverySceneAtTheDemoSize) {
    TVantora demo;
    ASSERT_TRUE(LoadProject(fixture_, demo));
    const fs::path folder = dir_ / "shots";
    const ToolRun run = runTool("--snapshot " + quoted(fixture_.string()) + " -o " + quoted(folder.string()) + " --objects", err_);
    ASSERT_EQ(run.status, 0) << readText(err_);
    for (std::size_t i = 1; i <= demo.Scenes.size(); ++i) {
        const QImage scene(QString::fromStdString((folder / ("scene" + std::to_string(i) + ".png")).string()));
        ASSERT_FALSE(scene.isNull()) << "scene " << i;
        EXPECT_EQ(scene.width(), demo.Width);
        EXPECT_EQ(scene.height(), demo.Height);
    }
    EXPECT_FALSE(fs::exists(folder / ("scene" + std::to_string(demo.Scenes.size() + 1) + ".png")));
    // The first object of the first scene that has a picture of its own shows at its own size.
    const TDemoObject& first = *demo.Scenes[0]->Objects.at(0);
    const QImage object(QString::fromStdString((folder / "scene1-object1.png").string()));
    if (first.Kind != TObjectKind::Text && first.Kind != TObjectKind::InputText && first.Kind != TObjectKind::Audio &&
        first.Kind != TObjectKind::Cursor) {
        ASSERT_FALSE(object.isNull());
        EXPECT_EQ(object.width(), first.Width);
        EXPECT_EQ(object.height(), first.Height);
    }
}

} // namespace
} // namespace vantora
