// Damaged, truncated and hostile project data fails cleanly with a read error code and leaves the
// open demo untouched.

#include "storage/project_file.h"

#include "sample_projects.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace vantora {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::Le32;

Bytes serialize(const TVantora& demo) {
    Bytes bytes;
    EXPECT_TRUE(SerializeProject(demo, bytes));
    return bytes;
}

bool isReadCode(StorageErrorCode code) {
    const int value = static_cast<int>(code);
    return value >= 2005 && value <= 2019 && value % 2 == 1;
}

// A demo the failed loads must leave alone.
class DamagedProject : public ::testing::Test {
protected:
    void SetUp() override { open_ = test::MakeSmallDemo(); open_->Name = "Open demo"; }

    void expectCleanFailure(const Bytes& data, const std::string& what) {
        const StorageResult result = ParseProject(data, *open_);
        ASSERT_FALSE(result) << what;
        EXPECT_TRUE(isReadCode(result.code)) << what << ": code " << static_cast<int>(result.code);
        EXPECT_NE(result.message.find("(Error Code: 0/" + std::to_string(static_cast<int>(result.code)) + ")"),
                  std::string::npos)
            << result.message;
        EXPECT_EQ(open_->Name, "Open demo") << what;
        EXPECT_EQ(open_->Scenes.size(), 1u) << what;
    }

    std::unique_ptr<TVantora> open_;
};

TEST_F(DamagedProject, EveryTruncationFails) {
    const Bytes full = serialize(*test::MakeEveryKindDemo());
    for (std::size_t length = 0; length < full.size(); ++length)
        expectCleanFailure(Bytes(full.begin(), full.begin() + static_cast<long>(length)), "cut at " + std::to_string(length));
}

TEST_F(DamagedProject, FlippedBytesNeverCrashAndFailWithReadCodes) {
    const Bytes full = serialize(*test::MakeSmallDemo());
    int failures = 0;
    for (std::size_t at = 0; at < full.size(); ++at) {
        Bytes damaged = full;
        damaged[at] ^= 0xFF;
        TVantora target;
        const StorageResult result = ParseProject(damaged, target);
        if (!result) {
            ++failures;
            EXPECT_TRUE(isReadCode(result.code)) << "flip at " << at;
            EXPECT_TRUE(target.Scenes.empty());
        }
    }
    // Flipping a length or count byte must be noticed; flipping a plain value need not be.
    EXPECT_GT(failures, 20);
}

TEST_F(DamagedProject, RandomGarbageFails) {
    std::mt19937 random(1234);
    for (int round = 0; round < 200; ++round) {
        Bytes garbage(random() % 4000);
        for (auto& byte : garbage)
            byte = static_cast<std::uint8_t>(random());
        TVantora target;
        const StorageResult result = ParseProject(garbage, target);
        if (!result) {
            EXPECT_TRUE(isReadCode(result.code));
        }
    }
}

struct HugeCase {
    const char* what;
    std::size_t offset; // where the int32 sits in the small demo's bytes
    StorageErrorCode expected;
};

// Offsets in the small demo: demo header "Demo" -> scene count at 28, scene from 32.
TEST_F(DamagedProject, HugeOrNegativeLengthsAndCountsAreRefused) {
    const Bytes full = serialize(*test::MakeSmallDemo());
    const std::size_t sceneName = 32 + 4;          // the scene's name length
    const std::size_t sceneNameBytes = 6;          // "Scene1"
    const std::size_t picture = sceneName + 4 + sceneNameBytes + 4; // after BackColor
    const std::vector<HugeCase> cases = {
        {"demo name length", 4, StorageErrorCode::ReadText},
        {"scene count", 28, StorageErrorCode::ReadDemo},
        {"scene name length", sceneName, StorageErrorCode::ReadText},
        {"picture name length", picture, StorageErrorCode::ReadText},
        {"picture size", picture + 4 + 9, StorageErrorCode::ReadPicture},
    };
    for (const HugeCase& c : cases) {
        for (std::int32_t value : {0x7FFFFFFF, -1, static_cast<std::int32_t>(0x80000000), 0x10000000}) {
            Bytes damaged = full;
            const Bytes v = Le32(value);
            std::copy(v.begin(), v.end(), damaged.begin() + static_cast<long>(c.offset));
            const StorageResult result = ParseProject(damaged, *open_);
            ASSERT_FALSE(result) << c.what << " = " << value;
            EXPECT_EQ(result.code, c.expected) << c.what << " = " << value;
        }
    }
}

