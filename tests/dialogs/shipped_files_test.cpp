// Shipped files reach the program folder once and never overwrite the user's copy.

#include "base/install_file.h"
#include "dialogs/shipped_files.h"
#include "dialogs/tips/rtf_reader.h"
#include "dialogs/tips/tips_form.h"
#include "scoped_env.h"
#include "storage/gallery_file.h"
#include "storage/library_folders.h"
#include "test_support.h"

#include <QTextDocument>

#include <gtest/gtest.h>

namespace vantora {
namespace {

TEST(ShippedFiles, InstallOnlyWhatIsMissing) {
    test::TempDir dir;
    const std::vector<std::uint8_t> first = {'a', 'b'};
    const std::vector<std::uint8_t> second = {'c'};
    const auto target = dir.path() / "sub" / "file.txt";
    EXPECT_EQ(InstallMissingFile(target, first), InstallOutcome::Installed);
    EXPECT_EQ(InstallMissingFile(target, second), InstallOutcome::AlreadyThere);
    EXPECT_EQ(test::readFileBytes(target), (std::vector<unsigned char>{'a', 'b'}));
    // A file cannot be made inside another file.
    EXPECT_EQ(InstallMissingFile(target / "inner.txt", second), InstallOutcome::Failed);
}

TEST(ShippedFiles, TipsArriveInTheProgramFolderAndReadAsRichText) {
    test::ScopedProgramFolder folder;
    ASSERT_TRUE(InstallShippedFiles());
    const auto tips = folder.path() / kTipsFileName;
    const std::vector<unsigned char> bytes = test::readFileBytes(tips);
    ASSERT_FALSE(bytes.empty());
    QTextDocument document;
    ASSERT_TRUE(ReadRtf(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), document));
    EXPECT_TRUE(document.toPlainText().contains("interactive tutorial movie"));
    EXPECT_FALSE(document.toPlainText().contains("\\"));
    EXPECT_FALSE(document.toPlainText().contains("Arial")); // the font table is not text

    test::writeFileBytes(tips, {'m', 'i', 'n', 'e'});
    ASSERT_TRUE(InstallShippedFiles());
    EXPECT_EQ(test::readFileBytes(tips), (std::vector<unsigned char>{'m', 'i', 'n', 'e'}));
}

TEST(ShippedFiles, TheLibraryMaterialArrivesBesideTheTipsAndEditsSurviveTheNextStart) {
    test::ScopedEnv resources("VANTORA_RESOURCES", VANTORA_TEST_RESOURCES);
    test::ScopedProgramFolder folder;
    ASSERT_TRUE(InstallShippedFiles());
    const auto gallery = ListGalleryFiles(LibraryFolder(LibraryKind::Gallery));
    ASSERT_FALSE(gallery.empty());
    EXPECT_FALSE(ListPictureFiles(LibraryFolder(LibraryKind::Cursors)).empty());
    EXPECT_FALSE(ListSoundFiles(LibraryFolder(LibraryKind::Audios)).empty());
    EXPECT_TRUE(std::filesystem::exists(DefaultClickSoundFile()));

    test::writeFileBytes(gallery.front(), {'e', 'd', 'i', 't'});
    ASSERT_TRUE(InstallShippedFiles());
    EXPECT_EQ(test::readFileBytes(gallery.front()), (std::vector<unsigned char>{'e', 'd', 'i', 't'}));
}

} // namespace
} // namespace vantora
