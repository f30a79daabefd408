// The "Flash Player" window: the missing-file message, loading at the 21st tick, the track bar
// and status text, the speed buttons, the centred movie and the label for an unplayable movie.
#include "player_test_support.h"

#include "preview/flash_player_form.h"
#include "preview/shockwave_flash_ex.h"
#include "swf/actions.h"
#include "swf/place_object.h"
#include "swf/shape.h"
#include "test_support.h"

#include <QCoreApplication>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>

#include <fstream>
#include <vector>

using namespace player_test;

namespace {

class RecordedMessages : public vantora::PreviewMessages {
public:
    void Error(QWidget*, const QString& text) override { errors.push_back(text); }
    std::vector<QString> errors;
};

class FlashPlayerForm : public ::testing::Test {
protected:
    QString WriteMovie(const Bytes& bytes, const std::string& name = "movie.swf") {
        const auto path = dir_ / name;
        vantora::test::writeFileBytes(path, bytes);
        return QString::fromStdString(path.string());
    }
    // A movie of `frames` frames, 200 x 100 pixels.
    QString Movie(int frames) {
        auto movie = NewMovie(200, 100);
        for (int f = 0; f < frames; ++f)
            movie->ShowFrame();
        return WriteMovie(MovieBytes(*movie));
    }
    std::unique_ptr<vantora::TFlashPlayerForm> Form() {
        return std::make_unique<vantora::TFlashPlayerForm>(nullptr, std::make_unique<RecordingOutput>());
    }
    static void Ticks(vantora::TFlashPlayerForm& form, int n) {
        for (int i = 0; i < n; ++i)
            form.Timer1Timer();
    }

    vantora::test::TempDir dir_;
    RecordedMessages messages_;
};

} // namespace

TEST_F(FlashPlayerForm, MissingMovieFileShowsTheMessageAndOpensNoWindow) {
    auto form = Form();
    const QString path = QString::fromStdString((dir_ / "none.swf").string());
    EXPECT_FALSE(form->Prepare(path, 200, 100, Qt::white, messages_));
    ASSERT_EQ(messages_.errors.size(), 1u);
    EXPECT_EQ(messages_.errors[0], "\"" + path + "\" File not exists.");
    EXPECT_FALSE(vantora::TFlashPlayerForm::ShowPreview(nullptr, path, 200, 100, Qt::white, messages_));
    EXPECT_EQ(messages_.errors.size(), 2u);
}

TEST_F(FlashPlayerForm, LayoutCaptionAndBackColour) {
    auto form = Form();
    ASSERT_TRUE(form->Prepare(Movie(3), 200, 100, QColor(10, 20, 30), messages_));
    EXPECT_EQ(form->windowTitle(), "Flash Player");
    EXPECT_EQ(form->width(), 800);
    EXPECT_FALSE(form->TrackBar1()->isEnabled());
    EXPECT_FALSE(form->Timer1().isActive());
    EXPECT_EQ(form->Timer1().interval(), 50);
    EXPECT_GE(form->StatusPanel()->minimumWidth(), 50);
    EXPECT_EQ(form->ScrollBox1()->widget()->palette().color(QPalette::Window), QColor(10, 20, 30));
    EXPECT_FALSE(form->NotInstalledLabel()->isVisibleTo(form.get()));
}

TEST_F(FlashPlayerForm, TheMovieLoadsAtTheTwentyFirstTick) {
    auto form = Form();
    ASSERT_TRUE(form->Prepare(Movie(5), 200, 100, Qt::white, messages_));
    form->show();
    EXPECT_TRUE(form->Timer1().isActive());
    EXPECT_EQ(form->TickCounter(), 0);
    form->Timer1().stop(); // ticks by hand from here
    Ticks(*form, 20);
    EXPECT_FALSE(form->Flash()->IsLoaded());
    EXPECT_FALSE(form->TrackBar1()->isEnabled());
    Ticks(*form, 1);
    EXPECT_EQ(form->TickCounter(), 1000);
    EXPECT_TRUE(form->Flash()->IsLoaded());
    EXPECT_EQ(form->TrackBar1()->maximum(), 4);
    EXPECT_TRUE(form->TrackBar1()->isEnabled());
    EXPECT_EQ(form->StatusPanel()->text(), "1 / 5 Frames");
    form->Flash()->Advance();
    form->Flash()->Advance();
    Ticks(*form, 1);
    EXPECT_EQ(form->TrackBar1()->value(), 2);
    EXPECT_EQ(form->StatusPanel()->text(), "3 / 5 Frames");
}

TEST_F(FlashPlayerForm, EveryTickAfterLoadingReportsTheFrameShown) {
    auto form = Form();
    ASSERT_TRUE(form->Prepare(Movie(6), 200, 100, Qt::white, messages_));
    std::vector<int> frames;
    QObject::connect(form.get(), &vantora::TFlashPlayerForm::FrameShown, [&frames](int f) { frames.push_back(f); });
    Ticks(*form, 20);
    EXPECT_TRUE(frames.empty()) << "nothing is shown before the movie loads";
    Ticks(*form, 1);
    form->Flash()->FrameTimer().stop();
    form->Flash()->Advance();
    form->Flash()->Advance();
    Ticks(*form, 1);
    form->TrackBar1()->setValue(5);
    Ticks(*form, 1);
    EXPECT_EQ(frames, (std::vector<int>{0, 2, 5}));
}

