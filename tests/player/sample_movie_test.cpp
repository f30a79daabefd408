// The sample project's movie, built by the movie builder and played: it waits at its first stop
// point until "Start the tour" is clicked, then plays on.
#include "player_test_support.h"

#include "movie/movie_builder.h"
#include "storage/project_file.h"
#include "test_support.h"

using namespace player_test;

TEST(PlayerSampleMovie, WaitsAtTheStopPointUntilTheButtonIsClicked) {
    vantora::test::ScopedProgramFolder home;
    vantora::TVantora demo;
    const vantora::StorageResult loaded = vantora::LoadProject(VANTORA_SAMPLE_PROJECT, demo);
    ASSERT_TRUE(loaded) << loaded.message;
    const auto file = home.path() / "sample.swf";
    const vantora::MovieBuildResult built = vantora::BuildMovieFile(demo, file);
    ASSERT_TRUE(built.ok) << built.message;

    player::FlashPlayer p;
    LoadOrFail(p, vantora::test::readFileBytes(file));
    EXPECT_EQ(p.TotalFrames(), 600);
    EXPECT_TRUE(p.Definition()->Warnings().empty());
    EXPECT_EQ(p.RenderFrame().size(), QSize(800, 520));
    for (int i = 0; i < 40; ++i)
        p.Tick();
    EXPECT_EQ(p.CurrentFrame(), 24);
    EXPECT_FALSE(p.Playing());
    p.Click({30, 500}); // the status bar of the screenshot: nothing there to click
    EXPECT_FALSE(p.Playing());
    p.Click({402, 320}); // "Start the tour"
    EXPECT_TRUE(p.Playing());
    p.Tick();
    EXPECT_EQ(p.CurrentFrame(), 25);
}
