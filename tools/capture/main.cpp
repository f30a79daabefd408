// Grabbit, the capture tool the editor starts for "Add Scenes From Screen Shots...", "Take Screen
// Shots" and "Take a Screen Shot...": every left click elsewhere on the screen takes a shot of the
// whole screen; "Finish" (or a close request) writes them to the program folder's shots file.
// Usage: Grabbit MMMMWWWWHHHHFFFF (mode, movie width, movie height, flag; four digits each).

#include "base/program_folder.h"
#include "capture_arguments.h"
#include "global_click_watcher.h"
#include "grabbit_form.h"
#include "storage/shots_file.h"
#include "termination_signal.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kExitRefused = 2;

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
    QObject::connect(&watcher, &GlobalClickWatcher::leftButtonPressed, &form, [&form] { form.pressedAt(QCursor::pos()); });
    TerminationSignal termination;
    QObject::connect(&termination, &TerminationSignal::requested, &form, &TGrabbitForm::finish);

    form.show();
    const int status = QApplication::exec();
    return form.savedWell() ? status : 1;
}
