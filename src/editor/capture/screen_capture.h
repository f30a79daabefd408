#pragma once
// One run of the capture tool for the editor: the window is minimised and disabled while the
// tool runs, restoring it closes the tool, and what the tool left in the shots file is read and
// the file removed.

#include "editor/capture/capture_tool.h"
#include "storage/shots_file.h"

#include <QString>

class QWidget;

namespace vantora {

inline const QString kScreenShotCaption = QStringLiteral("Screen Shot");
inline const QString kScreenCaptureFailed = QStringLiteral("Screen Capture is canceled or failed");

struct CaptureOutcome {
    enum class Status {
        NoTool,      // the tool is not installed: nothing happened
        StartFailed, // the tool could not be started; `error` has the system's text
        NoShots,     // the tool ended without a shots file: cancelled or failed
        Shots,       // `shots` holds what the file had (possibly cut short by damage)
    };
    Status status = Status::NoTool;
    QString error;
    ShotsReadResult shots;
};

// The shots file's place in the program folder.
std::filesystem::path ShotsFilePath();

// Runs the tool for `request` with `window` (its top-level window) minimised and disabled, and
// collects its shots.
CaptureOutcome RunScreenCapture(QWidget* window, CaptureTool& tool, const CaptureRequest& request);

} // namespace vantora
