// The shots file written by the capture tool: round trips, the exact layout, and files that are
// cut short, damaged or full of absurd numbers.

#include "storage/shots_file.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace vantora {
namespace {

std::vector<std::uint8_t> jpegFile(const char* name) {
    const std::vector<unsigned char> bytes = test::readFileBytes(test::dataFile(std::string("picture/jpeg/") + name));
    return {bytes.begin(), bytes.end()};
}

TShotEvent click(std::int32_t x, std::int32_t y) {
    TShotEvent event;
    event.Kind = 0;
    event.Value = 1;
    event.X = x;
    event.Y = y;
    event.Extra = {1024, 768, 1500, 2, 0, 0};
    return event;
}

std::vector<TScreenShot> twoShots() {
    TScreenShot first{jpegFile("grey.jpg"), {click(10, 20)}};
    TShotEvent note;
    note.Kind = 7;
    note.Value = -3;
    note.Text = "typed \xC3\xA4";
    TScreenShot second{jpegFile("blocks.jpg"), {note, click(-5, 900)}};
    return {first, second};
}

void putInt32(std::vector<std::uint8_t>& bytes, std::size_t at, std::int32_t value) {
    std::memcpy(bytes.data() + at, &value, 4); // the test machines are little-endian, as the file is
}

std::vector<std::uint8_t> header(std::int32_t count) {
    std::vector<std::uint8_t> bytes(4);
    putInt32(bytes, 0, count);
    return bytes;
}

TEST(ShotsFile, WrittenShotsReadBackUnchanged) {
    const std::vector<TScreenShot> shots = twoShots();
    const ShotsReadResult read = ParseShotsFile(ShotsFileBytes(shots));
    EXPECT_TRUE(read.complete()) << read.Error;
    EXPECT_EQ(read.Shots, shots);

    const ShotsReadResult none = ParseShotsFile(ShotsFileBytes({}));
    EXPECT_TRUE(none.complete());
    EXPECT_TRUE(none.Shots.empty());
}

TEST(ShotsFile, LayoutIsCountThenLengthPrefixedPicturesAndTenIntegerEvents) {
    TScreenShot shot{jpegFile("grey.jpg"), {click(300, 200)}};
    shot.Events[0].Text = "ab";
    const std::vector<std::uint8_t> bytes = ShotsFileBytes(std::vector<TScreenShot>{shot});
    const std::size_t jpeg = shot.Jpeg.size();
    ASSERT_EQ(bytes.size(), 4 + 4 + jpeg + 4 + 40 + 4 + 2);
    auto int32At = [&](std::size_t at) {
        std::int32_t value = 0;
        std::memcpy(&value, bytes.data() + at, 4);
        return value;
    };
    EXPECT_EQ(int32At(0), 1);
    EXPECT_EQ(int32At(4), static_cast<std::int32_t>(jpeg));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 8, bytes.begin() + 8 + static_cast<std::ptrdiff_t>(jpeg)),
              shot.Jpeg);
    const std::size_t events = 8 + jpeg;
    EXPECT_EQ(int32At(events), 1);
    const std::int32_t expected[10] = {0, 1, 300, 200, 1024, 768, 1500, 2, 0, 0};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(int32At(events + 4 + 4 * static_cast<std::size_t>(i)), expected[i]) << "integer " << i;
    EXPECT_EQ(int32At(events + 44), 2);
    EXPECT_EQ(bytes[events + 48], 'a');
    EXPECT_EQ(bytes[events + 49], 'b');
}

// Every cut of a good file gives the shots that were complete before the cut, and says why.
TEST(ShotsFile, ATruncatedFileKeepsTheShotsBeforeTheCut) {
    const std::vector<TScreenShot> shots = twoShots();
    const std::vector<std::uint8_t> bytes = ShotsFileBytes(shots);
    const std::size_t firstEnds = ShotsFileBytes(std::vector<TScreenShot>{shots[0]}).size();
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        const ShotsReadResult read = ParseShotsFile(std::span(bytes).first(cut));
        ASSERT_FALSE(read.complete()) << "cut at " << cut;
        const std::size_t expected = cut >= firstEnds ? 1 : 0;
        ASSERT_EQ(read.Shots.size(), expected) << "cut at " << cut;
        if (expected) {
            EXPECT_EQ(read.Shots[0], shots[0]);
        }
    }
}

