// Grabbit, the capture tool the editor starts for "Add Scenes From Screen Shots...", "Take Screen
// Shots" and "Take a Screen Shot...": every left click inside the capture frame takes a shot of
// what the frame shows (or of the whole screen); "Finish" (or a close request) writes them to the
// program folder's shots file.
// Usage: Grabbit MMMMWWWWHHHHFFFF (mode, movie width, movie height, flag; four digits each).

#include "base/program_folder.h"
#include "capture_arguments.h"
#include "global_click_watcher.h"
#include "grabbit_form.h"
#include "keyboard_map.h"
#include "storage/shots_file.h"
#include "termination_signal.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

#include "program_information.h"

namespace {

constexpr int kExitRefused = 2;

constexpr char kUsage[] =
    "Usage: Grabbit [MMMMWWWWHHHHFFFF]\n"
    "The capture tool Vantora starts: every left click inside the capture frame (or anywhere, with\n"
    "\"Full screen\") takes a shot, and \"Finish\" writes the shots to the program folder's\n"
    "ScreenShots file. The argument gives the mode, the movie's width and height and a flag,\n"
    "four digits each.\n"
    "  -h, --help     show this help\n"
    "  --version      show the program version\n";

bool hasEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

// Errors go to the standard error stream, and into a message box when there is a screen for one.
int refuse(const QString& text) {
    std::fprintf(stderr, "Grabbit: %s\n", text.toLocal8Bit().constData());
    const QString platform = QGuiApplication::platformName();
    if (qApp && (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"))))
        QMessageBox::warning(nullptr, QStringLiteral("Screen Capture"), text);
    return kExitRefused;
}

} // namespace

int main(int argc, char** argv) {
    using namespace vantora;
    using namespace vantora::grabbit;
    if (program_information::Answered(argc, argv, "Grabbit", kUsage))
        return 0;
    const QString needsX11 = QStringLiteral("Screen Capture needs an X11 display (on Wayland through XWayland).");
    // Clicks are watched through X11: prefer it wherever a display offers it.
    if (!hasEnvironment("QT_QPA_PLATFORM") && hasEnvironment("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    if (!hasEnvironment("QT_QPA_PLATFORM") && !hasEnvironment("DISPLAY") && !hasEnvironment("WAYLAND_DISPLAY"))
        return refuse(needsX11); // without any display the application could not even start

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Grabbit"));

    CaptureArguments arguments;
    if (argc > 1) {
        std::string error;
        std::optional<CaptureArguments> parsed = ParseCaptureArguments(argv[1], error);
        if (!parsed)
            return refuse(QString::fromStdString(error));
        arguments = *parsed;
    }
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return refuse(needsX11);

    const std::filesystem::path folder = ProgramFolder();
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    TGrabbitForm form(arguments, folder / std::string(kShotsFileName));

    GlobalClickWatcher watcher;
    QString error;
    if (!watcher.start(error))
        return refuse(error);
    QObject::connect(&watcher, &GlobalClickWatcher::leftButtonPressed, &form,
                     [&form](quint32 time) { form.pressedAt(QCursor::pos(), time); });
    const KeyboardMap keys(watcher.connection());
    ModifierTracker modifiers(keys.capsLockOn());
    QObject::connect(&watcher, &GlobalClickWatcher::keyChanged, &form, [&](quint8 keycode, bool down) {
        if (modifiers.key(keys.plainKeysymOf(keycode), down) || !down)
            return;
        form.keyTyped(keys.keysymOf(keycode, modifiers.held()), modifiers.held());
    });
    TerminationSignal termination;
    QObject::connect(&termination, &TerminationSignal::requested, &form, &TGrabbitForm::finish);

    form.start();
    const int status = QApplication::exec();
    return form.savedWell() ? status : 1;
}
