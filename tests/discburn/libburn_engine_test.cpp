// The engine on the real burning stack. No hardware: libburn's "stdio:" pseudo-drives write a
// real disc image into a file, which is then read back with xorriso and libisofs.
#include "discburn/folder_layout.h"
#include "discburn/libburn_engine.h"

#include "image_readback.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace discora {
namespace {

namespace fs = std::filesystem;
using namespace discora::test;
using vantora::test::TempDir;

constexpr std::time_t FixedTime = 1700000000; // any fixed moment makes images reproducible

class DiscoraEngine : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(source); }

    std::unique_ptr<LibburnEngine> engineWith(std::vector<std::string> drives, int roles = 0) {
        LibburnEngine::Options options;
        options.scanDrives = false;
        options.extraDrives = std::move(drives);
        options.fixedTime = FixedTime;
        options.driveRoles = roles;
        auto engine = std::make_unique<LibburnEngine>(options);
        EXPECT_TRUE(engine->initialize());
        return engine;
    }

    std::unique_ptr<LibburnEngine> discEngine() {
        auto engine = engineWith({"stdio:" + disc.string()});
        EXPECT_EQ(engine->drives().size(), 1u);
        EXPECT_TRUE(engine->selectDrive(0));
        return engine;
    }

    void layOut(BurnEngine& engine) {
        LayoutReport report;
        report.log = [](const std::string&, int) {};
        report.failed = [this](const std::string& text) { failures.push_back(text); };
        addFolderContents(engine, source.string(), report);
    }

    std::vector<BurnEvent> writeDisc(BurnEngine& engine) {
        if (!engine.startWrite(0)) {
            ADD_FAILURE() << "the write did not start";
            return {};
        }
        return runToEnd(engine);
    }

    static int lastStatus(const std::vector<BurnEvent>& events) {
        const std::vector<int> statuses = writeStatuses(events);
        return statuses.empty() ? -1 : statuses.back();
    }

    Tree extracted(const fs::path& image) {
        const fs::path into = dir / ("out-" + std::to_string(extractions++));
        std::string output;
        EXPECT_TRUE(extractImage(image, into, output)) << output;
        return readTree(into);
    }

    TempDir dir;
    fs::path source = dir / "folder";
    fs::path disc = dir / "disc.iso";
    std::vector<std::string> failures;
    int extractions = 0;
};

TEST_F(DiscoraEngine, AutorunFolderBecomesFourFilesAtTheDiscRoot) {
    writeText(source / "autorun.inf", "[autorun]\r\nopen=autorun.exe\r\nicon=autorun.ico\r\n");
    writeText(source / "autorun.exe", randomBytes(70000, 1));
    writeText(source / "autorun.ico", randomBytes(766, 2));
    writeText(source / "autorun.swf", randomBytes(150001, 3));
    auto engine = discEngine();
    layOut(*engine);

    const std::vector<BurnEvent> events = writeDisc(*engine);

    ASSERT_FALSE(writeStatuses(events).empty());
    EXPECT_EQ(writeStatuses(events).front(), write_status::Preparing);
    EXPECT_EQ(lastStatus(events), write_status::Completed);
    EXPECT_EQ(firstWriteError(events), nullptr);
    std::vector<int> progress;
    for (const BurnEvent& event : events)
        if (const auto* status = std::get_if<WriteStatusEvent>(&event);
            status && status->status >= write_status::WritingFirst && status->status <= write_status::WritingLast)
            progress.push_back(status->progress);
    ASSERT_FALSE(progress.empty());
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), 100);
    EXPECT_EQ(extracted(disc), readTree(source));
    std::vector<std::string> joliet = jolietRootNames(disc);
    std::sort(joliet.begin(), joliet.end());
    EXPECT_EQ(joliet, (std::vector<std::string>{"autorun.exe", "autorun.ico", "autorun.inf", "autorun.swf"}));
    EXPECT_TRUE(failures.empty());
}

