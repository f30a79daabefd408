// Parsing vantora-build's arguments.

#include "build_tool/command_line.h"
#include "command_line_parsing.h"

#include <gtest/gtest.h>

namespace vantora::buildtool {
namespace {

using test::parsed;
using test::refused;

TEST(CommandLine, InfoTakesTheProjectInEitherOrder) {
    EXPECT_EQ(parsed({"--info", "a.vtp"}).project, "a.vtp");
    const CommandLine after = parsed({"a.vtp", "--info"});
    EXPECT_EQ(after.command, Command::Info);
    EXPECT_EQ(after.project, "a.vtp");
}

TEST(CommandLine, ResaveNeedsAnOutputFile) {
    const CommandLine line = parsed({"--resave", "in.vtp", "-o", "out.vtp"});
    EXPECT_EQ(line.command, Command::Resave);
    EXPECT_EQ(line.project, "in.vtp");
    EXPECT_EQ(line.output, "out.vtp");
    EXPECT_EQ(parsed({"--output", "o.vtp", "--resave", "i.vtp"}).output, "o.vtp");
    EXPECT_NE(refused({"--resave", "in.vtp"}).find("-o"), std::string::npos);
    EXPECT_NE(refused({"--resave", "in.vtp", "-o"}).find("needs a file name"), std::string::npos);
}

TEST(CommandLine, HelpAndVersionWinOverEverythingElse) {
    EXPECT_EQ(parsed({"--info", "a.vtp", "--help"}).command, Command::Help);
    EXPECT_EQ(parsed({"-h"}).command, Command::Help);
    EXPECT_EQ(parsed({"--version"}).command, Command::Version);
}

TEST(CommandLine, NonsenseIsRefusedWithAReason) {
    EXPECT_NE(refused({}).find("Nothing to do"), std::string::npos);
    EXPECT_NE(refused({"--info"}).find("No project"), std::string::npos);
    EXPECT_NE(refused({"--info", "a.vtp", "b.vtp"}).find("one project"), std::string::npos);
    EXPECT_NE(refused({"--info", "--resave", "a.vtp", "-o", "b"}).find("only one"), std::string::npos);
    EXPECT_NE(refused({"--frobnicate", "a.vtp"}).find("--frobnicate"), std::string::npos);
    EXPECT_NE(refused({"--info", "a.vtp", "-o", "x"}).find("no -o"), std::string::npos);
    EXPECT_NE(refused({"a.vtp"}).find("-o MOVIE.swf"), std::string::npos);
    EXPECT_NE(refused({"--snapshot", "a.vtp"}).find("output folder"), std::string::npos);
    EXPECT_NE(refused({"--info", "a.vtp", "--scene", "2"}).find("--scene goes with"), std::string::npos);
    EXPECT_NE(refused({"a.vtp", "-o", "m.swf", "--objects"}).find("--objects goes with"), std::string::npos);
}

TEST(CommandLine, AProjectAndAnOutputBuildTheMovie) {
    const CommandLine whole = parsed({"a.vtp", "-o", "movie.swf"});
    EXPECT_EQ(whole.command, Command::Build);
    EXPECT_EQ(whole.project, "a.vtp");
    EXPECT_EQ(whole.output, "movie.swf");
    EXPECT_FALSE(whole.scene);
    EXPECT_EQ(parsed({"--scene", "3", "-o", "m.swf", "a.vtp"}).scene, 3);
}

TEST(CommandLine, SceneNumbersStartAtOneAndAreWholeNumbers) {
    for (const char* bad : {"0", "-1", "two", "1.5", "", "99999999999"})
        EXPECT_NE(refused({"a.vtp", "-o", "m.swf", "--scene", bad}).find("scene number from 1"), std::string::npos) << bad;
    EXPECT_NE(refused({"a.vtp", "-o", "m.swf", "--scene"}).find("scene number from 1"), std::string::npos);
}

TEST(CommandLine, SnapshotTakesAFolderAndOptionallyObjects) {
    const CommandLine line = parsed({"--snapshot", "a.vtp", "-o", "shots", "--objects"});
    EXPECT_EQ(line.command, Command::Snapshot);
    EXPECT_EQ(line.output, "shots");
    EXPECT_TRUE(line.objects);
}

TEST(CommandLine, ALoneDashIsAFileName) { EXPECT_EQ(parsed({"--info", "-"}).project, "-"); }

} // namespace
} // namespace vantora::buildtool
