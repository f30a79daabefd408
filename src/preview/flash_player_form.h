#pragma once
// TFlashPlayerForm, "Flash Player": the modal preview window. A top panel with the play, pause
// and stop buttons and a track bar, the movie centred in a scroll box of the demo's back colour,
// and a status bar showing "n / N Frames". A 50 ms timer loads the movie about a second after the
// window shows (at its 21st tick) and then follows the playhead, reporting each frame it shows
// (FrameShown) so that the editor can mark it on its timeline.

#include "player/sound_output.h"

#include <QColor>
#include <QDialog>
#include <QTimer>

#include <functional>
#include <memory>

class QLabel;
class QScrollArea;
class QSlider;
class QStatusBar;
class QToolButton;

namespace vantora {

class TShockwaveFlashEx;

// The message boxes of the preview (a seam for tests).
class PreviewMessages {
public:
    virtual ~PreviewMessages() = default;
    virtual void Error(QWidget* parent, const QString& text) = 0;
};

// Message boxes on the screen.
PreviewMessages& ScreenPreviewMessages();

// Told the 0-based movie frame the preview shows, on every tick of its timer once the movie is
// loaded.
using PreviewFrameReport = std::function<void(int frame)>;

inline const QString kNotInstalledText =
    QStringLiteral("Shockwave Flash is not installed. Please download and install it first.");

class TFlashPlayerForm : public QDialog {
    Q_OBJECT
public:
    // `sound` receives the movie's sounds (null: the default sound device).
    explicit TFlashPlayerForm(QWidget* parent = nullptr, std::unique_ptr<player::SoundOutput> sound = nullptr);
    ~TFlashPlayerForm() override;

    // Everything "Show preview" does before the window shows: false (with the message shown)
    // when the movie file does not exist.
    bool Prepare(const QString& moviePath, int width, int height, QColor backColor, PreviewMessages& messages);
    // Sizes the window for the movie shown at 1:1 with its controls, within `available` (the
    // screen's free area), never below the designed minimum. Prepare does it for the window's screen.
    void FitToMovie(QSize available);
    // Prepare, then show the window modally, telling `onFrame` (when given) each frame it shows.
    // Returns false when no window opened.
    static bool ShowPreview(QWidget* parent, const QString& moviePath, int width, int height, QColor backColor,
                            PreviewMessages& messages = ScreenPreviewMessages(), const PreviewFrameReport& onFrame = {});

    // The parts, for tests.
    QTimer& Timer1() { return timer1_; }
    QSlider* TrackBar1() const { return trackBar1_; }
    QLabel* NotInstalledLabel() const { return label1_; }
    QScrollArea* ScrollBox1() const { return scrollBox1_; }
    QStatusBar* StatusBar1() const { return statusBar1_; }
    QLabel* StatusPanel() const { return statusPanel_; }
    QToolButton* PlayButton() const { return speedButton1_; }
    QToolButton* PauseButton() const { return speedButton2_; }
    QToolButton* StopButton() const { return speedButton3_; }
    TShockwaveFlashEx* Flash() const { return flash_; }
    int TickCounter() const { return counter_; }
    // One tick of the 50 ms timer.
    void Timer1Timer();

signals:
    // The 0-based frame the window shows, on every timer tick once the movie is loaded.
    void FrameShown(int frame);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void TrackBar1Change();
    void CentreMovie();
    void ShowNotInstalled(const QString& reason);

    QToolButton* speedButton1_ = nullptr;
    QToolButton* speedButton2_ = nullptr;
    QToolButton* speedButton3_ = nullptr;
    QSlider* trackBar1_ = nullptr;
    QScrollArea* scrollBox1_ = nullptr;
    QWidget* box_ = nullptr;
    QLabel* label1_ = nullptr;
    QStatusBar* statusBar1_ = nullptr;
    QLabel* statusPanel_ = nullptr;
    QTimer timer1_;
    TShockwaveFlashEx* flash_ = nullptr;
    QString moviePath_;
    int counter_ = 0;
    bool hasControl_ = false;
};

} // namespace vantora
