#pragma once
// What the main window asks of the world outside it: message boxes and common dialogs, and the
// desktop's "open". Tests pass their own; the program passes nothing and gets the real ones.

namespace vantora {

class DesktopServices;
class UserDialogs;

struct MainFormServices {
    UserDialogs* dialogs = nullptr;
    DesktopServices* desktop = nullptr;
};

} // namespace vantora
