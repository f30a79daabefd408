// The real `vantora` program: while one runs, a second start hands its project over and ends
// instead of opening a second window.
#include "platform/single_instance.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocalSocket>
#include <QProcess>

namespace vantora {
namespace {

void Application() {
    static int argc = 1;
    static char name[] = "editor_instance_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv); // lives until the process ends, as an application does
}

QProcessEnvironment EditorEnvironment(const std::filesystem::path& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VANTORA_HOME"), QString::fromStdString(home.string()));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

// True once a program answers on `name`, false when `program` ended first or 60 s went by.
bool WaitUntilListening(const QString& name, QProcess& program) {
    for (int attempt = 0; attempt < 600; ++attempt) {
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(100))
            return true;
        if (program.waitForFinished(100))
            return false;
    }
    return false;
}

TEST(EditorProgram, ASecondStartHandsItsProjectToTheRunningOneAndEnds) {
    Application();
    test::TempDir home;
    QProcess first;
    first.setProcessEnvironment(EditorEnvironment(home.path()));
    first.start(QStringLiteral(VANTORA_EDITOR_PROGRAM), {});
    ASSERT_TRUE(first.waitForStarted(10000));
    const QString name = SingleInstance::ServerNameFor(QString::fromStdString(home.path().string()));
    ASSERT_TRUE(WaitUntilListening(name, first)) << first.readAllStandardError().toStdString();

    QProcess second;
    second.setProcessEnvironment(EditorEnvironment(home.path()));
    second.start(QStringLiteral(VANTORA_EDITOR_PROGRAM), {QStringLiteral(VANTORA_SAMPLE_PROJECT)});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running); // the first one goes on, with the project

    // Another program folder is another instance: it does not reach the first.
    test::TempDir elsewhere;
    EXPECT_NE(SingleInstance::ServerNameFor(QString::fromStdString(elsewhere.path().string())), name);

    first.kill();
    first.waitForFinished(10000);
}

} // namespace
} // namespace vantora