TEST_F(DiscoraEngine, LeavesOutAutoRunSourceAndKeepsNestedFoldersByteForByte) {
    writeText(source / "AutoRunSource" / "demo.vtp", "project");
    writeText(source / "AutoRunSource" / "more" / "x.bin", "x");
    writeText(source / "autorun.inf", "[autorun]\r\n");
    writeText(source / "movies" / "intro.swf", randomBytes(300000, 4));
    writeText(source / "movies" / "deeper" / "still" / "notes.txt", "deep");
    // Below the top level the name is an ordinary folder and travels with its parent.
    writeText(source / "movies" / "AutoRunSource" / "kept.txt", "kept");
    const std::string longName(120, 'n');
    writeText(source / "docs" / (longName + ".txt"), "a long name survives");
    writeText(source / "docs" / "Ünïcödé name.txt", "utf-8");
    writeText(source / ".hidden", "hidden files go too");
    fs::create_directories(source / "empty");
    auto engine = discEngine();
    layOut(*engine);

    const std::vector<BurnEvent> events = writeDisc(*engine);

    ASSERT_EQ(lastStatus(events), write_status::Completed);
    Tree expected = readTree(source);
    for (auto it = expected.begin(); it != expected.end();)
        it = it->first.rfind("AutoRunSource", 0) == 0 ? expected.erase(it) : std::next(it);
    EXPECT_EQ(extracted(disc), expected);
    const std::vector<std::string> joliet = jolietRootNames(disc);
    EXPECT_EQ(std::count(joliet.begin(), joliet.end(), "AutoRunSource"), 0);
    EXPECT_EQ(std::count(joliet.begin(), joliet.end(), "movies"), 1);
}

TEST_F(DiscoraEngine, SavedIsoFileHoldsTheSameImageAsTheWrittenDisc) {
    writeText(source / "autorun.inf", "[autorun]\r\n");
    writeText(source / "data" / "blob.bin", randomBytes(123457, 5));
    auto engine = discEngine();
    // The same steps before each run: libisofs numbers the files anew for every image it makes.
    const auto prepare = [&] {
        engine->resetLayout();
        layOut(*engine);
        engine->setVolumeLabel("TUTORIAL");
        return engine->imageSize();
    };
    const std::uint64_t size = prepare();
    ASSERT_GT(size, 0u);
    ASSERT_EQ(lastStatus(writeDisc(*engine)), write_status::Completed);

    ASSERT_EQ(prepare(), size);
    const fs::path iso = dir / "saved.iso";
    ASSERT_TRUE(engine->startIsoFile(iso.string()));
    const std::vector<BurnEvent> events = runToEnd(*engine);

    ASSERT_EQ(lastStatus(events), write_status::Completed);
    ASSERT_EQ(fs::file_size(iso), size);
    const std::vector<unsigned char> saved = vantora::test::readFileBytes(iso);
    std::vector<unsigned char> written = vantora::test::readFileBytes(disc);
    ASSERT_GE(written.size(), saved.size());
    written.resize(saved.size());
    const auto difference = std::mismatch(saved.begin(), saved.end(), written.begin());
    EXPECT_TRUE(difference.first == saved.end()) << "first difference at byte " << (difference.first - saved.begin());
    EXPECT_EQ(volumeId(iso), "TUTORIAL");
    EXPECT_EQ(extracted(iso), readTree(source));
}

TEST_F(DiscoraEngine, SavingOverALargerFileLeavesNoOldTail) {
    writeText(source / "small.txt", "small");
    const fs::path iso = dir / "old.iso";
    writeText(iso, std::string(8 * 1024 * 1024, '\xab'));
    auto engine = engineWith({});
    layOut(*engine);
    const std::uint64_t size = engine->imageSize();

    ASSERT_TRUE(engine->startIsoFile(iso.string()));
    ASSERT_EQ(lastStatus(runToEnd(*engine)), write_status::Completed);

    EXPECT_EQ(fs::file_size(iso), size);
    EXPECT_EQ(extracted(iso), readTree(source));
}