TEST(ShotsFile, AbsurdCountsAndLengthsAreRefusedWithoutAllocating) {
    // shot count: negative, above the cap, and more than the bytes can hold
    for (std::int32_t count : {-1, INT32_MIN, kMaxShots + 1, INT32_MAX, 2}) {
        const ShotsReadResult read = ParseShotsFile(header(count));
        EXPECT_TRUE(read.Shots.empty());
        EXPECT_NE(read.Error.find("shot count"), std::string::npos) << count << ": " << read.Error;
    }

    const std::vector<std::uint8_t> good = ShotsFileBytes(std::vector<TScreenShot>{twoShots()[0]});
    const std::size_t jpeg = twoShots()[0].Jpeg.size();
    const std::size_t eventCount = 8 + jpeg;
    const std::size_t textLength = eventCount + 4 + 40;
    struct Damage {
        std::size_t at;
        std::int32_t value;
        const char* mentions;
    };
    for (const Damage& damage : {Damage{4, INT32_MAX, "picture length"}, Damage{4, -7, "picture length"},
                                 Damage{eventCount, kMaxEventsPerShot + 1, "event count"},
                                 Damage{eventCount, 2, "event count"}, Damage{eventCount, -1, "event count"},
                                 Damage{textLength, kMaxEventTextBytes + 1, "text length"},
                                 Damage{textLength, 1, "text length"}, Damage{textLength, -2, "text length"}}) {
        std::vector<std::uint8_t> bytes = good;
        putInt32(bytes, damage.at, damage.value);
        const ShotsReadResult read = ParseShotsFile(bytes);
        EXPECT_TRUE(read.Shots.empty());
        EXPECT_NE(read.Error.find(damage.mentions), std::string::npos) << damage.value << ": " << read.Error;
        EXPECT_NE(read.Error.find("shot 1"), std::string::npos) << read.Error;
    }
}

TEST(ShotsFile, APictureThatIsNoJpegEndsTheReading) {
    std::vector<TScreenShot> shots = twoShots();
    const std::vector<unsigned char> png = test::readFileBytes(test::dataFile("picture/png/rgba.png"));
    shots[1].Jpeg.assign(png.begin(), png.end());
    const ShotsReadResult read = ParseShotsFile(ShotsFileBytes(shots));
    ASSERT_EQ(read.Shots.size(), 1u);
    EXPECT_EQ(read.Shots[0], shots[0]);
    EXPECT_NE(read.Error.find("shot 2 is not a JPEG"), std::string::npos) << read.Error;
}

TEST(ShotsFile, FilesAreWrittenSafelyAndMissingOnesSaySo) {
    test::TempDir dir;
    const std::filesystem::path file = dir / "ScreenShots";
    std::string error;
    ASSERT_TRUE(WriteShotsFile(file, twoShots(), error)) << error;
    const ShotsReadResult read = ReadShotsFile(file);
    EXPECT_TRUE(read.complete()) << read.Error;
    EXPECT_EQ(read.Shots, twoShots());
    // nothing but the file is left in the folder
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);

    const ShotsReadResult missing = ReadShotsFile(dir / "none");
    EXPECT_TRUE(missing.Shots.empty());
    EXPECT_NE(missing.Error.find("cannot be opened"), std::string::npos) << missing.Error;
    const ShotsReadResult folder = ReadShotsFile(dir.path());
    EXPECT_TRUE(folder.Shots.empty());
    EXPECT_FALSE(folder.complete());

    EXPECT_FALSE(WriteShotsFile(dir / "no" / "such" / "folder", twoShots(), error));
    EXPECT_NE(error.find("cannot be written"), std::string::npos) << error;
}

// What fuzzing kept: every input reads without harm, and what it yields writes back the same.
TEST(ShotsFile, FuzzCorpusInputsReadAndWriteBack) {
    const std::filesystem::path corpus = std::filesystem::path(VANTORA_FUZZ_CORPUS_DIR) / "fuzz_storage_shots";
    ASSERT_TRUE(std::filesystem::is_directory(corpus));
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        const std::vector<unsigned char> bytes = test::readFileBytes(entry.path());
        const ShotsReadResult read = ParseShotsFile({bytes.data(), bytes.size()});
        const ShotsReadResult again = ParseShotsFile(ShotsFileBytes(read.Shots));
        EXPECT_TRUE(again.complete()) << entry.path();
        EXPECT_EQ(again.Shots, read.Shots) << entry.path();
        ++inputs;
    }
    EXPECT_GE(inputs, 4);
}

} // namespace
} // namespace vantora
