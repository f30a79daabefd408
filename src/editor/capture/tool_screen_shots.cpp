#include "editor/capture/tool_screen_shots.h"

#include "editor/capture/screen_capture.h"

namespace vantora {

std::optional<Picture> ToolScreenShots::takeScreenShot(int width, int height, QString& error) {
    const CaptureOutcome outcome = RunScreenCapture(window_, tool_, PictureCaptureRequest(width, height));
    switch (outcome.status) {
    case CaptureOutcome::Status::NoTool: return std::nullopt;
    case CaptureOutcome::Status::StartFailed: error = outcome.error; return std::nullopt;
    case CaptureOutcome::Status::NoShots: error = kScreenCaptureFailed; return std::nullopt;
    case CaptureOutcome::Status::Shots: break;
    }
    // The shots are JPEG files of quality 100 already; the reader has checked that they are JPEG.
    if (outcome.shots.Shots.empty()) {
        error = kScreenCaptureFailed;
        return std::nullopt;
    }
    return Picture(PictureFormat::Jpeg, outcome.shots.Shots.back().Jpeg);
}

} // namespace vantora
