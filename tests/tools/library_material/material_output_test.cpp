// The generator as a whole: the same bytes on every run, files rewritten only when they change,
// stale files of its folders removed, MP3 copies by the encoder, and a build resource folder that
// holds exactly what the generator makes now.

#include "base/safe_file.h"
#include "library_material/library_material.h"
#include "material_test_support.h"
#include "swf/wave_reader.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <set>
#include <stdexcept>
#include <string_view>

namespace vantora::material {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> bytesOf(const fs::path& file) {
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(ReadFileLimited(file, 64 * 1024 * 1024, bytes).ok()) << file;
    return bytes;
}

bool isOwnedFolder(const fs::path& folder) {
    return std::any_of(std::begin(kMaterialFolders), std::end(kMaterialFolders),
                       [&](const char* owned) { return folder == owned; });
}

TEST(MaterialOutput, EveryRunMakesTheSameBytes) {
    const MaterialFiles again = MakeLibraryMaterial();
    const MaterialFiles& first = test::Generated();
    ASSERT_EQ(again.size(), first.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(again[i].relativePath, first[i].relativePath);
        EXPECT_TRUE(again[i].bytes == first[i].bytes) << first[i].relativePath << " differs between runs";
    }
}

TEST(MaterialOutput, FilesLiveInTheLibraryFoldersOrBesideThem) {
    std::set<fs::path> paths;
    for (const MaterialFile& file : test::Generated()) {
        EXPECT_TRUE(paths.insert(file.relativePath).second) << file.relativePath << " twice";
        EXPECT_FALSE(file.bytes.empty()) << file.relativePath;
        const fs::path folder = file.relativePath.parent_path();
        if (folder.empty()) {
            EXPECT_EQ(file.relativePath, "DefaultClick.wav");
        } else {
            EXPECT_TRUE(isOwnedFolder(folder)) << file.relativePath;
        }
    }
    for (const char* folder : kMaterialFolders)
        EXPECT_FALSE(test::FilesIn(folder).empty()) << folder;
}

class MaterialWriting : public ::testing::Test {
protected:
    vantora::test::TempDir dir_;
    MaterialFiles files_ = {{"DefaultClick.wav", {1, 2, 3}}, {"Images/A.png", {4, 5}}, {"Gallery/Note1.vto", {6}}};
};

TEST_F(MaterialWriting, WritesEveryFileTheFirstTime) {
    const WriteReport report = WriteMaterial(dir_.path(), files_);
    EXPECT_EQ(report.written, 3);
    for (const MaterialFile& file : files_)
        EXPECT_EQ(bytesOf(dir_.path() / file.relativePath), file.bytes);
}

TEST_F(MaterialWriting, LeavesFilesThatHoldTheSameBytesUntouched) {
    WriteMaterial(dir_.path(), files_);
    const fs::path image = dir_.path() / "Images/A.png";
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24);
    fs::last_write_time(image, old);
    const WriteReport report = WriteMaterial(dir_.path(), files_);
    EXPECT_EQ(report.written, 0);
    EXPECT_EQ(report.unchanged, 3);
    EXPECT_EQ(fs::last_write_time(image), old);
}

TEST_F(MaterialWriting, RewritesAFileWhoseBytesChanged) {
    WriteMaterial(dir_.path(), files_);
    vantora::test::writeFileBytes(dir_.path() / "Images/A.png", {9, 9, 9});
    const WriteReport report = WriteMaterial(dir_.path(), files_);
    EXPECT_EQ(report.written, 1);
    EXPECT_EQ(bytesOf(dir_.path() / "Images/A.png"), (std::vector<std::uint8_t>{4, 5}));
}

TEST_F(MaterialWriting, RemovesStaleFilesOfItsFoldersOnly) {
    WriteMaterial(dir_.path(), files_);
    vantora::test::writeFileBytes(dir_.path() / "Images/Renamed.png", {1});
    vantora::test::writeFileBytes(dir_.path() / "Default.ico", {2});
    fs::create_directories(dir_.path() / "ruffle");
    vantora::test::writeFileBytes(dir_.path() / "ruffle/ruffle.js", {3});
    const WriteReport report = WriteMaterial(dir_.path(), files_);
    EXPECT_EQ(report.removed, 1);
    EXPECT_FALSE(fs::exists(dir_.path() / "Images/Renamed.png"));
    EXPECT_TRUE(fs::exists(dir_.path() / "Default.ico"));
    EXPECT_TRUE(fs::exists(dir_.path() / "ruffle/ruffle.js"));
}

TEST_F(MaterialWriting, FailsLoudlyWhereAFileCannotBeWritten) {
    vantora::test::writeFileBytes(dir_.path() / "Images", {0}); // a file where the folder belongs
    EXPECT_THROW(WriteMaterial(dir_.path(), files_), std::runtime_error);
}

TEST(MaterialMp3, AMissingEncoderIsAnErrorNotSilence) {
    EXPECT_THROW(Mp3Copies(test::Generated(), "/nonexistent/lame"), std::runtime_error);
}

TEST(MaterialMp3, EverySoundGetsADeterministicMp3CopyOfTheSameLength) {
    const std::string_view lame = VANTORA_TEST_LAME;
    if (lame.empty() || lame.ends_with("NOTFOUND"))
        GTEST_SKIP() << "lame is not installed: the build ships WAV files only";
    const MaterialFiles copies = Mp3Copies(test::Generated(), std::string(lame));
    EXPECT_EQ(copies.size(), test::FilesIn("Audios").size());
    for (const MaterialFile& copy : copies) {
        EXPECT_EQ(copy.relativePath.parent_path(), "Audios");
        EXPECT_EQ(copy.relativePath.extension(), ".mp3");
        swf::TMemorySoundSource source(copy.bytes.data(), copy.bytes.size());
        const swf::TWaveInfo mp3 = swf::TWaveReader::ReadMP3(source);
        ASSERT_EQ(mp3.FormatTag, swf::wfPlainMP3) << copy.relativePath;
        EXPECT_EQ(mp3.MPEGLayer, 3u);
        fs::path wavName = copy.relativePath;
        const MaterialFile* wave = test::Find(wavName.replace_extension(".wav").string());
        ASSERT_NE(wave, nullptr);
        swf::TMemorySoundSource waveSource(wave->bytes.data(), wave->bytes.size());
        const double waveSeconds = swf::TWaveReader::ReadWave(waveSource).Duration;
        // The encoder pads to whole frames and adds its delay: at most a few frames longer.
        EXPECT_GE(mp3.Duration, waveSeconds - 0.01) << copy.relativePath;
        EXPECT_LT(mp3.Duration, waveSeconds + 0.25) << copy.relativePath;
    }
    const MaterialFiles again = Mp3Copies(test::Generated(), std::string(lame));
    ASSERT_EQ(again.size(), copies.size());
    for (std::size_t i = 0; i < copies.size(); ++i)
        EXPECT_TRUE(again[i].bytes == copies[i].bytes) << copies[i].relativePath << " differs between runs";
}

// The build ran the generator as it is now: stale material would ship otherwise.
TEST(MaterialOutput, TheBuildResourceFolderHoldsWhatTheGeneratorMakes) {
    const fs::path resources = VANTORA_TEST_RESOURCES;
    for (const MaterialFile& file : test::Generated())
        EXPECT_TRUE(bytesOf(resources / file.relativePath) == file.bytes) << file.relativePath << " is out of date";
}

} // namespace
} // namespace vantora::material
