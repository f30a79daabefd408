#pragma once
// What the main window asks of the world outside it: message boxes and common dialogs, and the
// desktop's "open", and running its dialogs. Tests pass their own; the program passes nothing and
// gets the real ones.

#include <functional>

class QDialog;

namespace vantora {

class DesktopServices;
class UserDialogs;

struct MainFormServices {
    UserDialogs* dialogs = nullptr;
    DesktopServices* desktop = nullptr;
    // Runs the window's own dialogs (grid size, new demo, ...) and returns their result; empty
    // means QDialog::exec. Tests fill the dialog in and accept or reject it here.
    std::function<int(QDialog&)> runDialog;
};

} // namespace vantora
