// The install ledger: names survive a save and a reload, a folder's names can be forgotten
// together, and a damaged or foreign file does not break it.

#include "base/install_ledger.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

class Ledger : public ::testing::Test {
protected:
    test::TempDir dir_;
    std::filesystem::path file_ = dir_.path() / ".ledger";
};

TEST_F(Ledger, NamesSurviveASaveAndAReload) {
    InstallLedger ledger(file_);
    ledger.Add("Gallery/Note1.vto");
    ledger.Add("DefaultClick.wav");
    ASSERT_TRUE(ledger.Save());
    const InstallLedger reloaded(file_);
    EXPECT_TRUE(reloaded.Contains("Gallery/Note1.vto"));
    EXPECT_TRUE(reloaded.Contains("DefaultClick.wav"));
    EXPECT_FALSE(reloaded.Contains("Gallery/Note2.vto"));
}

TEST_F(Ledger, AMissingFileIsAnEmptyLedgerAndAnUnchangedOneIsNotWritten) {
    InstallLedger ledger(file_);
    EXPECT_FALSE(ledger.Contains("DefaultClick.wav"));
    EXPECT_TRUE(ledger.Save());
    EXPECT_FALSE(std::filesystem::exists(file_));
}

TEST_F(Ledger, ForgettingAFolderKeepsTheOtherFolders) {
    InstallLedger ledger(file_);
    for (const char* name : {"Gallery/Note1.vto", "Gallery/Shape1.vto", "GalleryExtra.txt", "Images/A.png"})
        ledger.Add(name);
    ledger.ForgetPrefix("Gallery/");
    EXPECT_FALSE(ledger.Contains("Gallery/Note1.vto"));
    EXPECT_FALSE(ledger.Contains("Gallery/Shape1.vto"));
    EXPECT_TRUE(ledger.Contains("GalleryExtra.txt"));
    EXPECT_TRUE(ledger.Contains("Images/A.png"));
    ASSERT_TRUE(ledger.Save());
    EXPECT_FALSE(InstallLedger(file_).Contains("Gallery/Note1.vto"));
}

TEST_F(Ledger, ReadsWindowsLineEndsAndSkipsEmptyLines) {
    test::writeFileBytes(file_, {'A', '\r', '\n', '\n', 'B', '/', 'c'});
    const InstallLedger ledger(file_);
    EXPECT_TRUE(ledger.Contains("A"));
    EXPECT_TRUE(ledger.Contains("B/c"));
    EXPECT_FALSE(ledger.Contains(""));
}

TEST_F(Ledger, NamesThatWouldBreakTheLineFormatAreRefused) {
    InstallLedger ledger(file_);
    ledger.Add("two\nlines");
    ledger.Add("");
    EXPECT_FALSE(ledger.Contains("two\nlines"));
    EXPECT_TRUE(ledger.Save());
    EXPECT_FALSE(std::filesystem::exists(file_));
}

TEST_F(Ledger, AFolderInPlaceOfTheFileGivesAnEmptyLedgerThatCannotBeSaved) {
    std::filesystem::create_directories(file_);
    InstallLedger ledger(file_);
    ledger.Add("A");
    EXPECT_FALSE(ledger.Save());
}

} // namespace
} // namespace vantora
