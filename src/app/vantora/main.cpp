// vantora [PROJECT.vtp]: the editor. One window per user and program folder: a second start hands
// its project to the running window and ends.

#include "desktop/app_icon.h"
#include "dialogs/shipped_files.h"
#include "dialogs/splash_form.h"
#include "editor/main_window/main_form.h"
#include "platform/single_instance.h"
#include "base/program_folder.h"
#include "storage/scene_copy.h"

#include <QApplication>
#include <QFileInfo>

#include "program_information.h"

namespace {

// The project named on the command line, made absolute so that another instance (with another
// working folder) finds it too. Empty when none is named.
QString ProjectArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (!arg.startsWith(QLatin1Char('-')))
            return QFileInfo(arg).absoluteFilePath();
    }
    return {};
}

constexpr char kUsage[] =
    "Usage: vantora [PROJECT.vtp]\n"
    "Opens the Vantora editor, on PROJECT.vtp when one is named. When the editor already runs, its\n"
    "window comes to the front and opens the project there.\n"
    "  -h, --help     show this help\n"
    "  --version      show the program version\n";

} // namespace

int main(int argc, char** argv) {
    if (program_information::Answered(argc, argv, "vantora", kUsage))
        return 0;
    const QString project = ProjectArgument(argc, argv);
    vantora::SingleInstance instance(
        vantora::SingleInstance::ServerNameFor(QString::fromStdString(vantora::ProgramFolder().string())));
    // Before any window exists, so that a second start ends at once.
    if (instance.handOver(project))
        return 0;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantora"));
    QApplication::setDesktopFileName(QStringLiteral("vantora"));
    QApplication::setWindowIcon(vantora::AppIcon());
    vantora::InstallStorageSceneCopier();

    // The files that ship with the program reach its folder on the first start.
    vantora::InstallShippedFiles();
    // The splash window stays up while the main window and its libraries are made.
    std::unique_ptr<vantora::TSplashForm> splash = vantora::ShowSplash();
    vantora::TMainForm form;
    form.FillLibraryTabs([&splash] { splash->refresh(); });
    splash.reset();
    instance.listen([&form](const QString& projectFile) { form.ActivateFromOtherInstance(projectFile); });
    form.show();
    form.FormShow(project);
    return app.exec();
}
