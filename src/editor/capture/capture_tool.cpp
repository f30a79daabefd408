#include "editor/capture/capture_tool.h"

#include "publish/shipped_files.h"

#include <QEventLoop>
#include <QProcess>

#include <memory>

namespace vantora {
namespace {

QString padded(int value) { return QStringLiteral("%1").arg(value, 4, 10, QLatin1Char('0')); }

class ProcessCaptureTool final : public CaptureTool {
public:
    bool available() override {
        std::error_code error;
        return std::filesystem::is_regular_file(CaptureToolFile(), error);
    }

    bool run(const QString& argument, QString& error) override {
        QProcess process;
        process.setProgram(QString::fromStdString(CaptureToolFile().string()));
        process.setArguments({argument});
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        QEventLoop loop;
        bool failedToStart = false;
        QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError failure) {
            if (failure == QProcess::FailedToStart) {
                failedToStart = true;
                loop.quit();
            }
        });
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        running_ = &process;
        process.start();
        // A start that failed at once has already reported; otherwise wait for the end.
        if (!failedToStart && process.state() != QProcess::NotRunning)
            loop.exec();
        running_ = nullptr;
        if (failedToStart) {
            error = process.errorString();
            return false;
        }
        return true;
    }

    void requestClose() override {
        // The tool treats SIGTERM as its close request: it writes its shots and ends.
        if (running_ && running_->state() == QProcess::Running)
            running_->terminate();
    }

private:
    QProcess* running_ = nullptr;
};

} // namespace

CaptureRequest ScenesCaptureRequest(int width, int height) { return {0, width, height, 0}; }
CaptureRequest PictureCaptureRequest(int width, int height) { return {1, width, height, 1}; }

QString CaptureArgument(const CaptureRequest& request) {
    return padded(request.mode) + padded(request.width) + padded(request.height) + padded(request.flag);
}

std::filesystem::path CaptureToolFile() { return publish::ProgramFile(publish::kCaptureProgram); }

CaptureTool& ProgramCaptureTool() {
    static ProcessCaptureTool tool;
    return tool;
}

} // namespace vantora
