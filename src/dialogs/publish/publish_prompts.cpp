#include "dialogs/publish/publish_prompts.h"

#include "base/program_folder.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace vantora {
namespace {

class SystemPrompts final : public PublishPrompts {
public:
    void error(QWidget* parent, const QString& text) override { QMessageBox::critical(parent, "Error", text); }

    QString chooseFolder(QWidget* parent, const QString& title, const QString& startFolder) override {
        return QFileDialog::getExistingDirectory(parent, title, startFolder);
    }

    void openFile(const QString& path) override { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

    bool runDiscBurner(const QString& folder, QString& error) override {
        QProcess process;
        process.setProgram(DiscBurnerProgram());
        process.setArguments({folder});
        process.setWorkingDirectory(QFileInfo(DiscBurnerProgram()).absolutePath());
        process.start();
        if (!process.waitForStarted(-1)) {
            error = process.errorString();
            return false;
        }
        // The event loop keeps every window painted while the burner runs; its end is only
        // reported from inside the loop, so it cannot slip by before exec().
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        if (process.state() != QProcess::NotRunning)
            loop.exec();
        return true;
    }
};

} // namespace

PublishPrompts& SystemPublishPrompts() {
    static SystemPrompts prompts;
    return prompts;
}

QString DiscBurnerProgram() {
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath("discora");
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QString::fromStdString((ProgramFolder() / "Discora").string());
}

} // namespace vantora
