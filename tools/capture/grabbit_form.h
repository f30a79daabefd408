#pragma once
// The capture tool's small window "Screen Capture": it stays on top, counts the shots and the
// clicks outside the capture frame, and offers "Full screen" (record the whole screen instead of
// the frame; fixed once the first shot is taken, so that all shots have one size), "Finish"
// (save the shots and end) and "Cancel" (end without a file). A close request, from the window's
// close box or as SIGTERM, means "Finish". Finishing takes one more shot, the screen the last
// click led to (ShotSequence says why). A single-picture capture records the whole screen. With
// "Record typing" (on unless a single picture is taken) the text typed after a click is filed
// with it.

#include "capture_arguments.h"
#include "screen_grab.h"
#include "shot_sequence.h"
#include "typed_keys.h"

#include <QElapsedTimer>
#include <QWidget>

#include <filesystem>

class QCheckBox;
class QLabel;

namespace vantora::grabbit {

class CaptureFrame;

class TGrabbitForm : public QWidget {
    Q_OBJECT
public:
    TGrabbitForm(const CaptureArguments& arguments, std::filesystem::path shotsFile, QWidget* parent = nullptr);
    ~TGrabbitForm() override;

    // Shows the window, and the capture frame unless the whole screen is recorded.
    void start();

    // A left press at `global` (screen coordinates) at the server's `time`: a shot of what it
    // landed on, unless it fell on this window or on the frame's border; a press outside the
    // frame is only counted. In single-shot mode the first shot finishes the capture.
    void pressedAt(QPoint global, quint32 time = 0);

    int shotCount() const { return shots_.count(); }
    int outsideCount() const { return outside_; }

    // A key typed somewhere, as its key symbol and the modifiers held with it.
    void keyTyped(std::uint32_t keysym, const KeyModifiers& modifiers);
    // False when the shots could not be saved (the program then ends with status 1).
    bool savedWell() const { return savedWell_; }

    void finish();
    void cancel();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void save();
    void showCount();
    void setFullScreen(bool on);
    // The press once the frame has seen its own presses up to now: a press on its border (the
    // pointer may have left the border already when a drag is quick) is the frame's, not a click.
    void handlePress(QPoint global, quint32 time);
    // What a shot records now: the frame's area, or nothing for the whole screen.
    std::optional<ShotRegion> region() const;

    CaptureArguments arguments_;
    std::filesystem::path shotsFile_;
    ShotSequence shots_;
    QElapsedTimer clock_;
    QLabel* countLabel_;
    QLabel* outsideLabel_;
    QCheckBox* fullScreen_;
    QCheckBox* recordTyping_;
    TypedText typed_;
    CaptureFrame* frame_ = nullptr; // none in single-shot mode
    int outside_ = 0;
    bool cancelled_ = false;
    bool ended_ = false;
    bool savedWell_ = true;
};

} // namespace vantora::grabbit
