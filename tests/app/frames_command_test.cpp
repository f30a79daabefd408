// vantora-build --frames: the real program writes frames of a project (built first) and of a
// movie file, clicks past a stop point, and refuses bad lists, clicks and inputs.
#include "build_tool/command_line.h"

#include "test_support.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>

namespace vantora {
namespace {

namespace fs = std::filesystem;

std::string quoted(const std::string& text) { return "'" + text + "'"; }

int runTool(const std::string& arguments, std::string& out) {
    return test::runCommand(quoted(VANTORA_BUILD_TOOL) + " " + arguments + " 2>&1", out);
}

QImage frame(const fs::path& dir, int n) {
    return QImage(QString::fromStdString((dir / ("frame-" + std::to_string(n) + ".png")).string()));
}

} // namespace

TEST(FramesCommandLine, FramesAndClicksParse) {
    const auto parsed = buildtool::ParseCommandLine({"--frames", "0,5", "-o", "out", "in.swf", "--click", "1:2@3",
                                                     "--click", "4:5@6"});
    ASSERT_TRUE(parsed.commandLine) << parsed.error;
    EXPECT_EQ(parsed.commandLine->command, buildtool::Command::Frames);
    EXPECT_EQ(parsed.commandLine->frames, "0,5");
    EXPECT_EQ(parsed.commandLine->clicks, (std::vector<std::string>{"1:2@3", "4:5@6"}));
    EXPECT_EQ(parsed.commandLine->project, "in.swf");
    EXPECT_FALSE(buildtool::ParseCommandLine({"--frames", "0", "in.swf"}).commandLine); // no -o
    EXPECT_FALSE(buildtool::ParseCommandLine({"--frames"}).commandLine);
    EXPECT_FALSE(buildtool::ParseCommandLine({"in.vtp", "-o", "m.swf", "--click", "1:2@3"}).commandLine);
    EXPECT_FALSE(buildtool::ParseCommandLine({"--frames", "0", "--info", "-o", "d", "in.swf"}).commandLine);
}

TEST(FramesCommand, ProjectFramesAndAClickPastTheFirstStopPoint) {
    test::ScopedProgramFolder home;
    test::TempDir dir;
    const std::string sample = VANTORA_SAMPLE_PROJECT;
    std::string out;
    // The sample stops at frame 24 until "Start the tour" is clicked.
    ASSERT_EQ(runTool("--frames 0,30,60 -o " + quoted((dir / "stopped").string()) + " " + quoted(sample), out), 0)
        << out;
    EXPECT_NE(out.find("frame-60.png"), std::string::npos);
    EXPECT_EQ(frame(dir.path() / "stopped", 30), frame(dir.path() / "stopped", 60));
    ASSERT_EQ(runTool("--frames 30,60 --click 402:320@30 -o " + quoted((dir / "clicked").string()) + " " +
                          quoted(sample),
                      out),
              0)
        << out;
    EXPECT_EQ(frame(dir.path() / "clicked", 30), frame(dir.path() / "stopped", 30));
    EXPECT_NE(frame(dir.path() / "clicked", 60), frame(dir.path() / "stopped", 60));
    EXPECT_EQ(frame(dir.path() / "clicked", 60).size(), QSize(800, 520));
}

TEST(FramesCommand, BadListsClicksAndInputsAreRefused) {
    test::TempDir dir;
    std::string out;
    const fs::path junk = dir / "junk.swf";
    test::writeFileBytes(junk, {'C', 'W', 'S', 6, 1, 2, 3, 4, 5});
    EXPECT_EQ(runTool("--frames 5-1 -o " + quoted(dir.path().string()) + " " + quoted(junk.string()), out), 2);
    EXPECT_NE(out.find("is not a list of frames"), std::string::npos);
    EXPECT_EQ(runTool("--frames 1 --click 1:2 -o " + quoted(dir.path().string()) + " " + quoted(junk.string()), out), 2);
    EXPECT_NE(out.find("is not a click"), std::string::npos);
    EXPECT_EQ(runTool("--frames 1 -o " + quoted(dir.path().string()) + " " + quoted(junk.string()), out), 1);
    EXPECT_NE(out.find("vantora-build: "), std::string::npos);
    EXPECT_EQ(runTool("--frames 1 -o " + quoted(dir.path().string()) + " " + quoted((dir / "none.swf").string()), out), 1);
    EXPECT_NE(out.find("cannot read"), std::string::npos);
}

} // namespace vantora
