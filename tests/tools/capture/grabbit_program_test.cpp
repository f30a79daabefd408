// The capture tool started without an X11 display or with a bad argument: it says why and ends
// at once, leaving no shots file.

#include "grabbit_process.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vantora::test {
namespace {

class GrabbitProgram : public ::testing::Test {
protected:
    QProcessEnvironment environment() const {
        QProcessEnvironment env = ToolEnvironment(QString::fromStdString(home.path().string()));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        return env;
    }
    bool shotsFileWritten() const { return std::filesystem::exists(home.path() / "ScreenShots"); }
    TempDir home;
};

TEST_F(GrabbitProgram, WithoutAnyDisplayItSaysItNeedsX11) {
    const ToolRun run = RunTool(QStringLiteral(GRABBIT_PROGRAM), {QStringLiteral("0000064004800000")}, environment());
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.output.contains(QStringLiteral("needs an X11 display"))) << run.output.toStdString();
    EXPECT_FALSE(shotsFileWritten());
}

TEST_F(GrabbitProgram, OnAPlatformOtherThanX11ItSaysSo) {
    QProcessEnvironment env = environment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const ToolRun run = RunTool(QStringLiteral(GRABBIT_PROGRAM), {QStringLiteral("0001064004800001")}, env);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.output.contains(QStringLiteral("needs an X11 display"))) << run.output.toStdString();
    EXPECT_FALSE(shotsFileWritten());
}

TEST_F(GrabbitProgram, ABadArgumentIsRefused) {
    QProcessEnvironment env = environment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const ToolRun run = RunTool(QStringLiteral(GRABBIT_PROGRAM), {QStringLiteral("640x480")}, env);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.output.contains(QStringLiteral("sixteen digits"))) << run.output.toStdString();
    EXPECT_FALSE(shotsFileWritten());
}

} // namespace
} // namespace vantora::test