TEST_F(FlashPlayerForm, AnUnplayableMovieReportsNoFrame) {
    auto form = Form();
    ASSERT_TRUE(form->Prepare(WriteMovie({'F', 'W', 'S', 6, 1, 2, 3}), 200, 100, Qt::white, messages_));
    int reports = 0;
    QObject::connect(form.get(), &vantora::TFlashPlayerForm::FrameShown, [&reports](int) { ++reports; });
    Ticks(*form, 25);
    EXPECT_EQ(reports, 0);
}

TEST_F(FlashPlayerForm, OneFrameMovieGivesTrackBarMaximumZero) {
    auto form = Form();
    ASSERT_TRUE(form->Prepare(Movie(1), 200, 100, Qt::white, messages_));
    Ticks(*form, 21);
    EXPECT_EQ(form->TrackBar1()->maximum(), 0);
    EXPECT_EQ(form->StatusPanel()->text(), "1 / 1 Frames");
}

TEST_F(FlashPlayerForm, SpeedButtonsAndTrackBarDriveThePlayer) {
    auto form = Form();
    ASSERT_TRUE(form->Prepare(Movie(10), 200, 100, Qt::white, messages_));
    Ticks(*form, 21);
    vantora::TShockwaveFlashEx& flash = *form->Flash();
    flash.FrameTimer().stop();
    flash.Advance();
    form->PauseButton()->click();
    EXPECT_FALSE(flash.Playing());
    // Moving the track bar while paused stays paused at the new frame.
    form->TrackBar1()->setValue(6);
    EXPECT_EQ(flash.CurrentFrame(), 6);
    EXPECT_FALSE(flash.Playing());
    form->PlayButton()->click();
    EXPECT_TRUE(flash.Playing());
    // ... and while playing plays on from there.
    form->TrackBar1()->setValue(3);
    EXPECT_EQ(flash.CurrentFrame(), 3);
    EXPECT_TRUE(flash.Playing());
    form->StopButton()->click();
    EXPECT_EQ(flash.CurrentFrame(), 0);
    EXPECT_FALSE(flash.Playing());
}

TEST_F(FlashPlayerForm, MovieIsCentredAndPinnedToTheCornerWhenLarger) {
    auto form = Form();
    ASSERT_TRUE(form->Prepare(Movie(1), 200, 100, Qt::white, messages_));
    form->show();
    const QSize view = form->ScrollBox1()->viewport()->size();
    EXPECT_EQ(form->Flash()->size(), QSize(200, 100));
    EXPECT_EQ(form->Flash()->pos(), QPoint((view.width() - 200) / 2, (view.height() - 100) / 2));
    auto big = Form();
    ASSERT_TRUE(big->Prepare(Movie(1), 2000, 1500, Qt::white, messages_));
    big->show();
    EXPECT_EQ(big->Flash()->pos(), QPoint(0, 0));
}

TEST_F(FlashPlayerForm, AScreenWithRoomShowsAnEightHundredBySixHundredMovieWithoutScrollBars) {
    auto form = Form();
    ASSERT_TRUE(form->Prepare(Movie(1), 800, 600, Qt::white, messages_));
    form->FitToMovie(QSize(1600, 1000));
    form->show();
    QCoreApplication::processEvents();
    EXPECT_GE(form->height(), 600 + 25) << "the controls come on top of the movie";
    EXPECT_LE(form->height(), 1000);
    const QSize view = form->ScrollBox1()->viewport()->size();
    EXPECT_GE(view.width(), 800);
    EXPECT_GE(view.height(), 600);
    EXPECT_FALSE(form->ScrollBox1()->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(form->ScrollBox1()->verticalScrollBar()->isVisible());
    EXPECT_EQ(form->Flash()->pos(), QPoint((view.width() - 800) / 2, (view.height() - 600) / 2));
}

TEST_F(FlashPlayerForm, ASmallScreenBoundsTheWindowAndSmallMoviesKeepTheMinimum) {
    auto form = Form();
    ASSERT_TRUE(form->Prepare(Movie(1), 800, 600, Qt::white, messages_));
    form->FitToMovie(QSize(1000, 620));
    EXPECT_EQ(form->size(), QSize(800, 620));
    auto small = Form();
    ASSERT_TRUE(small->Prepare(Movie(1), 200, 100, Qt::white, messages_));
    small->FitToMovie(QSize(1600, 1000));
    EXPECT_EQ(small->size(), QSize(800, 600));
}

TEST_F(FlashPlayerForm, UnplayableMovieShowsTheLabelWithTheReason) {
    auto form = Form();
    ASSERT_TRUE(form->Prepare(WriteMovie({'F', 'W', 'S', 6, 1, 2, 3}), 200, 100, Qt::white, messages_));
    form->show();
    form->Timer1().stop();
    Ticks(*form, 21);
    EXPECT_TRUE(form->NotInstalledLabel()->isVisible());
    EXPECT_TRUE(form->NotInstalledLabel()->text().startsWith(vantora::kNotInstalledText));
    EXPECT_TRUE(form->NotInstalledLabel()->text().contains("too short"));
    EXPECT_FALSE(form->Timer1().isActive());
    form->PlayButton()->click(); // does nothing, and nothing breaks
    EXPECT_FALSE(form->TrackBar1()->isEnabled());
}
