#pragma once
// The outside capture tool and how it is started: its one argument, and running it to its end
// while the event loop keeps running. Behind an interface so that tests can stand in for the
// tool and leave a shots file of their own.

#include <QString>

#include <filesystem>

namespace vantora {

// What the tool is asked for: mode 0 makes scenes, mode 1 one picture; the flag says the same
// (0 scenes, 1 picture); width and height are the movie's.
struct CaptureRequest {
    int mode = 0;
    int width = 640;
    int height = 480;
    int flag = 0;
};

CaptureRequest ScenesCaptureRequest(int width, int height);
CaptureRequest PictureCaptureRequest(int width, int height);

// The four numbers, each left-padded with "0" to at least four digits, without separators:
// 640 x 480 scenes give "0000064004800000".
QString CaptureArgument(const CaptureRequest& request);

class CaptureTool {
public:
    virtual ~CaptureTool() = default;
    // Whether the tool is there to be started.
    virtual bool available() = 0;
    // Starts the tool with `argument` and returns once it has ended, processing events meanwhile.
    // False, with the system's text for the failure in `error`, when it could not be started.
    virtual bool run(const QString& argument, QString& error) = 0;
    // Asks the running tool to close, which makes it write what it has; nothing when none runs.
    virtual void requestClose() = 0;
};

// The tool program in the program folder (copied there from the installation when needed).
std::filesystem::path CaptureToolFile();

// The real tool, started as a child process.
CaptureTool& ProgramCaptureTool();

} // namespace vantora
