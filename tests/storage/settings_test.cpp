// Vantora.ini: the editor settings, the recent list and what a damaged file does.

#include "storage/app_settings_file.h"
#include "storage/editor_settings.h"
#include "storage/ini_file.h"
#include "base/program_folder.h"
#include "storage/project_dialog_folder.h"
#include "storage/recent_projects.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace vantora {
namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& file) {
    const auto bytes = test::readFileBytes(file);
    return std::string(bytes.begin(), bytes.end());
}

void writeText(const fs::path& file, const std::string& text) { test::writeFileBytes(file, {text.begin(), text.end()}); }

class Settings : public ::testing::Test {
protected:
    test::ScopedProgramFolder home_;
    fs::path file_ = SettingsFile();
};

TEST_F(Settings, TheFileIsVantoraIniInTheProgramFolder) { EXPECT_EQ(file_, home_.path() / "Vantora.ini"); }

TEST_F(Settings, WithoutAFileTheGridIsHiddenUnsnappedAndEightByEight) {
    EditorSettings start; // the values set before reading: grid shown and snapping
    start.BackColor = 0x00F0F0F0;
    const EditorSettings read = ReadEditorSettings(file_, start);
    EXPECT_FALSE(read.DisplayGrid);
    EXPECT_FALSE(read.SnapToGrid);
    EXPECT_EQ(read.GridSizeX, 8);
    EXPECT_EQ(read.GridSizeY, 8);
    EXPECT_EQ(read.BackColor, 0x00F0F0F0u);
    EXPECT_TRUE(ReopenItems(ReadRecentProjects(file_)).empty()); // the menu shows only "(Empty)"
    EXPECT_EQ(kReopenEmptyCaption, "(Empty)");
}

TEST_F(Settings, WrittenSettingsReadBackWithExactlyTheKeysOfTheSection) {
    const EditorSettings written{true, false, 12, 30, 0x80000005};
    ASSERT_TRUE(WriteEditorSettings(file_, written));
    EXPECT_EQ(readText(file_), "[SETTINGS]\nDISPLAYGRID=1\nSNAPTOGRID=0\nGRIDSIZEX=12\nGRIDSIZEY=30\nBACKCOLOR=-2147483643\n");
    EXPECT_EQ(ReadEditorSettings(file_, EditorSettings{}), written);
}

TEST_F(Settings, KeysAndSectionsMatchIgnoringCase) {
    writeText(file_, "[settings]\r\ndisplaygrid = 1\r\nGridSizeX=20\r\n");
    const EditorSettings read = ReadEditorSettings(file_, EditorSettings{});
    EXPECT_TRUE(read.DisplayGrid);
    EXPECT_EQ(read.GridSizeX, 20);
}

TEST_F(Settings, DamagedValuesGiveDefaults) {
    writeText(file_, "[SETTINGS]\nDISPLAYGRID=yes\nSNAPTOGRID=\nGRIDSIZEX=0\nGRIDSIZEY=99999999999\nBACKCOLOR=red\n");
    EditorSettings start;
    start.BackColor = 0x123;
    const EditorSettings read = ReadEditorSettings(file_, start);
    EXPECT_FALSE(read.DisplayGrid);
    EXPECT_FALSE(read.SnapToGrid);
    EXPECT_EQ(read.GridSizeX, 8);
    EXPECT_EQ(read.GridSizeY, 8);
    EXPECT_EQ(read.BackColor, 0x123u);
}

TEST_F(Settings, WritingKeepsEverythingElseInTheFile) {
    writeText(file_, "; my notes\n[SYSTEM]\nVersion=1.2.3\nOther=keep\n\n[RECENT]\nDEMONAME0=A\nDEMOFILE0=/a.vtp\n"
                     "[SETTINGS]\nGRIDSIZEX=16\nUNKNOWN=1\n\x01\x02 binary \xFF junk\n");
    ASSERT_TRUE(WriteEditorSettings(file_, EditorSettings{false, true, 4, 5, 7}));
    const std::string text = readText(file_);
    EXPECT_NE(text.find("; my notes\n"), std::string::npos);
    EXPECT_NE(text.find("Other=keep"), std::string::npos);
    EXPECT_NE(text.find("UNKNOWN=1"), std::string::npos);
    EXPECT_EQ(ReadAcknowledgedVersion(file_), "1.2.3");
    EXPECT_EQ(ReadRecentProjects(file_)[0].FileName, "/a.vtp");
    EXPECT_EQ(ReadEditorSettings(file_, EditorSettings{}), (EditorSettings{false, true, 4, 5, 7}));
    EXPECT_EQ(text.find("GRIDSIZEX=16"), std::string::npos);
}

