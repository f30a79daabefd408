#include "editor/capture/screen_capture.h"

#include "base/program_folder.h"

#include <QEvent>
#include <QWidget>

namespace vantora {
namespace {

// The restore hook: a user who brings the disabled window back while the tool runs ends the
// capture, so the window never stays disabled with the tool forgotten behind it.
class RestoreHook final : public QObject {
public:
    RestoreHook(QWidget* window, CaptureTool& tool) : window_(window), tool_(tool) { window_->installEventFilter(this); }
    ~RestoreHook() override { window_->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::WindowStateChange && !window_->isMinimized() &&
            !window_->isEnabled())
            tool_.requestClose();
        return false;
    }

private:
    QWidget* window_;
    CaptureTool& tool_;
};

// Minimised and disabled for the scope's lifetime; afterwards as it was.
class SetAside {
public:
    explicit SetAside(QWidget* window) : window_(window), state_(window->windowState()) {
        window_->setWindowState(state_ | Qt::WindowMinimized);
        window_->setEnabled(false);
    }
    ~SetAside() {
        window_->setEnabled(true);
        window_->setWindowState(state_ & ~Qt::WindowMinimized);
    }
    SetAside(const SetAside&) = delete;
    SetAside& operator=(const SetAside&) = delete;

private:
    QWidget* window_;
    Qt::WindowStates state_;
};

} // namespace

std::filesystem::path ShotsFilePath() { return ProgramFolder() / std::string(kShotsFileName); }

CaptureOutcome RunScreenCapture(QWidget* window, CaptureTool& tool, const CaptureRequest& request) {
    CaptureOutcome outcome;
    if (!tool.available())
        return outcome;
    const std::filesystem::path shots = ShotsFilePath();
    std::error_code ignored;
    bool started = false;
    {
        QWidget* topLevel = window->window();
        SetAside aside(topLevel);
        // An old file would pass for this run's result.
        std::filesystem::remove(shots, ignored);
        RestoreHook hook(topLevel, tool);
        started = tool.run(CaptureArgument(request), outcome.error);
    }
    if (!started) {
        outcome.status = CaptureOutcome::Status::StartFailed;
        return outcome;
    }
    if (!std::filesystem::exists(shots, ignored)) {
        outcome.status = CaptureOutcome::Status::NoShots;
        return outcome;
    }
    outcome.status = CaptureOutcome::Status::Shots;
    outcome.shots = ReadShotsFile(shots);
    std::filesystem::remove(shots, ignored);
    return outcome;
}

} // namespace vantora
