// The engine reads back what it wrote, on libburn's "stdio:" pseudo-drives: a file standing in
// for a disc (read back through libburn, as a real drive is, and as a file system) and a saved
// ISO file. A hook before the read-back damages the image to prove a mismatch is reported.
#include "discburn/folder_layout.h"
#include "discburn/libburn_engine.h"

#include "image_readback.h"
#include "test_support.h"

#include <gtest/gtest.h>


namespace discora {
namespace {

namespace fs = std::filesystem;
using namespace discora::test;

constexpr char Marker[] = "MARKER-OF-THE-ONLY-FILE";

class EngineVerify : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(source); }

    std::unique_ptr<LibburnEngine> discEngine() {
        LibburnEngine::Options options;
        options.scanDrives = false;
        options.extraDrives = {"stdio:" + disc.string()};
        options.fixedTime = 1700000000;
        options.beforeVerify = [this](const std::string& written) {
            hookCalls.push_back(written);
            if (damage)
                damage(written);
        };
        auto engine = std::make_unique<LibburnEngine>(options);
        EXPECT_TRUE(engine->initialize());
        EXPECT_EQ(engine->drives().size(), 1u);
        EXPECT_TRUE(engine->selectDrive(0));
        LayoutReport report{[](const std::string&, int) {}, [](const std::string& text) { ADD_FAILURE() << text; }};
        addFolderContents(*engine, source.string(), report);
        return engine;
    }

    std::vector<BurnEvent> write(LibburnEngine& engine) {
        if (!engine.startWrite(0)) {
            ADD_FAILURE() << "the write did not start";
            return {};
        }
        return runToEnd(engine);
    }

    std::vector<BurnEvent> save(LibburnEngine& engine) {
        if (!engine.startIsoFile(iso.string())) {
            ADD_FAILURE() << "saving did not start";
            return {};
        }
        return runToEnd(engine);
    }

    static bool has(const std::vector<int>& statuses, int status) {
        return std::find(statuses.begin(), statuses.end(), status) != statuses.end();
    }

    // A verified run: the read-back step came after the writing and before the end.
    void expectVerified(LibburnEngine& engine, const std::vector<BurnEvent>& events) {
        const std::vector<int> statuses = writeStatuses(events);
        ASSERT_FALSE(statuses.empty());
        EXPECT_EQ(statuses.back(), write_status::Completed);
        const auto verifying = std::find(statuses.begin(), statuses.end(), write_status::Verifying);
        ASSERT_NE(verifying, statuses.end());
        EXPECT_EQ(std::find(verifying, statuses.end(), write_status::Preparing), statuses.end());
        const WriteErrorEvent* error = firstWriteError(events);
        EXPECT_EQ(error, nullptr) << (error ? error->text : "");
        EXPECT_TRUE(engine.wasVerified());
        EXPECT_EQ(hookCalls.size(), 1u);
    }

    // A run that wrote but did not read back what it meant to.
    void expectMismatch(LibburnEngine& engine, const std::vector<BurnEvent>& events, const std::string& words) {
        const std::vector<int> statuses = writeStatuses(events);
        ASSERT_FALSE(statuses.empty());
        EXPECT_EQ(statuses.back(), write_status::Failed);
        EXPECT_FALSE(has(statuses, write_status::Completed));
        const WriteErrorEvent* error = firstWriteError(events);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->kind, error_kind::Verify);
        EXPECT_NE(error->text.find(words), std::string::npos) << error->text;
        EXPECT_FALSE(engine.wasVerified());
        EXPECT_FALSE(engine.busy());
    }

    vantora::test::TempDir dir;
    fs::path source = dir / "folder";
    fs::path disc = dir / "disc.iso";
    fs::path iso = dir / "saved.iso";
    std::vector<std::string> hookCalls;
    std::function<void(const std::string&)> damage;
};

TEST_F(EngineVerify, AWrittenDiscIsReadBackAndFoundRight) {
    writeText(source / "autorun.inf", "[autorun]\r\n");
    writeText(source / "movies" / "intro.swf", std::string(3 * 1024 * 1024 + 77, 'm'));
    auto engine = discEngine();
    const std::vector<BurnEvent> events = write(*engine);
    expectVerified(*engine, events);
    EXPECT_EQ(hookCalls, std::vector<std::string>{disc.string()});
    std::vector<int> percents;
    for (const BurnEvent& event : events)
        if (const auto* status = std::get_if<WriteStatusEvent>(&event); status && status->status == write_status::Verifying)
            percents.push_back(status->progress);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_EQ(percents.front(), 0);
    EXPECT_EQ(percents.back(), 100);
}

TEST_F(EngineVerify, DamagedFileContentsOnTheDiscAreAMismatchNamingTheFile) {
    writeText(source / "docs" / "only.txt", std::string(3000, '-') + Marker + std::string(3000, '-'));
    auto engine = discEngine();
    damage = [](const std::string& written) { ASSERT_TRUE(flipByteAfter(written, Marker)); };
    expectMismatch(*engine, write(*engine), "\"docs/only.txt\" differs from its source file at byte 3023");
}

