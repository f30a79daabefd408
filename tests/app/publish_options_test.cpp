// vantora-build's publishing options: parsing, the rules of what goes with which target, and the
// targets run end to end by the real program on the sample project.

#include "build_tool/command_line.h"
#include "command_line_parsing.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vantora::buildtool {
namespace {

namespace fs = std::filesystem;

using test::parsed;
using test::refused;

TEST(PublishOptions, EachTargetWithItsOutput) {
    const CommandLine html = parsed({"a.vtp", "--html", "out/page.htm"});
    EXPECT_EQ(html.command, Command::Publish);
    EXPECT_EQ(html.project, "a.vtp");
    EXPECT_EQ(html.publish.target, PublishTarget::Html);
    EXPECT_EQ(html.publish.output, "out/page.htm");
    EXPECT_EQ(parsed({"--exe", "x.exe", "a.vtp"}).publish.target, PublishTarget::Exe);
    EXPECT_EQ(parsed({"a.vtp", "--app", "tour"}).publish.target, PublishTarget::App);
    const CommandLine autorun = parsed({"a.vtp", "--autorun", "cd", "--autorun-with", "html"});
    EXPECT_EQ(autorun.publish.target, PublishTarget::AutoRun);
    EXPECT_EQ(autorun.publish.autorunWithHtml, true);
    EXPECT_EQ(parsed({"a.vtp", "--autorun-with", "exe", "--autorun", "cd"}).publish.autorunWithHtml, false);
    EXPECT_TRUE(parsed({"a.vtp", "--autorun", "cd", "--autorun-with", "web"}).publish.autorunWithWeb);
    const CommandLine web = parsed({"a.vtp", "--web", "site", "--title", "Tour", "--no-controls"});
    EXPECT_EQ(web.publish.target, PublishTarget::Web);
    EXPECT_EQ(web.publish.output, "site");
    EXPECT_TRUE(web.publish.noControls);
}

TEST(PublishOptions, SettingsAreParsedAndRangeChecked) {
    const CommandLine line = parsed({"a.vtp", "--exe", "x.exe", "--title", "Tour", "--style", "3", "--exit-key", "0",
                                     "--company", "Acme", "--description", "D", "--copyright", "C", "--file-version",
                                     "9999.0.12.3", "--icon", "i.ico"});
    EXPECT_EQ(line.publish.title, "Tour");
    EXPECT_EQ(line.publish.style, 3);
    EXPECT_EQ(line.publish.exitKey, 0);
    EXPECT_EQ(line.publish.company, "Acme");
    EXPECT_EQ(line.publish.fileVersion, (std::array<std::uint16_t, 4>{9999, 0, 12, 3}));
    EXPECT_EQ(line.publish.icon, "i.ico");
    EXPECT_NE(refused({"a.vtp", "--exe", "x", "--style", "4"}).find("--style takes"), std::string::npos);
    EXPECT_NE(refused({"a.vtp", "--exe", "x", "--exit-key", "-1"}).find("--exit-key takes"), std::string::npos);
    for (const char* bad : {"1.0.0", "1.0.0.0.0", "1..0.0", "10000.0.0.0", "a.b.c.d", "1.0.0.", ""})
        EXPECT_NE(refused({"a.vtp", "--exe", "x", "--file-version", bad}).find("--file-version takes"), std::string::npos)
            << bad;
    EXPECT_NE(refused({"a.vtp", "--exe"}).find("needs a value"), std::string::npos);
}

TEST(PublishOptions, SettingsMustSuitTheTarget) {
    EXPECT_NE(refused({"a.vtp", "--title", "T"}).find("go with a target"), std::string::npos);
    EXPECT_NE(refused({"a.vtp", "--html", "p.htm", "--exe", "x.exe"}).find("only one"), std::string::npos);
    EXPECT_NE(refused({"a.vtp", "--autorun", "cd"}).find("--autorun-with"), std::string::npos);
    EXPECT_NE(refused({"a.vtp", "--autorun", "cd", "--autorun-with", "iso"}).find("exe, html or web"), std::string::npos);
    EXPECT_NE(refused({"a.vtp", "--exe", "x", "--autorun-with", "exe"}).find("goes with --autorun"), std::string::npos);
    EXPECT_NE(refused({"a.vtp", "--exe", "x", "--swf-name", "m"}).find("--swf-name"), std::string::npos);
    EXPECT_NE(refused({"a.vtp", "--exe", "x", "--no-browser-player"}).find("HTML page"), std::string::npos);
    EXPECT_NE(refused({"a.vtp", "--html", "p", "--style", "1"}).find("stand-alone"), std::string::npos);
    EXPECT_NE(refused({"a.vtp", "--autorun", "cd", "--autorun-with", "html", "--exit-key", "1"}).find("stand-alone"),
              std::string::npos);
    EXPECT_NE(refused({"a.vtp", "--app", "x", "--company", "A"}).find("--exe or --autorun"), std::string::npos);
    EXPECT_NE(refused({"a.vtp", "--html", "p", "--cd-icon", "c.ico"}).find("--cd-icon"), std::string::npos);
    EXPECT_NE(refused({"a.vtp", "--html", "p", "-o", "m.swf"}).find("goes alone"), std::string::npos);
    EXPECT_NE(refused({"--html", "p"}).find("No project"), std::string::npos);
    // Settings that do suit the target.
    EXPECT_TRUE(parsed({"a.vtp", "--autorun", "cd", "--autorun-with", "html", "--company", "A", "--no-browser-player",
                        "--cd-icon", "c.ico"})
                    .publish.noBrowserPlayer);
    EXPECT_EQ(parsed({"a.vtp", "--html", "p", "--swf-name", "m"}).publish.swfName, "m");
}

TEST(PublishOptions, VideoTargetWithItsSettings) {
    const CommandLine line =
        parsed({"a.vtp", "--video", "out/tour.MP4", "--hold", "0.5", "--size", "640x400", "--fps", "7.5", "--quality", "100"});
    EXPECT_EQ(line.command, Command::Publish);
    EXPECT_EQ(line.publish.target, PublishTarget::Video);
    EXPECT_EQ(line.publish.hold, 0.5);
    EXPECT_EQ(line.publish.size, (std::array<int, 2>{640, 400}));
    EXPECT_EQ(line.publish.fps, 7.5);
    EXPECT_EQ(line.publish.quality, 100);
    const std::pair<std::vector<std::string>, const char*> bad[] = {
        {{"a.vtp", "--video", "tour.avi"}, ".mp4, .webm or .gif"},
        {{"a.vtp", "--video", "tour"}, ".mp4, .webm or .gif"},
        {{"a.vtp", "--video", "t.gif", "--hold", "600.5"}, "--hold takes"},
        {{"a.vtp", "--video", "t.gif", "--hold", "-1"}, "--hold takes"},
        {{"a.vtp", "--video", "t.gif", "--size", "640"}, "--size takes"},
        {{"a.vtp", "--video", "t.gif", "--fps", "0"}, "--fps takes"},
        {{"a.vtp", "--video", "t.gif", "--fps", "121"}, "--fps takes"},
        {{"a.vtp", "--video", "t.gif", "--quality", "0"}, "--quality takes"},
        {{"a.vtp", "--video", "t.gif", "--quality", "101"}, "--quality takes"},
        {{"a.vtp", "--html", "p.htm", "--fps", "10"}, "go with --video"},
        {{"a.vtp", "--video", "t.gif", "--exe", "x.exe"}, "only one"},
    };
    for (const auto& [arguments, message] : bad)
        EXPECT_NE(refused(arguments).find(message), std::string::npos) << arguments.back();
}

TEST(PublishOptions, HelpTellsThePublishingOptions) {
    const std::string usage = UsageText();
    for (const char* option : {"--html", "--exe", "--app", "--autorun", "--autorun-with", "--file-version", "--cd-icon",
                               "--no-browser-player", "--swf-name", "--video", "--hold", "--size", "--fps", "--quality"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
}

class PublishTool : public ::testing::Test {
protected:
    int run(const std::string& arguments) {
        std::string out;
        return vantora::test::runCommand("'" VANTORA_BUILD_TOOL "' '" VANTORA_SAMPLE_FOR_PUBLISH "' " + arguments + " 2>'" +
                                             (dir_ / "stderr.txt").string() + "'",
                                         out);
    }
    std::string err() {
        const auto bytes = vantora::test::readFileBytes(dir_ / "stderr.txt");
        return std::string(bytes.begin(), bytes.end());
    }
    vantora::test::ScopedProgramFolder home_;
    vantora::test::TempDir dir_;
};

TEST_F(PublishTool, HtmlTargetWritesPageMovieAndPlayerFolder) {
    ASSERT_EQ(run("--html '" + (dir_ / "web" / "tour.htm").string() + "' --title 'Sample & tour'"), 0) << err();
    EXPECT_TRUE(fs::exists(dir_ / "web" / "tour.htm")) << err();
    EXPECT_TRUE(fs::exists(dir_ / "web" / "ruffle" / "ruffle.js"));
    const auto movie = vantora::test::readFileBytes(dir_ / "web" / "tour.swf");
    ASSERT_GT(movie.size(), 8u);
    EXPECT_EQ(std::string(movie.begin(), movie.begin() + 3), "CWS");
    const auto page = vantora::test::readFileBytes(dir_ / "web" / "tour.htm");
    EXPECT_NE(std::string(page.begin(), page.end()).find("<TITLE>Sample &amp; tour</TITLE>"), std::string::npos);
}

TEST_F(PublishTool, FailuresExitNonZeroWithTheMessage) {
    fs::create_directories(dir_ / "icons");
    vantora::test::writeFileBytes(dir_ / "icons" / "bad.ico", {'M', 'Z', 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(run("--exe '" + (dir_ / "a.exe").string() + "' --icon '" + (dir_ / "icons" / "bad.ico").string() + "'"), 1);
    EXPECT_NE(err().find("Resource update error: Icon file is invalid"), std::string::npos) << err();
    EXPECT_FALSE(fs::exists(dir_ / "a.exe"));
    EXPECT_EQ(run("--exe"), 2);
    EXPECT_NE(err().find("needs a value"), std::string::npos);
}

TEST_F(PublishTool, VideoOfTheSampleOrACleanRefusal) {
    const fs::path video = dir_ / "tour.mp4";
    ASSERT_EQ(run("--video '" + video.string() + "' --size 160x120 --fps 4 --hold 0.2"), 0) << err();
    const auto bytes = vantora::test::readFileBytes(video);
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(std::string(bytes.begin() + 4, bytes.begin() + 8), "ftyp");
    EXPECT_NE(err().find("Recording the video"), std::string::npos) << err();
    EXPECT_EQ(run("--video '" + (dir_ / "tour.avi").string() + "'"), 2);
    EXPECT_NE(err().find(".mp4, .webm or .gif"), std::string::npos) << err();
    // A folder that is a file: refused before anything is built.
    vantora::test::writeFileBytes(dir_ / "plain", {'x'});
    EXPECT_EQ(run("--video '" + (dir_ / "plain" / "tour.gif").string() + "'"), 1);
    EXPECT_EQ(err().find("Create Movie"), std::string::npos) << err();
    EXPECT_FALSE(fs::exists(dir_ / "tour.avi"));
}

TEST_F(PublishTool, AutoRunFolderWithTheProgram) {
    const fs::path cd = dir_ / "cd";
    ASSERT_EQ(run("--autorun '" + cd.string() + "' --autorun-with exe --company Acme --file-version 2.0.0.1"), 0) << err();
    for (const char* name : {"autorun.exe", "autorun.inf", "autorun.ico"})
        EXPECT_TRUE(fs::exists(cd / name)) << name;
}

} // namespace
} // namespace vantora::buildtool
