#pragma once
// Starting the capture tool (and its helpers) from tests, every wait bounded.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace vantora::test {

// The environment for a program under test: the test's own, without a platform forced on it,
// with the leak check's suppressions and `home` as the program folder. The strict string check
// is left out: the X11 keyboard library that Qt's xcb platform loads reads past the end in a
// bounded strndup, which that check reports although no byte beyond the copy is used.
inline QProcessEnvironment ToolEnvironment(const QString& home) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("VANTORA_HOME"), home);
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=1:abort_on_error=1"));
    environment.insert(QStringLiteral("LSAN_OPTIONS"),
                       QStringLiteral("suppressions=" VANTORA_LSAN_SUPPRESSIONS));
    return environment;
}

struct ToolRun {
    bool finished = false;
    int exitCode = -1;
    QString output; // stdout and stderr together
};

// Runs `program` to its end, at most `timeoutMs`; a program still running then is killed.
inline ToolRun RunTool(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
                       int timeoutMs = 20000) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    ToolRun run;
    run.finished = process.waitForStarted(timeoutMs) && process.waitForFinished(timeoutMs);
    if (!run.finished) {
        process.kill();
        process.waitForFinished(2000);
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = QString::fromLocal8Bit(process.readAll());
    return run;
}

} // namespace vantora::test
