// The bridge to the independent parser must fail a test when a file is not a valid movie; these
// cases make sure it cannot silently pass broken output.
#include "swf/movie.h"

#include "swf_test_helpers.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using vantora::test::TempDir;

TEST(SwfCheckBridge, RejectsFilesThatAreNotMovies) {
    TempDir dir;
    vantora::test::writeFileBytes(dir / "junk.swf", {'F', 'W', 'S', 6, 99, 0, 0, 0, 1, 2, 3});
    EXPECT_NONFATAL_FAILURE(vantora::test::checkSwf(dir / "junk.swf"), "rejects");
}

TEST(SwfCheckBridge, RejectsATagRunningPastTheEnd) {
    TempDir dir;
    // Header (RECT 0x00, rate, count) then a SetBackgroundColor that claims 5 bytes where 2 remain.
    const std::vector<uint8_t> file = {'F', 'W', 'S', 6, 17, 0, 0, 0, 0x00, 0x00, 0x14, 0x00, 0x00, 0x45, 0x02, 0x00, 0x00};
    vantora::test::writeFileBytes(dir / "cut.swf", file);
    EXPECT_NONFATAL_FAILURE(vantora::test::checkSwf(dir / "cut.swf"), "rejects");
}

TEST(SwfCheckBridge, ReportsHeaderAndFrameCountMismatchAsWarnings) {
    TempDir dir;
    swf::TFlashMovie movie(0, 0, 100, 100, 20, true);
    movie.ShowFrame();
    movie.MakeStream();
    movie.SetFrameCount(5);
    movie.SaveToFile(dir / "count.swf");
    const auto s = vantora::test::checkSwf(dir / "count.swf");
    EXPECT_TRUE(s.ok);
    EXPECT_EQ(s.frameCount, 5);
    ASSERT_EQ(s.warnings.size(), 1u);
    EXPECT_NE(s.warnings[0].find("frameCount 5"), std::string::npos) << s.warnings[0];
}