TEST_F(DiscoraEngine, AbortedSaveKeepsTheEarlierFileAndLeavesNoPartialOne) {
    // A large sparse file keeps the write busy long enough to be aborted.
    ASSERT_TRUE(makeSparseFile(source / "big.bin", 1536LL * 1024 * 1024));
    const fs::path iso = dir / "keep.iso";
    writeText(iso, "earlier contents");
    auto engine = engineWith({});
    layOut(*engine);

    ASSERT_TRUE(engine->startIsoFile(iso.string()));
    engine->abort();
    const std::vector<BurnEvent> events = runToEnd(*engine);

    EXPECT_EQ(lastStatus(events), write_status::Cancelled);
    EXPECT_EQ(firstWriteError(events), nullptr);
    std::string kept;
    std::ifstream(iso) >> kept;
    EXPECT_EQ(kept, "earlier");
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"folder", "keep.iso"}));
}

TEST_F(DiscoraEngine, AbortedDiscWriteLeavesTheFileDiscBlank) {
    ASSERT_TRUE(makeSparseFile(source / "big.bin", 1536LL * 1024 * 1024));
    auto engine = discEngine();
    layOut(*engine);

    ASSERT_TRUE(engine->startWrite(0));
    engine->abort();
    const std::vector<BurnEvent> events = runToEnd(*engine);

    EXPECT_EQ(lastStatus(events), write_status::Cancelled);
    EXPECT_EQ(firstWriteError(events), nullptr);
    EXPECT_EQ(fs::file_size(disc), 0u);
    EXPECT_TRUE(engine->refreshMedia().writable);
}

TEST_F(DiscoraEngine, SaveIsoRefusesPathsItCannotWrite) {
    writeText(source / "a.txt", "a");
    auto engine = engineWith({});
    layOut(*engine);
    EXPECT_FALSE(engine->startIsoFile((dir / "no such folder" / "x.iso").string()));
    EXPECT_FALSE(engine->startIsoFile(source.string())); // a folder
    EXPECT_FALSE(engine->startIsoFile(""));
    EXPECT_FALSE(engine->busy());
}

TEST_F(DiscoraEngine, PseudoDriveIsBlankWritableMediaWithoutSpeedsOrErase) {
    auto engine = discEngine();
    const MediaInfo media = engine->refreshMedia();
    EXPECT_TRUE(media.present);
    EXPECT_TRUE(media.writable);
    EXPECT_FALSE(media.rewritable);
    EXPECT_FALSE(engine->canQuickErase(media));
    EXPECT_TRUE(engine->speeds().empty());
    EXPECT_GT(engine->freeBytes(), 0u);
    EXPECT_FALSE(engine->startQuickErase());
    EXPECT_FALSE(fs::exists(disc)); // looking does not create the file
}

TEST_F(DiscoraEngine, DriveWhoseFileCannotBeWrittenHasNoWritableMedia) {
    auto engine = engineWith({"stdio:" + (dir / "missing folder" / "disc.iso").string()});
    ASSERT_EQ(engine->drives().size(), 1u);
    engine->selectDrive(0); // libburn may refuse the drive already; either way it takes no data
    EXPECT_FALSE(engine->refreshMedia().writable);
    writeText(source / "a.txt", "a");
    layOut(*engine);
    EXPECT_FALSE(engine->startWrite(0));
    EXPECT_FALSE(engine->busy());
}

TEST_F(DiscoraEngine, PipeWithoutReaderIsNoWritableMediaAndBlocksNothing) {
    const fs::path pipe = dir / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    auto engine = engineWith({"stdio:" + pipe.string()});
    ASSERT_EQ(engine->drives().size(), 1u);
    engine->selectDrive(0);
    writeText(source / "a.txt", "a");
    layOut(*engine);
    EXPECT_FALSE(engine->refreshMedia().writable);
    EXPECT_FALSE(engine->startWrite(0));
    EXPECT_FALSE(engine->busy());
}

