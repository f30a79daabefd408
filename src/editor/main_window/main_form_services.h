#pragma once
// What the main window asks of the world outside it: message boxes and common dialogs, the
// desktop's "open", running its dialogs, the capture tool, the sound player, and what publishing
// asks for. Tests pass their own; the program passes nothing and gets the real ones.

#include <functional>

class QDialog;

namespace vantora {

class CaptureTool;
class DesktopServices;
class PublishPrompts;
class SoundPlayer;
class UserDialogs;

struct MainFormServices {
    UserDialogs* dialogs = nullptr;
    DesktopServices* desktop = nullptr;
    // Runs the window's own dialogs (grid size, new demo, ...) and returns their result; empty
    // means QDialog::exec. Tests fill the dialog in and accept or reject it here.
    std::function<int(QDialog&)> runDialog;
    // The screen-capture tool; empty means the program's own, started as a process.
    CaptureTool* captureTool = nullptr;
    // The library's media player; empty means Qt Multimedia on the default output.
    SoundPlayer* soundPlayer = nullptr;
    // What the Publish dialog asks outside its windows (error box, folder browser, opening a
    // produced file, the disc burner); empty means the system's own.
    PublishPrompts* publishPrompts = nullptr;
};

} // namespace vantora
