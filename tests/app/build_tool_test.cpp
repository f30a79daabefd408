// vantora-build end to end: the real program on real project files.

#include "storage/project_file.h"

#include "test_support.h"

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

} // namespace
} // namespace vantora
