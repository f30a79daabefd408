// Every publishing target on a small demo, with the shipped player programs: what lands where,
// the stamped programs read back by python3-pefile and icoutils' wrestool, the AutoRun folder
// rules and the failures the user sees.

#include "model/scene_operations.h"
#include "publish/autorun_publisher.h"
#include "publish/publisher.h"
#include "publish/standalone_block.h"
#include "publish/standalone_program.h"
#include "test_program.h"
#include "swf_check.h"
#include "scoped_env.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace vantora::publish {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using vantora::test::readFileBytes;
using vantora::test::runCommand;

Bytes readBytes(const fs::path& path) {
    const auto bytes = readFileBytes(path);
    return Bytes(bytes.begin(), bytes.end());
}

std::string readText(const fs::path& path) {
    const Bytes bytes = readBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

using vantora::test::ScopedEnv;

class PublishTargets : public ::testing::Test {
protected:
    PublishTargets() : resources_("VANTORA_RESOURCES", VANTORA_TEST_RESOURCES) {
        demo_.Name = "Tour";
        demo_.Width = 160;
        demo_.Height = 120;
        demo_.BackColor = 0x00FF8000;
        NewScene(demo_).Length = 5;
        settings_ = DefaultPublishSettings(demo_);
        context_.temporaryFolder = tmp_.path();
        context_.burnFolder = [this](const fs::path& folder) {
            burned_.push_back(folder);
            if (whileBurning_)
                whileBurning_(folder);
        };
    }

    const TPublisher& target(int index) {
        publishers_ = DialogPublishers();
        return *publishers_.at(index);
    }

    PublishResult publish(int index, const fs::path& where) { return target(index).Publish(demo_, settings_, where, context_); }

    // What wrestool extracts as the program's icon group "MAINICON", as an icon file.
    static std::string mainIcon(const fs::path& program) {
        std::string out;
        runCommand("wrestool -x --type=14 --name=MAINICON '" + program.string() + "' 2>/dev/null", out);
        return out;
    }

    static std::string versionInfo(const fs::path& program) {
        std::string out;
        EXPECT_EQ(runCommand("/usr/bin/python3 '" VANTORA_TEST_SOURCE_DIR "/read_program.py' '" + program.string() + "'", out), 0);
        return out;
    }

    ScopedEnv resources_;
    vantora::test::ScopedProgramFolder home_;
    vantora::test::TempDir out_;
    vantora::test::TempDir tmp_;
    TVantora demo_;
    PublishSettings settings_;
    PublishContext context_;
    std::vector<fs::path> burned_;
    std::function<void(const fs::path&)> whileBurning_;
    std::vector<std::unique_ptr<TPublisher>> publishers_;
};

TEST_F(PublishTargets, DialogListsTheFiveTargetsInOrder) {
    const auto publishers = DialogPublishers();
    ASSERT_GE(publishers.size(), 5u); // the five first; later targets are appended
    EXPECT_EQ(publishers[0]->Name(), "Shockwave Flash (.swf)");
    EXPECT_EQ(publishers[0]->FileFilter(), "SWF files (*.swf)|*.swf");
    EXPECT_EQ(publishers[1]->Name(), "Executable file (.exe)");
    EXPECT_EQ(publishers[1]->FileFilter(), "EXE Files (*.exe)|*.exe");
    EXPECT_EQ(publishers[2]->Name(), "HTML (.htm and .swf)");
    EXPECT_EQ(publishers[2]->FileFilter(), "HTML files (*.htm)|*.htm");
    EXPECT_EQ(publishers[3]->Name(), "AutoRun CD/DVD with Executable file");
    EXPECT_EQ(publishers[4]->Name(), "AutoRun CD/DVD with HTML file");
    EXPECT_EQ(publishers[3]->Settings(), SettingsDialog::Executable);
    EXPECT_EQ(publishers[4]->Settings(), SettingsDialog::ExecutableLauncher);
    EXPECT_TRUE(publishers[4]->IsAutoRun());
    EXPECT_FALSE(publishers[2]->IsAutoRun());
}

TEST_F(PublishTargets, DefaultsFollowTheDemoEachTime) {
    EXPECT_EQ(settings_.title, "Tour");
    EXPECT_EQ(settings_.style, 0);
    EXPECT_EQ(settings_.exitKey, 4);
    EXPECT_EQ(settings_.version.major, 1);
    EXPECT_EQ(settings_.version.build, 0);
    EXPECT_TRUE(settings_.burnCdDirectly);
    EXPECT_TRUE(settings_.includeBrowserPlayer);
    demo_.Name = "Second";
    EXPECT_EQ(DefaultPublishSettings(demo_).title, "Second");
}

TEST_F(PublishTargets, SwfTargetWritesAMovieTheParserReads) {
    const PublishResult result = publish(0, out_ / "tour.swf");
    ASSERT_TRUE(result.ok()) << result.message;
    const vantora::test::SwfSummary movie = vantora::test::checkSwf(out_ / "tour.swf");
    EXPECT_EQ(movie.frameCount, 10); // five tenths of a second at 20 frames per second
}

TEST_F(PublishTargets, ExeTargetIsTheStampedPlayerWithTheBlock) {
    settings_.companyName = "Acme";
    settings_.fileDescription = "Guided tour";
    settings_.legalCopyright = "(c) 2026 Acme";
    settings_.style = 1;
    settings_.exitKey = 2;
    const fs::path exe = out_ / "tour.exe";
    const PublishResult result = publish(1, exe);
    ASSERT_TRUE(result.ok()) << result.message;
    const Bytes bytes = readBytes(exe);
    const Bytes player = readBytes(tmp_ / "TmpPlayer.exe");
    const auto block = ReadStandaloneBlock(bytes);
    ASSERT_TRUE(block);
    EXPECT_EQ(block->playerSize, player.size());
    EXPECT_TRUE(std::equal(player.begin(), player.end(), bytes.begin()));
    EXPECT_EQ(Bytes(bytes.end() - 8, bytes.end() - 4), (Bytes{0xD2, 0x1F, 0x94, 0x37}));
    EXPECT_EQ(block->window.title, "Tour");
    EXPECT_EQ(block->window.style, 1);
    EXPECT_EQ(block->window.exitKey, 2);
    EXPECT_EQ(block->window.width, 160);
    EXPECT_EQ(block->window.height, 120);
    EXPECT_EQ(block->window.backColor, 0x00FF8000u);
    ASSERT_GE(block->movie.size(), 8u);
    EXPECT_EQ(std::string(block->movie.begin(), block->movie.begin() + 3), "CWS");

    const std::string info = versionInfo(exe);
    EXPECT_NE(info.find("040904e4/CompanyName=[Acme" + std::string(96, ' ') + "]"), std::string::npos) << info;
    EXPECT_NE(info.find("040904e4/FileDescription=[Guided tour" + std::string(89, ' ') + "]"), std::string::npos) << info;
    EXPECT_NE(info.find("040904e4/LegalCopyright=[(c) 2026 Acme" + std::string(87, ' ') + "]"), std::string::npos) << info;
    EXPECT_NE(info.find("040904e4/FileVersion=[1.0.0.0" + std::string(16, ' ') + "]"), std::string::npos) << info;
    EXPECT_NE(info.find("FileVersionMS=0x00010000"), std::string::npos) << info;
    EXPECT_NE(info.find("FileVersionLS=0x00000000"), std::string::npos) << info;
    // Without a chosen icon the player keeps its own.
    EXPECT_EQ(mainIcon(exe), mainIcon(VANTORA_TEST_RESOURCES "/Player.exe"));
}

TEST_F(PublishTargets, ExeTargetWithAnIconCarriesThatIcon) {
    const Bytes icon = test::MakeIconFile({16, 32, 48, 64}, 0x10);
    vantora::test::writeFileBytes(out_ / "mine.ico", std::vector<unsigned char>(icon.begin(), icon.end()));
    settings_.programIcon = out_ / "mine.ico";
    settings_.version = {2, 5, 0, 77};
    const PublishResult result = publish(1, out_ / "tour.exe");
    ASSERT_TRUE(result.ok()) << result.message;
    // wrestool writes the icon file back, followed by the group resource itself.
    const std::string extracted = mainIcon(out_ / "tour.exe");
    EXPECT_EQ(extracted.substr(0, icon.size()), std::string(icon.begin(), icon.end()));
    EXPECT_EQ(extracted.size(), icon.size() + 6 + 14 * 4);
    const std::string info = versionInfo(out_ / "tour.exe");
    EXPECT_NE(info.find("FileVersionMS=0x00020005"), std::string::npos) << info;
    EXPECT_NE(info.find("FileVersionLS=0x0000004d"), std::string::npos) << info;
    EXPECT_NE(info.find("FileVersion=[2.5.0.77" + std::string(15, ' ') + "]"), std::string::npos) << info;
}

TEST_F(PublishTargets, IconLargerThanTheResourceSectionMovesTheResources) {
    const Bytes icon = test::MakeIconFile({255, 128}, 0x20, 200000); // far more than the player's resources hold
    vantora::test::writeFileBytes(out_ / "big.ico", std::vector<unsigned char>(icon.begin(), icon.end()));
    settings_.programIcon = out_ / "big.ico";
    settings_.companyName = "Moved";
    ASSERT_TRUE(publish(1, out_ / "tour.exe").ok());
    EXPECT_EQ(mainIcon(out_ / "tour.exe").substr(0, icon.size()), std::string(icon.begin(), icon.end()));
    const std::string info = versionInfo(out_ / "tour.exe");
    EXPECT_NE(info.find("CompanyName=[Moved" + std::string(95, ' ') + "]"), std::string::npos) << info;
    // pefile sees the appended block as the file's overlay, nothing more.
    const auto block = ReadStandaloneBlock(readBytes(out_ / "tour.exe"));
    ASSERT_TRUE(block);
    EXPECT_NE(info.find("overlay=" + std::to_string(readBytes(out_ / "tour.exe").size() - block->playerSize)), std::string::npos)
        << info;
}

TEST_F(PublishTargets, EmptyTitlePutsTheMovieRightAfterTheLength) {
    settings_.title.clear();
    ASSERT_TRUE(publish(1, out_ / "tour.exe").ok());
    const Bytes bytes = readBytes(out_ / "tour.exe");
    const auto block = ReadStandaloneBlock(bytes);
    ASSERT_TRUE(block);
    EXPECT_EQ(test::U32At(bytes, block->playerSize + 20), 0u);
    EXPECT_EQ(std::string(bytes.begin() + block->playerSize + 24, bytes.begin() + block->playerSize + 27), "CWS");
}

TEST_F(PublishTargets, IconFilesThatAreNoIconsStopTheTarget) {
    Bytes big = test::MakeIconFile({16});
    big.resize(1048577, 0);
    vantora::test::writeFileBytes(out_ / "big.ico", std::vector<unsigned char>(big.begin(), big.end()));
    settings_.programIcon = out_ / "big.ico";
    PublishResult result = publish(1, out_ / "a.exe");
    EXPECT_EQ(result.failure, PublishFailure::ResourceUpdate);
    EXPECT_EQ(result.message, "Resource update error: Icon file is too large");
    EXPECT_FALSE(fs::exists(out_ / "a.exe"));

    settings_.programIcon = VANTORA_TEST_RESOURCES "/autorun.exe"; // a program chosen as the icon
    result = publish(1, out_ / "a.exe");
    EXPECT_EQ(result.message, "Resource update error: Icon file is invalid");
    EXPECT_FALSE(fs::exists(out_ / "a.exe"));
}

TEST_F(PublishTargets, MissingIconFileKeepsThePlayersIcon) {
    settings_.programIcon = out_ / "gone.ico";
    ASSERT_TRUE(publish(1, out_ / "a.exe").ok());
    EXPECT_EQ(mainIcon(out_ / "a.exe"), mainIcon(VANTORA_TEST_RESOURCES "/Player.exe"));
}

TEST_F(PublishTargets, MissingPlayerIsTheCopyMessage) {
    vantora::test::TempDir empty;
    ScopedEnv noResources("VANTORA_RESOURCES", empty.path().string());
    const PublishResult result = publish(1, out_ / "a.exe");
    EXPECT_EQ(result.failure, PublishFailure::CopyPlayer);
    EXPECT_EQ(result.message, "Copy player.exe file failed.");
}

TEST_F(PublishTargets, UnwritableOutputIsError2001BeforeTheWorkingCopy) {
    fs::create_directories(out_ / "a-folder.exe");
    const std::pair<fs::path, std::string> cases[] = {
        {out_ / "no-such-folder" / "a.exe", "(Error Code: 2/2001)\n"},
        {out_ / "a-folder.exe", "(Error Code: 21/2001)\n"},
    };
    for (const auto& [where, code] : cases) {
        SCOPED_TRACE(where.string());
        const PublishResult result = publish(1, where);
        EXPECT_EQ(result.failure, PublishFailure::CreateOutput);
        EXPECT_NE(result.message.find(code), std::string::npos) << result.message;
        EXPECT_TRUE(fs::is_empty(tmp_.path())) << "the player's working copy was written";
    }
    EXPECT_TRUE(fs::is_directory(out_ / "a-folder.exe"));
}

TEST_F(PublishTargets, HtmlTargetWritesPageMovieAndBrowserPlayer) {
    settings_.swfName = "intro.swf";
    const PublishResult result = publish(2, out_ / "page.htm");
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_TRUE(fs::exists(out_ / "intro.swf.swf"));
    EXPECT_NE(readText(out_ / "page.htm").find("VALUE=\"intro.swf.swf\""), std::string::npos);
    EXPECT_TRUE(fs::exists(out_ / "ruffle" / "ruffle.js"));
    vantora::test::checkSwf(out_ / "intro.swf.swf");
}

TEST_F(PublishTargets, HtmlTargetWithoutBrowserPlayerCopiesNoFolder) {
    settings_.includeBrowserPlayer = false;
    ASSERT_TRUE(publish(2, out_ / "page.htm").ok());
    EXPECT_TRUE(fs::exists(out_ / "page.swf"));
    EXPECT_FALSE(fs::exists(out_ / "ruffle"));
    EXPECT_EQ(readText(out_ / "page.htm").find("ruffle.js"), std::string::npos);
}

TEST_F(PublishTargets, AutoRunWithProgramInAChosenFolder) {
    settings_.burnCdDirectly = false;
    const fs::path folder = out_ / "cd";
    const PublishResult result = publish(3, folder.string() + "/");
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_TRUE(burned_.empty());
    EXPECT_EQ(readText(folder / "autorun.inf"), "[autorun]\r\nOPEN=AUTORUN.EXE\r\nICON=AUTORUN.ICO\r\n");
    EXPECT_EQ(readBytes(folder / "autorun.ico"), readBytes(VANTORA_TEST_RESOURCES "/Default.ico"));
    EXPECT_TRUE(ReadStandaloneBlock(readBytes(folder / "autorun.exe")));
    EXPECT_FALSE(fs::exists(folder / "autorun.htm"));
}

TEST_F(PublishTargets, AutoRunFolderCancelledIsNoSuccessAndNoMessage) {
    settings_.burnCdDirectly = false;
    const PublishResult result = publish(3, {});
    EXPECT_EQ(result.failure, PublishFailure::Cancelled);
    EXPECT_TRUE(result.message.empty());
}

TEST_F(PublishTargets, AutoRunWithHtmlCopiesAndStampsTheLauncher) {
    settings_.burnCdDirectly = false;
    settings_.companyName = "Acme";
    const Bytes cdIcon = test::MakeIconFile({32}, 0x70);
    vantora::test::writeFileBytes(out_ / "cd.ico", std::vector<unsigned char>(cdIcon.begin(), cdIcon.end()));
    settings_.cdIcon = out_ / "cd.ico";
    const fs::path folder = out_ / "cd";
    const PublishResult result = publish(4, folder);
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_TRUE(fs::exists(folder / "autorun.htm"));
    EXPECT_NE(readText(folder / "autorun.htm").find("VALUE=\"autorun.swf\""), std::string::npos);
    vantora::test::checkSwf(folder / "autorun.swf");
    EXPECT_EQ(readBytes(folder / "autorun.ico"), cdIcon);
    // No program icon: the launcher's icon is unchanged; its version texts are stamped.
    EXPECT_EQ(mainIcon(folder / "autorun.exe"), mainIcon(VANTORA_TEST_RESOURCES "/autorun.exe"));
    EXPECT_NE(versionInfo(folder / "autorun.exe").find("CompanyName=[Acme" + std::string(96, ' ') + "]"), std::string::npos);
    EXPECT_FALSE(ReadStandaloneBlock(readBytes(folder / "autorun.exe")));
}

TEST_F(PublishTargets, BurnCdDirectlyTwiceStartsFromAFreshSetOfAutorunFiles) {
    ASSERT_TRUE(publish(3, {}).ok());
    const fs::path folder = tmp_ / "TmpCDROM";
    ASSERT_EQ(burned_, std::vector<fs::path>{folder});
    EXPECT_TRUE(fs::exists(folder / "autorun.exe"));
    std::ofstream(folder / "notes.txt") << "kept";
    std::ofstream(folder / "autorun.swf") << "stale";

    // The second run, with the HTML page: while the burner runs, the old program is gone (the
    // launcher stands in its place), the stale movie was replaced, other files stayed.
    bool checked = false;
    whileBurning_ = [&](const fs::path& f) {
        checked = true;
        EXPECT_FALSE(ReadStandaloneBlock(readBytes(f / "autorun.exe")));
        EXPECT_NE(readText(f / "autorun.swf"), "stale");
        EXPECT_EQ(readText(f / "notes.txt"), "kept");
    };
    ASSERT_TRUE(publish(4, {}).ok());
    EXPECT_TRUE(checked);
    EXPECT_EQ(burned_.size(), 2u);
}

TEST(TemporaryCdFolder, DeletesOnlyTheThreeAutorunFiles) {
    vantora::test::TempDir tmp;
    PublishContext context;
    context.temporaryFolder = tmp.path();
    const fs::path folder = tmp / "TmpCDROM";
    fs::create_directories(folder);
    for (const char* name : {"autorun.swf", "autorun.htm", "autorun.exe", "autorun.inf", "autorun.ico", "other.txt"})
        std::ofstream(folder / name) << name;
    EXPECT_EQ(PrepareTemporaryCdFolder(context), folder);
    EXPECT_FALSE(fs::exists(folder / "autorun.swf"));
    EXPECT_FALSE(fs::exists(folder / "autorun.htm"));
    EXPECT_FALSE(fs::exists(folder / "autorun.exe"));
    EXPECT_TRUE(fs::exists(folder / "autorun.inf"));
    EXPECT_TRUE(fs::exists(folder / "autorun.ico"));
    EXPECT_TRUE(fs::exists(folder / "other.txt"));
    fs::remove_all(folder);
    EXPECT_TRUE(fs::is_directory(PrepareTemporaryCdFolder(context))); // made again when missing
}

} // namespace
} // namespace vantora::publish