TEST_F(DiscoraEngine, WithoutDrivesThereIsNothingToSelect) {
    auto engine = engineWith({});
    EXPECT_TRUE(engine->drives().empty());
    EXPECT_FALSE(engine->selectDrive(0));
    EXPECT_FALSE(engine->refreshMedia().present);
    EXPECT_FALSE(engine->startWrite(0));
    EXPECT_FALSE(engine->startQuickErase());
    EXPECT_TRUE(engine->poll().empty());
}

TEST_F(DiscoraEngine, SourceFileVanishingBeforeTheWriteFailsIt) {
    writeText(source / "gone.bin", randomBytes(50000, 6));
    writeText(source / "stays.txt", "stays");
    auto engine = discEngine();
    layOut(*engine);
    fs::remove(source / "gone.bin");

    const std::vector<BurnEvent> events = writeDisc(*engine);

    EXPECT_EQ(lastStatus(events), write_status::Failed);
    const WriteErrorEvent* error = firstWriteError(events);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->kind, error_kind::SourceFile);
    EXPECT_FALSE(error->text.empty());
}

TEST_F(DiscoraEngine, OutputThatRunsOutOfSpaceFailsTheWrite) {
    writeText(source / "data.bin", randomBytes(200000, 7));
    auto engine = engineWith({"stdio:/dev/full"});
    ASSERT_EQ(engine->drives().size(), 1u);
    ASSERT_TRUE(engine->selectDrive(0));
    layOut(*engine);

    const std::vector<BurnEvent> events = writeDisc(*engine);

    EXPECT_EQ(lastStatus(events), write_status::Failed);
    const WriteErrorEvent* error = firstWriteError(events);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->kind, error_kind::OutputFile);
}

TEST_F(DiscoraEngine, QuickEraseBlanksAWriteOnlyFileDrive) {
    // libburn erases only real drives and write-only files ("role 5"): a descriptor opened for
    // writing alone makes one, and roles flag 8 lets one with data count as written media.
    const fs::path medium = dir / "medium.bin";
    writeText(medium, randomBytes(256 * 1024, 8));
    const int fd = ::open(medium.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    auto engine = engineWith({"stdio:/dev/fd/" + std::to_string(fd)}, 1 | 2 | 8);
    ASSERT_EQ(engine->drives().size(), 1u);
    ASSERT_TRUE(engine->selectDrive(0));
    const MediaInfo media = engine->refreshMedia();
    ASSERT_TRUE(media.present);
    ASSERT_TRUE(media.rewritable);
    ASSERT_TRUE(engine->canQuickErase(media));

    ASSERT_TRUE(engine->startQuickErase());
    const std::vector<BurnEvent> events = runToEnd(*engine);

    std::vector<int> statuses;
    for (const BurnEvent& event : events)
        if (const auto* status = std::get_if<EraseStatusEvent>(&event))
            statuses.push_back(status->status);
    ASSERT_GE(statuses.size(), 2u);
    EXPECT_EQ(statuses.front(), erase_status::Started);
    EXPECT_EQ(statuses.back(), erase_status::Completed);
    EXPECT_EQ(fs::file_size(medium), 0u);
    // Blank now: nothing more to erase.
    EXPECT_FALSE(engine->refreshMedia().rewritable);
    EXPECT_FALSE(engine->startQuickErase());
    engine.reset();
    ::close(fd);
}

TEST_F(DiscoraEngine, EngineCanBeUsedAgainAfterAnOperation) {
    writeText(source / "a.txt", "first");
    auto engine = discEngine();
    layOut(*engine);
    ASSERT_EQ(lastStatus(writeDisc(*engine)), write_status::Completed);

    engine->resetLayout();
    fs::remove(source / "a.txt");
    writeText(source / "b.txt", "second, longer than the first");
    layOut(*engine);
    ASSERT_EQ(lastStatus(writeDisc(*engine)), write_status::Completed);
    EXPECT_EQ(extracted(disc), readTree(source));
}

} // namespace
} // namespace discora
