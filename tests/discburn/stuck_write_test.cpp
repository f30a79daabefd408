// A write that blocks inside the operating system ignores libburn's cancel. The engine gives it
// up after its patience, reports the write as cancelled and stays responsive. Its own executable:
// libburn, torn down under a thread that never returns, keeps a few small blocks for good.
#include "discburn/folder_layout.h"
#include "discburn/libburn_engine.h"

#include "image_readback.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

extern "C" const char* __lsan_default_suppressions() { return "leak:libburn.so\n"; }

namespace discora {
namespace {

namespace fs = std::filesystem;
using namespace discora::test;

TEST(DiscoraStuckWrite, IsGivenUpAfterThePatienceAndReportedAsCancelled) {
    vantora::test::TempDir dir;
    const fs::path source = dir / "folder";
    fs::create_directories(source);
    ASSERT_TRUE(makeSparseFile(source / "big.bin", 256LL * 1024 * 1024));
    // A pipe with a reader that never reads: the write fills it and then blocks for good.
    const fs::path pipe = dir / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0); // left open until the process ends, so the writer stays blocked

    LibburnEngine::Options options;
    options.scanDrives = false;
    options.extraDrives = {"stdio:" + pipe.string()};
    options.cancelPatienceSeconds = 1;
    LibburnEngine engine(options);
    ASSERT_TRUE(engine.initialize());
    ASSERT_EQ(engine.drives().size(), 1u);
    ASSERT_TRUE(engine.selectDrive(0));
    LayoutReport report{[](const std::string&, int) {}, [](const std::string&) {}};
    addFolderContents(engine, source.string(), report);
    ASSERT_TRUE(engine.refreshMedia().writable);

    ASSERT_TRUE(engine.startWrite(0));
    for (int i = 0; i < 50 && engine.busy(); ++i) { // let it run into the full pipe
        engine.poll();
        ::usleep(10000);
    }
    engine.abort();
    const std::vector<BurnEvent> events = runToEnd(engine, std::chrono::seconds(30));

    const std::vector<int> statuses = writeStatuses(events);
    ASSERT_FALSE(statuses.empty());
    EXPECT_EQ(statuses.back(), write_status::Cancelled);
    const WriteErrorEvent* error = firstWriteError(events);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->kind, error_kind::System);
    EXPECT_FALSE(engine.busy());
    EXPECT_TRUE(engine.poll().empty());
}

} // namespace
} // namespace discora
