// The playhead the preview drives: movie frames turned into units of the current scene by the
// movie's timing (checked against a built movie's frame count), nothing for other scenes, the
// line hidden when the preview ends, and the grid scrolled to keep it in view.

#include "editor/timeline/preview_playhead.h"

#include "editor/timeline/timeline_colours.h"
#include "editor/timeline/timeline_grid.h"
#include "editor/timeline/timeline_view.h"
#include "movie/movie_builder.h"
#include "player/flash_player.h"
#include "test_support.h"

#include "../document_fixture.h"

#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <memory>

namespace vantora::test {
namespace {

using timeline::PlayheadUnit;
using Unit = std::optional<int>;

// Scenes of 10, 0 and 25 units: the empty one has no frames, so the third starts where it would.
// (Filled in place: scenes point back at their demo.)
void FillThreeScenes(TVantora& demo, std::int32_t factor) {
    demo.Width = 80;
    demo.Height = 60;
    demo.FrameRateFactor = factor;
    for (const std::int32_t length : {10, 0, 25}) {
        TDemoFrame& scene = NewScene(demo);
        scene.Length = length;
    }
}

TEST(PlayheadUnit, WholeDemoFramesFallIntoTheirScenesAtTheFactorsFramesPerUnit) {
    struct Case {
        std::int32_t factor;
        int frame;
        int current;
        Unit unit;
    };
    const Case cases[] = {
        {2, 0, 0, 0},         {2, 19, 0, 9},          {2, 20, 0, std::nullopt}, {2, 20, 2, 0},
        {2, 21, 2, 0},        {2, 22, 2, 1},          {2, 69, 2, 24},           {2, 70, 2, std::nullopt},
        {2, 5, 1, std::nullopt}, // the empty scene never shows
        {1, 9, 0, 9},         {1, 10, 2, 0},          {1, 34, 2, 24},           {4, 39, 0, 9},
        {4, 40, 2, 0},        {4, 139, 2, 24},        {4, 140, 2, std::nullopt},
        {3, 20, 2, 0}, // a damaged factor plays at 20 frames per second, as the movie does
        {2, -1, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        TVantora demo;
        FillThreeScenes(demo, c.factor);
        EXPECT_EQ(PlayheadUnit(demo, std::nullopt, c.current, c.frame), c.unit)
            << "factor " << c.factor << " frame " << c.frame << " scene " << c.current;
    }
}

TEST(PlayheadUnit, AOneSceneMovieStartsAtItsSceneAndShowsNoOther) {
    TVantora demo;
    FillThreeScenes(demo, 2);
    EXPECT_EQ(PlayheadUnit(demo, 2, 2, 0), Unit(0));
    EXPECT_EQ(PlayheadUnit(demo, 2, 2, 49), Unit(24));
    EXPECT_EQ(PlayheadUnit(demo, 2, 2, 50), std::nullopt);
    EXPECT_EQ(PlayheadUnit(demo, 2, 0, 3), std::nullopt);
    EXPECT_EQ(PlayheadUnit(demo, 0, 0, 3), Unit(1));
    // No current scene, or one the demo does not have.
    EXPECT_EQ(PlayheadUnit(demo, std::nullopt, std::nullopt, 0), std::nullopt);
    EXPECT_EQ(PlayheadUnit(demo, std::nullopt, 3, 0), std::nullopt);
    EXPECT_EQ(PlayheadUnit(TVantora{}, std::nullopt, 0, 0), std::nullopt);
}

// The built movie's last frame is the last unit of the last scene, and it has no frame more.
TEST(PlayheadUnit, AgreesWithTheFramesOfTheBuiltMovie) {
    for (const std::int32_t factor : {1, 2, 4}) {
        ScopedProgramFolder home;
        TVantora demo;
        FillThreeScenes(demo, factor);
        const auto file = home.path() / "movie.swf";
        ASSERT_TRUE(BuildAndSaveWholeDemo(demo, file).ok);
        const std::vector<unsigned char> bytes = readFileBytes(file);
        player::FlashPlayer movie;
        ASSERT_TRUE(movie.Load(bytes));
        const int last = movie.TotalFrames() - 1;
        EXPECT_EQ(PlayheadUnit(demo, std::nullopt, 2, last), Unit(24)) << "factor " << factor;
        EXPECT_EQ(PlayheadUnit(demo, std::nullopt, 2, last + 1), std::nullopt) << "factor " << factor;
        EXPECT_EQ(PlayheadUnit(demo, std::nullopt, 0, 10 * factor - 1), Unit(9)) << "factor " << factor;
    }
}

class PreviewPlayheadTest : public DocumentFixture {
protected:
    std::unique_ptr<timeline::TimelineView> view;
    TDemoFrame* second = nullptr;

    void SetUp() override {
        DocumentFixture::SetUp();
        scene->Length = 40;
        second = &NewScene(document.demo());
        second->Length = 300;
        document.demo().FrameRateFactor = 2;
        view = std::make_unique<timeline::TimelineView>(document);
        view->resize(400, 120);
        view->show();
    }
    void TearDown() override { view.reset(); }
    QRgb gridPixel(int x) { return view->grid().grab().toImage().pixel(x, 10); }
};

TEST_F(PreviewPlayheadTest, FollowsTheCurrentScenesFramesAndGoesWhenThePreviewEnds) {
    {
        timeline::PreviewPlayhead playhead(document, *view, std::nullopt);
        playhead.frameShown(7);
        EXPECT_EQ(view->playhead(), Unit(3));
        EXPECT_EQ(gridPixel(3 * 9), timeline::kPlayheadColour.rgb());
        playhead.frameShown(81); // the second scene's first unit
        EXPECT_EQ(view->playhead(), std::nullopt);
        playhead.frameShown(79);
        EXPECT_EQ(view->playhead(), Unit(39));
    }
    EXPECT_EQ(view->playhead(), std::nullopt);
    EXPECT_NE(gridPixel(39 * 9), timeline::kPlayheadColour.rgb());
}

TEST_F(PreviewPlayheadTest, AScenePreviewMarksOnlyItsOwnScene) {
    timeline::PreviewPlayhead other(document, *view, 1);
    other.frameShown(4);
    EXPECT_EQ(view->playhead(), std::nullopt);
    document.setCurrentScene(second);
    timeline::PreviewPlayhead own(document, *view, 1);
    own.frameShown(4);
    EXPECT_EQ(view->playhead(), Unit(2));
}

TEST_F(PreviewPlayheadTest, TheGridScrollsToKeepThePlayheadInView) {
    document.setCurrentScene(second);
    timeline::PreviewPlayhead playhead(document, *view, 1);
    QScrollBar* bar = view->gridArea().horizontalScrollBar();
    ASSERT_EQ(bar->value(), 0);
    playhead.frameShown(2 * 20); // unit 20 is in view: nothing scrolls
    EXPECT_EQ(bar->value(), 0);
    playhead.frameShown(2 * 200);
    const int x = 200 * 9;
    EXPECT_LE(bar->value(), x);
    EXPECT_GT(bar->value() + view->gridArea().viewport()->width(), x);
    const int scrolled = bar->value();
    playhead.frameShown(2 * 201); // still in view: the grid stays put
    EXPECT_EQ(bar->value(), scrolled);
}

} // namespace
} // namespace vantora::test
