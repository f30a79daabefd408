// Which entries of a folder go on the disc, in which order, under which names, and how failures
// are reported.
#include "discburn/folder_layout.h"
#include "discburn/log_icon.h"

#include "fake_burn_engine.h"
#include "image_readback.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace discora {
namespace {

namespace fs = std::filesystem;
using test::FakeBurnEngine;
using test::writeText;

struct Logged {
    std::vector<std::pair<std::string, int>> lines;
    std::vector<std::string> failures;
    LayoutReport report() {
        return {[this](const std::string& line, int icon) { lines.emplace_back(line, icon); },
                [this](const std::string& text) { failures.push_back(text); }};
    }
};

TEST(DiscoraFolderLayout, FoldersFirstThenFilesEachByNameAtTheRoot) {
    vantora::test::TempDir dir;
    writeText(dir / "b.txt", "b");
    writeText(dir / "a.txt", "a");
    writeText(dir / "C.txt", "c"); // letters sort regardless of case
    writeText(dir / "zeta" / "x", "x");
    writeText(dir / "alpha" / "y", "y");
    writeText(dir / "AutoRunSource" / "z", "z");
    writeText(dir / "alpha" / "AutoRunSource", "a file of that name deeper down is not our business");
    FakeBurnEngine engine;
    Logged logged;

    addFolderContents(engine, dir.path().string(), logged.report());

    using Pairs = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(engine.folders, (Pairs{{(dir / "alpha").string(), "alpha"}, {(dir / "zeta").string(), "zeta"}}));
    EXPECT_EQ(engine.files, (Pairs{{(dir / "a.txt").string(), "a.txt"},
                                   {(dir / "b.txt").string(), "b.txt"},
                                   {(dir / "C.txt").string(), "C.txt"}}));
    using Lines = std::vector<std::pair<std::string, int>>;
    EXPECT_EQ(logged.lines, (Lines{{"========== ADD FILES TO CD/DVD LAYOUT ... ", log_icon::None},
                                   {"alpha", log_icon::Folder},
                                   {"zeta", log_icon::Folder},
                                   {"a.txt", log_icon::File},
                                   {"b.txt", log_icon::File},
                                   {"C.txt", log_icon::File}}));
    EXPECT_TRUE(logged.failures.empty());
}

TEST(DiscoraFolderLayout, AFileNamedAutoRunSourceIsSkippedToo) {
    vantora::test::TempDir dir;
    writeText(dir / "AutoRunSource", "file");
    writeText(dir / "autorun.inf", "[autorun]");
    FakeBurnEngine engine;
    Logged logged;
    addFolderContents(engine, dir.path().string(), logged.report());
    ASSERT_EQ(engine.files.size(), 1u);
    EXPECT_EQ(engine.files[0].second, "autorun.inf");
}

TEST(DiscoraFolderLayout, FailuresAreReportedAndTheRestIsStillAdded) {
    vantora::test::TempDir dir;
    writeText(dir / "bad" / "x", "x");
    writeText(dir / "good" / "y", "y");
    writeText(dir / "broken.txt", "b");
    writeText(dir / "fine.txt", "f");
    FakeBurnEngine engine;
    engine.failingTargets = {"bad", "broken.txt"};
    Logged logged;

    addFolderContents(engine, dir.path().string(), logged.report());

    EXPECT_EQ(logged.failures,
              (std::vector<std::string>{"\"" + (dir / "bad").string() + "/*.*\" can not be added to the CD/DVD image!",
                                        "Can not add \"" + (dir / "broken.txt").string() + "\" to the image!"}));
    EXPECT_EQ(engine.folders.size(), 1u);
    EXPECT_EQ(engine.files.size(), 1u);
}

TEST(DiscoraFolderLayout, LinksAreFollowedAndOddEntriesLeftOut) {
    vantora::test::TempDir dir;
    vantora::test::TempDir elsewhere;
    writeText(elsewhere / "real.txt", "real");
    writeText(elsewhere / "realdir" / "inner.txt", "inner");
    fs::create_symlink(elsewhere / "real.txt", dir / "link.txt");
    fs::create_directory_symlink(elsewhere / "realdir", dir / "linkdir");
    fs::create_symlink(elsewhere / "missing", dir / "dangling");
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = (dir / "sock").string();
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    FakeBurnEngine engine;
    Logged logged;

    addFolderContents(engine, dir.path().string(), logged.report());
    ::close(fd);

    ASSERT_EQ(engine.files.size(), 1u);
    EXPECT_EQ(engine.files[0].second, "link.txt");
    ASSERT_EQ(engine.folders.size(), 1u);
    EXPECT_EQ(engine.folders[0].second, "linkdir");
}

TEST(DiscoraFolderLayout, EmptyOrUnreadableFolderAddsNothing) {
    vantora::test::TempDir dir;
    FakeBurnEngine engine;
    Logged logged;
    addFolderContents(engine, dir.path().string(), logged.report());
    addFolderContents(engine, (dir / "missing").string(), logged.report());
    EXPECT_TRUE(engine.folders.empty());
    EXPECT_TRUE(engine.files.empty());
    EXPECT_EQ(logged.lines.size(), 2u); // the two headings
}

} // namespace
} // namespace discora
