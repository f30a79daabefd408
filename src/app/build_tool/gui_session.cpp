#include "build_tool/gui_session.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <memory>

#include <unistd.h>

namespace vantora::buildtool {

void EnsureGuiApplication() {
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt warns on every start without a runtime folder; a private one under the temporary
    // folder keeps the terminal output to what the tool itself says.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString folder = QDir::tempPath() + "/vantora-build-runtime-" + QString::number(getuid());
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", folder.toLocal8Bit());
    }
    static int argc = 1;
    static char name[] = "vantora-build";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> application = std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace vantora::buildtool
