// The sample project that newcomers build first stays buildable, and its movie keeps what the
// sample is there to show: sprites, a stop point, premultiplied pictures, text and the buttons that
// go on from the stop point.

#include "storage/project_file.h"

#include "movie_test_support.h"

namespace vantora::test {
namespace {

class SampleProject : public MovieTest {};

TEST_F(SampleProject, BuildsIntoAMovieTheIndependentParserAccepts) {
    const StorageResult loaded = LoadProject(VANTORA_SAMPLE_PROJECT, demo_);
    ASSERT_TRUE(loaded) << loaded.message;
    ASSERT_EQ(demo_.Scenes.size(), 4u);
    // Every scene builds; the last one, which has a sprite, the stop point, a photo and painted
    // balloons, is read back (the parser needs seconds per scene).
    const MovieBuildResult whole = BuildMovieFile(demo_, home_.path() / "whole.swf");
    ASSERT_TRUE(whole.ok) << whole.message;
    const SwfSummary movie = Build(MovieBuildOptions{3});
    EXPECT_EQ(movie.frameCount, 60 * 2);
    EXPECT_EQ(movie.xMax, 800 * 20);
    ASSERT_EQ(movie.all(kDoAction).size(), 1u);
    EXPECT_EQ(movie.all(kDoAction)[0]->frame, 50 * 2);
    EXPECT_EQ(movie.all(kDefineSprite).size(), 1u);
    EXPECT_EQ(movie.all(21).size(), 2u) << "the screenshot and the photo";
    EXPECT_FALSE(movie.all(36).empty());
    for (const SwfTag* bitmap : movie.all(36))
        EXPECT_EQ(bitmap->integer("notPremultiplied"), 0);
    // "Watch again" starts from the first frame, "Back to the dialog" from the first frame of
    // the third scene, (80 + 70) x 2 + 1 = 301.
    const auto buttons = movie.all(34);
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0]->text("condActions"), "overDownToOverUp/96050007010000009f01000100");
    EXPECT_EQ(buttons[1]->text("condActions"), "overDownToOverUp/960500072d0100009f01000100");
    EXPECT_EQ(movie.all(37).size(), 1u) << "the tip text";
}

} // namespace
} // namespace vantora::test