TEST_F(EngineVerify, DamageOutsideTheFilesIsFoundByReadingTheDiscBack) {
    // The first 32 KiB of an image belong to no file: only the block read-back can notice.
    writeText(source / "a.txt", "a");
    auto engine = discEngine();
    damage = [](const std::string& written) { ASSERT_TRUE(flipByteAfter(written, "", 1000)); };
    expectMismatch(*engine, write(*engine), "differs from the data written in mebibyte 0");
}

TEST_F(EngineVerify, ASourceFileChangedAfterTheWriteIsAMismatch) {
    writeText(source / "changing.txt", "as written");
    auto engine = discEngine();
    damage = [this](const std::string&) { writeText(source / "changing.txt", "as changed"); };
    expectMismatch(*engine, write(*engine), "\"changing.txt\" differs from its source file at byte 3");
}

TEST_F(EngineVerify, EmptyFolderZeroByteFileAndDeepLongNamesAreVerified) {
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> fill;
    };
    const std::vector<Case> cases{
        {"nothing at all", [](const fs::path&) {}},
        {"an empty file", [](const fs::path& folder) { writeText(folder / "zero.bin", ""); }},
        {"an empty folder", [](const fs::path& folder) { fs::create_directories(folder / "hollow"); }},
        {"deep and long", [](const fs::path& folder) {
             fs::path deep = folder / std::string(255, 'd');
             for (int level = 0; level < 11; ++level)
                 deep /= std::string(60, static_cast<char>('a' + level));
             writeText(deep / "leaf.txt", "at the bottom");
             writeText(folder / (std::string(250, 'x') + ".txt"), "");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(source);
        fs::create_directories(source);
        c.fill(source);
        hookCalls.clear();
        auto engine = discEngine();
        expectVerified(*engine, write(*engine));
        hookCalls.clear();
        expectVerified(*engine, save(*engine));
        EXPECT_TRUE(fs::exists(iso));
    }
}

TEST_F(EngineVerify, ASavedIsoFileIsVerifiedBeforeItTakesItsName) {
    writeText(source / "only.txt", std::string(100, '-') + Marker);
    writeText(iso, "an earlier image");
    auto engine = discEngine();
    expectVerified(*engine, save(*engine));
    ASSERT_EQ(hookCalls.size(), 1u);
    EXPECT_NE(hookCalls[0], iso.string()); // the file being written, renamed once found right
    EXPECT_EQ(hookCalls[0].find(dir.path().string()), 0u);

    writeText(iso, "an earlier image");
    hookCalls.clear();
    damage = [](const std::string& written) { ASSERT_TRUE(flipByteAfter(written, std::string(50, '-'))); };
    expectMismatch(*engine, save(*engine), "\"only.txt\" differs from its source file at byte 50");
    EXPECT_EQ(readTree(dir.path()).at("saved.iso"), "an earlier image");
    for (const fs::directory_entry& entry : fs::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string().rfind(".saved.iso", 0), std::string::npos) << "left behind";
}

TEST_F(EngineVerify, ACancelledWriteIsNotVerified) {
    // A large sparse file keeps the write busy long enough to be aborted.
    ASSERT_TRUE(makeSparseFile(source / "big.bin", 1536LL * 1024 * 1024));
    auto engine = discEngine();
    ASSERT_TRUE(engine->startWrite(0));
    engine->abort();
    const std::vector<int> statuses = writeStatuses(runToEnd(*engine));
    ASSERT_FALSE(statuses.empty());
    EXPECT_EQ(statuses.back(), write_status::Cancelled);
    EXPECT_FALSE(has(statuses, write_status::Verifying));
    EXPECT_TRUE(hookCalls.empty());
    EXPECT_FALSE(engine->wasVerified());
}

TEST_F(EngineVerify, AbortWhileReadingBackCancelsTheRun) {
    writeText(source / "a.txt", "a");
    auto engine = discEngine();
    damage = [&engine](const std::string&) { engine->abort(); };
    ASSERT_TRUE(engine->startIsoFile(iso.string()));
    const std::vector<BurnEvent> events = runToEnd(*engine);
    const std::vector<int> statuses = writeStatuses(events);
    ASSERT_FALSE(statuses.empty());
    EXPECT_EQ(statuses.back(), write_status::Cancelled);
    EXPECT_FALSE(has(statuses, write_status::Completed));
    EXPECT_FALSE(engine->wasVerified());
    EXPECT_FALSE(fs::exists(iso));
}

TEST_F(EngineVerify, AVerifiedWriteDoesNotVouchForTheNextOne) {
    writeText(source / "a.txt", "a");
    auto engine = discEngine();
    expectVerified(*engine, write(*engine));
    damage = [](const std::string& written) { ASSERT_TRUE(flipByteAfter(written, "", 1000)); };
    expectMismatch(*engine, write(*engine), "mebibyte 0");
    damage = nullptr;
    hookCalls.clear();
    expectVerified(*engine, write(*engine)); // a damaged run leaves the engine usable
}

} // namespace
} // namespace discora