TEST_F(Settings, AFileThatCannotBeReadIsNeverOverwritten) {
    fs::create_directory(file_); // unreadable as a file
    EXPECT_FALSE(WriteEditorSettings(file_, EditorSettings{}));
    EXPECT_TRUE(fs::is_directory(file_));
    EXPECT_EQ(ReadEditorSettings(file_, EditorSettings{}).GridSizeX, 8);
}

TEST_F(Settings, TheAcknowledgedVersionLivesInTheSystemSection) {
    EXPECT_EQ(ReadAcknowledgedVersion(file_), "");
    ASSERT_TRUE(WriteAcknowledgedVersion(file_, "0.1.0"));
    EXPECT_EQ(ReadAcknowledgedVersion(file_), "0.1.0");
    EXPECT_NE(readText(file_).find("[SYSTEM]\nVersion=0.1.0\n"), std::string::npos);
}

TEST_F(Settings, Windows1252FilesAreRead) {
    writeText(file_, "[RECENT]\nDEMONAME0=Caf\xE9\nDEMOFILE0=C:\\Demos\\Caf\xE9.vtp\n");
    const RecentProjects recent = ReadRecentProjects(file_);
    EXPECT_EQ(recent[0].Name, "Café");
    EXPECT_EQ(recent[0].FileName, "C:\\Demos\\Café.vtp");
}

TEST(IniValues, LineBreaksInAValueCannotAddKeys) {
    IniFile ini;
    ini.setValue("RECENT", "DEMONAME0", "evil\n[SETTINGS]\nGRIDSIZEX=2");
    const IniFile back = IniFile::Parse(ini.text());
    EXPECT_FALSE(back.value("SETTINGS", "GRIDSIZEX").has_value());
    EXPECT_EQ(back.value("RECENT", "DEMONAME0").value_or(""), "evil [SETTINGS] GRIDSIZEX=2");
}

TEST(IniValues, IntegersParseAsThePlatformReadsThem) {
    EXPECT_EQ(ParseIniInteger("42"), 42);
    EXPECT_EQ(ParseIniInteger(" -7 "), -7);
    EXPECT_EQ(ParseIniInteger("$FF"), 255);
    EXPECT_EQ(ParseIniInteger("0x10"), 16);
    EXPECT_FALSE(ParseIniInteger("").has_value());
    EXPECT_FALSE(ParseIniInteger("12abc").has_value());
    EXPECT_FALSE(ParseIniInteger("99999999999999999999").has_value());
}

// The recent list.
RecentProjects numbered(int count) {
    RecentProjects recent;
    for (int i = 0; i < count; ++i)
        recent[static_cast<std::size_t>(i)] = {"Demo" + std::to_string(i), "/p/" + std::to_string(i) + ".vtp"};
    return recent;
}

TEST(RecentList, ElevenSavesKeepTheTenMostRecent) {
    RecentProjects recent;
    for (int i = 0; i < 11; ++i)
        AddRecentProject(recent, "D" + std::to_string(i), "/p/" + std::to_string(i) + ".vtp");
    EXPECT_EQ(recent[0].FileName, "/p/10.vtp");
    EXPECT_EQ(recent[9].FileName, "/p/1.vtp");
    for (const TRecentProject& entry : recent)
        EXPECT_NE(entry.FileName, "/p/0.vtp");
}

TEST(RecentList, SavingAPathThatDiffersInCaseMovesItsEntryToTheTop) {
    RecentProjects recent = numbered(10);
    const RecentProjects before = recent;
    AddRecentProject(recent, "Renamed", "/P/4.VTP");
    EXPECT_EQ(recent[0], (TRecentProject{"Renamed", "/P/4.VTP"}));
    for (std::size_t k = 1; k <= 4; ++k)
        EXPECT_EQ(recent[k], before[k - 1]) << k;
    for (std::size_t k = 5; k < 10; ++k)
        EXPECT_EQ(recent[k], before[k]) << k;
}

