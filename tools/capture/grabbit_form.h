#pragma once
// The capture tool's small window "Screen Capture": it stays on top, counts the shots, and offers
// "Finish" (save the shots and end) and "Cancel" (end without a file). A close request, from the
// window's close box or as SIGTERM, means "Finish". Finishing takes one more shot, the screen the
// last click led to (ShotSequence says why).

#include "capture_arguments.h"
#include "shot_sequence.h"

#include <QElapsedTimer>
#include <QWidget>

#include <filesystem>

class QLabel;

namespace vantora::grabbit {

class TGrabbitForm : public QWidget {
    Q_OBJECT
public:
    TGrabbitForm(const CaptureArguments& arguments, std::filesystem::path shotsFile, QWidget* parent = nullptr);

    // A left press at `global` (screen coordinates): a shot of the screen it landed on, unless it
    // fell on this window. In single-shot mode the first shot finishes the capture.
    void pressedAt(QPoint global);

    int shotCount() const { return shots_.count(); }
    // False when the shots could not be saved (the program then ends with status 1).
    bool savedWell() const { return savedWell_; }

    void finish();
    void cancel();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void save();
    void showCount();

    CaptureArguments arguments_;
    std::filesystem::path shotsFile_;
    ShotSequence shots_;
    QElapsedTimer clock_;
    QLabel* countLabel_;
    bool cancelled_ = false;
    bool ended_ = false;
    bool savedWell_ = true;
};

} // namespace vantora::grabbit
