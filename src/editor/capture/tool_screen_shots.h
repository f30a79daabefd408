#pragma once
// "Take a Screen Shot..." of the image editor: the capture tool in single-picture mode, with the
// window it belongs to set aside while the tool runs.

#include "dialogs/image_editor/screen_shot_source.h"

class QWidget;

namespace vantora {

class CaptureTool;

class ToolScreenShots final : public ScreenShotSource {
public:
    ToolScreenShots(CaptureTool& tool, QWidget* window) : tool_(tool), window_(window) {}

    // The last picture the tool took. A missing tool gives nothing without a word; a tool that
    // fails or is cancelled gives nothing and says so.
    std::optional<Picture> takeScreenShot(int width, int height, QString& error) override;

private:
    CaptureTool& tool_;
    QWidget* window_;
};

} // namespace vantora
