// The builder writes each finished scene ahead while it plans the next; the movie it saves must be
// the one writing it whole gives, for every kind of object the sample project holds.

#include "storage/project_file.h"
#include "swf/movie.h"

#include "movie_test_support.h"

#include <sstream>

namespace vantora::test {
namespace {

class WritingAhead : public MovieTest {
protected:
    // The file after the builder's MakeStream, then after a second MakeStream that writes the
    // whole movie the usual way.
    static std::pair<std::string, std::string> AheadAndWhole(swf::TFlashMovie& movie, bool& finishedAhead) {
        movie.MakeStream();
        finishedAhead = movie.FinishedAhead();
        std::ostringstream ahead(std::ios::binary);
        movie.SaveToStream(ahead);
        movie.MakeStream();
        EXPECT_FALSE(movie.FinishedAhead());
        std::ostringstream whole(std::ios::binary);
        movie.SaveToStream(whole);
        return {ahead.str(), whole.str()};
    }
};

TEST_F(WritingAhead, TheSampleProjectGivesTheSameBytesWholeAndByScene) {
    const StorageResult loaded = LoadProject(VANTORA_SAMPLE_PROJECT, demo_);
    ASSERT_TRUE(loaded) << loaded.message;
    bool finishedAhead = false;
    auto whole = BuildWholeDemo(demo_);
    const auto [ahead, rewritten] = AheadAndWhole(*whole, finishedAhead);
    EXPECT_TRUE(finishedAhead) << "the builder's frame count or items did not match what it wrote ahead";
    EXPECT_EQ(ahead, rewritten);

    auto one = BuildOneScene(demo_, 3);
    const auto [sceneAhead, sceneRewritten] = AheadAndWhole(*one, finishedAhead);
    EXPECT_TRUE(finishedAhead);
    EXPECT_EQ(sceneAhead, sceneRewritten);
}

TEST_F(WritingAhead, ADemoWithoutFramesStillFinishesAhead) {
    AddScene(0); // no frames: only the demo background, shown in one frame
    bool finishedAhead = false;
    auto movie = BuildWholeDemo(demo_);
    const auto [ahead, rewritten] = AheadAndWhole(*movie, finishedAhead);
    EXPECT_TRUE(finishedAhead);
    EXPECT_EQ(ahead, rewritten);
    EXPECT_EQ(movie->FrameCount(), 1);
}

} // namespace
} // namespace vantora::test