TEST_F(DamagedProject, CountsOfStopPointsAndObjectsAreCheckedAgainstTheData) {
    TVantora demo;
    TDemoFrame& scene = *demo.Scenes.emplace_back(std::make_unique<TDemoFrame>());
    scene.Name = "S";
    const Bytes full = serialize(demo);
    // Stop-point count and object count are the scene's last two integers.
    for (std::size_t fromEnd : {8u, 4u}) {
        Bytes damaged = full;
        const Bytes v = Le32(1000000);
        std::copy(v.begin(), v.end(), damaged.end() - static_cast<long>(fromEnd));
        const StorageResult result = ParseProject(damaged, *open_);
        ASSERT_FALSE(result);
        EXPECT_EQ(result.code, StorageErrorCode::ReadScene);
    }
}

TEST_F(DamagedProject, UnknownObjectKindIsAnObjectReadError) {
    const Bytes full = serialize(*test::MakeSmallDemo());
    // The first object's kind byte: after its format number and the name "Note1".
    const Bytes name = {'N', 'o', 't', 'e', '1'};
    const auto at = std::search(full.begin(), full.end(), name.begin(), name.end());
    ASSERT_NE(at, full.end());
    Bytes damaged = full;
    damaged[static_cast<std::size_t>(at - full.begin()) + name.size()] = 11;
    const StorageResult result = ParseProject(damaged, *open_);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.code, StorageErrorCode::ReadObject);
}

TEST_F(DamagedProject, AFileThatIsNoProjectFails) {
    expectCleanFailure(test::SamplePng(), "a PNG file");
    expectCleanFailure(Bytes{}, "an empty file");
    expectCleanFailure(Bytes{'h', 'e', 'l', 'l', 'o'}, "a short text");
}

// The message names the file and says what is wrong with it, keeping the reader's code.
TEST_F(DamagedProject, TheMessageSaysWhatIsWrongWithTheFile) {
    const Bytes project = serialize(*test::MakeSmallDemo());
    const Bytes text = {'T', 'o', ' ', 'd', 'o', ':', ' ', 'b', 'u', 'y', ' ', 'm', 'i', 'l', 'k', '\n'};
    struct Case {
        const char* what;
        Bytes bytes;
        std::string says;
    };
    const Case cases[] = {
        {"a text file renamed", text, " is not a Vantora project. (Error Code: 0/2007)"},
        {"a file of three bytes", Bytes{1, 0, 0}, " is not a Vantora project. (Error Code: 0/2019)"},
        {"cut inside the header", Bytes(project.begin(), project.begin() + 9),
         " is cut short at byte 9. (Error Code: 0/2007)"},
        {"cut in half", Bytes(project.begin(), project.begin() + long(project.size() / 2)),
         " is cut short at byte " + std::to_string(project.size() / 2) + "."},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::filesystem::path file = dir / "tour.vtp";
        test::writeFileBytes(file, c.bytes);
        const StorageResult result = LoadProject(file, *open_);
        ASSERT_FALSE(result);
        EXPECT_EQ(result.message.rfind("\"" + file.string() + "\"" + c.says, 0), 0u) << result.message;
        EXPECT_EQ(ParseProject(c.bytes, *open_).message.rfind("The project" + c.says, 0), 0u);
    }
}

TEST_F(DamagedProject, MissingFilesAndFoldersFailWithTheOpenCode) {
    test::TempDir dir;
    StorageResult missing = LoadProject(dir / "nothing.vtp", *open_);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.code, StorageErrorCode::OpenFile);
    EXPECT_EQ(missing.message.rfind("\"" + (dir / "nothing.vtp").string() + "\", ", 0), 0u) << missing.message;
    EXPECT_NE(missing.message.find("/1008)"), std::string::npos);

    StorageResult folder = LoadProject(dir.path(), *open_);
    ASSERT_FALSE(folder);
    EXPECT_EQ(folder.code, StorageErrorCode::OpenFile);
    EXPECT_EQ(open_->Name, "Open demo");
}

} // namespace
} // namespace vantora
