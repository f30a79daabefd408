#pragma once
// Where "Take a Screen Shot..." gets its picture: the capture tool in single-picture mode, which
// the program supplies. Until it does, NoScreenCapture() says that capture is not available.

#include "picture/picture.h"

#include <QString>

#include <optional>

namespace vantora {

class ScreenShotSource {
public:
    virtual ~ScreenShotSource() = default;
    // One screen shot for a movie of width x height, as a JPEG of quality 100. Nothing when it
    // failed or was cancelled; then `error` says why (empty for a plain cancel).
    virtual std::optional<Picture> takeScreenShot(int width, int height, QString& error) = 0;
};

inline constexpr const char* kScreenCaptureUnavailable = "Screen capture is not available.";

ScreenShotSource& NoScreenCapture();

} // namespace vantora
