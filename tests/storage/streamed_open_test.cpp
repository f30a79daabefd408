// Opening a project file streams it into the demo: the result, and every failure with its message,
// is what reading the same bytes from memory gives.

#include "storage/project_file.h"
#include "base/safe_file.h"

#include "sample_projects.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes largeProjectBytes() {
    const std::unique_ptr<TVantora> demo = test::MakeEveryKindDemo();
    Bytes bmp = test::SampleBmp();
    bmp.resize(bmp.size() + 300000, 0x33); // several windows of the streamed reader
    demo->Scenes.back()->BackImage = Picture(PictureFormat::Bitmap, bmp);
    Bytes bytes;
    EXPECT_TRUE(SerializeProject(*demo, bytes));
    return bytes;
}

void writeFile(const std::filesystem::path& file, const Bytes& bytes) {
    ASSERT_TRUE(WriteFileSafely(file, bytes).ok());
}

TEST(StreamedOpen, OpenedProjectSavesToTheSameBytes) {
    test::TempDir dir;
    const Bytes saved = largeProjectBytes();
    writeFile(dir / "large.vtp", saved);
    TVantora demo;
    ASSERT_TRUE(LoadProject(dir / "large.vtp", demo));
    EXPECT_FALSE(demo.Changes.modified());
    Bytes again;
    ASSERT_TRUE(SerializeProject(demo, again));
    EXPECT_EQ(again, saved);
}

TEST(StreamedOpen, CutFilesFailAsTheirBytesDo) {
    test::TempDir dir;
    const Bytes full = largeProjectBytes();
    std::vector<std::size_t> cuts = {0, 1, 3, 4, 5, full.size() - 1};
    for (std::size_t cut = 7; cut < full.size(); cut += full.size() / 97)
        cuts.push_back(cut);
    for (std::size_t cut : cuts) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        const Bytes part(full.begin(), full.begin() + static_cast<long>(cut));
        writeFile(dir / "cut.vtp", part);
        const std::unique_ptr<TVantora> fromFile = test::MakeSmallDemo();
        const std::unique_ptr<TVantora> fromMemory = test::MakeSmallDemo();
        const StorageResult opened = LoadProject(dir / "cut.vtp", *fromFile);
        const StorageResult parsed = ParseProject(part, *fromMemory, nullptr, (dir / "cut.vtp").string());
        ASSERT_FALSE(opened);
        EXPECT_EQ(opened.code, parsed.code);
        EXPECT_EQ(opened.message, parsed.message);
        EXPECT_EQ(fromFile->Scenes.size(), 1u) << "a failed open leaves the open demo alone";
    }
}

// The inputs fuzzing kept for the project reader reach its odd corners: files of each open alike.
TEST(StreamedOpen, FuzzCorpusOpensAsItParses) {
    test::TempDir dir;
    std::size_t replayed = 0;
    const std::filesystem::path corpus = std::filesystem::path(VANTORA_FUZZ_CORPUS_DIR) / "fuzz_storage_project";
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        SCOPED_TRACE(entry.path().string());
        Bytes bytes;
        ASSERT_TRUE(ReadFileLimited(entry.path(), kMaxProjectFileBytes, bytes).ok());
        TVantora fromFile;
        TVantora fromMemory;
        const StorageResult opened = LoadProject(entry.path(), fromFile);
        const StorageResult parsed = ParseProject(bytes, fromMemory, nullptr, entry.path().string());
        EXPECT_EQ(static_cast<bool>(opened), static_cast<bool>(parsed));
        EXPECT_EQ(opened.message, parsed.message);
        EXPECT_EQ(fromFile.Scenes.size(), fromMemory.Scenes.size());
        ++replayed;
    }
    EXPECT_GT(replayed, 0u);
}

} // namespace
} // namespace vantora