TEST(RecentList, TheListNeverHoldsTheSameFileTwice) {
    RecentProjects recent;
    AddRecentProject(recent, "A", "/a.vtp");
    AddRecentProject(recent, "B", "/b.vtp");
    AddRecentProject(recent, "A2", "/a.vtp");
    EXPECT_EQ(recent[0], (TRecentProject{"A2", "/a.vtp"}));
    EXPECT_EQ(recent[1], (TRecentProject{"B", "/b.vtp"}));
    EXPECT_EQ(recent[2], (TRecentProject{}));
}

TEST_F(Settings, TheRecentListIsWrittenWholeAndReadBack) {
    RecentProjects recent = numbered(3);
    recent[1].Name = "";
    ASSERT_TRUE(WriteRecentProjects(file_, recent));
    const std::string text = readText(file_);
    EXPECT_NE(text.find("DEMONAME9=\nDEMOFILE9=\n"), std::string::npos) << "empty entries are written too";
    EXPECT_EQ(ReadRecentProjects(file_), recent);
}

TEST(RecentList, ReopenShowsOnlyEntriesWhoseFileExists) {
    RecentProjects recent = numbered(4);
    recent[2].Name = "";
    const std::set<std::string> existing = {"/p/0.vtp", "/p/2.vtp", "/p/3.vtp"};
    const FileExists exists = [&](const fs::path& p) { return existing.count(p.string()) > 0; };
    const std::vector<ReopenItem> items = ReopenItems(recent, exists);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].caption, "Demo0 - /p/0.vtp");
    EXPECT_EQ(items[1].caption, "[Untitled] - /p/2.vtp");
    EXPECT_EQ(items[1].index, 2u);
    EXPECT_EQ(items[2].index, 3u);
    EXPECT_EQ(recent[1].FileName, "/p/1.vtp") << "a deleted file stays in the list";

    EXPECT_EQ(ReopenTarget(recent, 2, exists), fs::path("/p/2.vtp"));
    EXPECT_FALSE(ReopenTarget(recent, 1, exists).has_value());
    EXPECT_FALSE(ReopenTarget(recent, 4, exists).has_value());
    EXPECT_FALSE(ReopenTarget(recent, 10, exists).has_value());
}

TEST(ProgramFolderLocation, FollowsVantoraHomeThenTheUserDataFolder) {
    const char* savedHome = std::getenv("VANTORA_HOME");
    const std::string restoreHome = savedHome ? savedHome : "";
    const char* savedData = std::getenv("XDG_DATA_HOME");
    const std::string restoreData = savedData ? savedData : "";

    ::setenv("VANTORA_HOME", "/opt/vantora-home", 1);
    EXPECT_EQ(ProgramFolder(), fs::path("/opt/vantora-home"));
    ::unsetenv("VANTORA_HOME");
    ::setenv("XDG_DATA_HOME", "/data", 1);
    EXPECT_EQ(ProgramFolder(), fs::path("/data/Vantora"));
    ::setenv("XDG_DATA_HOME", "relative/ignored", 1);
    EXPECT_EQ(ProgramFolder().filename(), "Vantora");
    EXPECT_EQ(ProgramFolder().parent_path().filename(), "share");

    savedHome ? ::setenv("VANTORA_HOME", restoreHome.c_str(), 1) : ::unsetenv("VANTORA_HOME");
    savedData ? ::setenv("XDG_DATA_HOME", restoreData.c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
}

TEST(ProjectDialogFolderChoice, CurrentFileFolderThenVantoraProjectsIfItExists) {
    test::TempDir documents;
    const char* saved = std::getenv("XDG_DOCUMENTS_DIR");
    const std::string restore = saved ? saved : "";
    ::setenv("XDG_DOCUMENTS_DIR", documents.path().c_str(), 1);

    EXPECT_EQ(ProjectDialogFolder("/work/demos/a.vtp"), fs::path("/work/demos"));
    EXPECT_EQ(ProjectDialogFolder(""), fs::path()) << "no Vantora Projects folder yet";
    fs::create_directory(documents / "Vantora Projects");
    EXPECT_EQ(ProjectDialogFolder(""), documents / "Vantora Projects");

    saved ? ::setenv("XDG_DOCUMENTS_DIR", restore.c_str(), 1) : ::unsetenv("XDG_DOCUMENTS_DIR");
}

} // namespace
} // namespace vantora
