// The capture tool on a real X server (Xvfb on display :97): another program's window is clicked
// three times with xdotool, "Finish" is pressed, and the shots file must hold four pictures of
// the whole screen: the three clicked on, and the one after the last click; each click is filed
// with the picture after the one it landed on. Skipped when Xvfb, xdotool or xmessage is
// missing. Every wait is bounded.

#include "grabbit_process.h"
#include "picture/jpeg_codec.h"
#include "storage/shots_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QStandardPaths>

#include <array>
#include <filesystem>
#include <memory>

namespace vantora::test {
namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kWaitMs = 15000;
const QString kDisplay = QStringLiteral(":97");

// A program started in the background and ended with the test, whatever happens.
class Background {
public:
    Background(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
               QProcess::ProcessChannelMode channels = QProcess::MergedChannels) {
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(channels);
        process_.start(program, arguments);
    }
    ~Background() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            if (!process_.waitForFinished(3000)) {
                process_.kill();
                process_.waitForFinished(3000);
            }
        }
    }
    QProcess& process() { return process_; }
    // Waits until the program has written `text` (each wait for more output is bounded).
    bool waitForOutput(const QString& text) {
        while (!output_.contains(text)) {
            if (!process_.waitForReadyRead(kWaitMs))
                return false;
            output_ += QString::fromLocal8Bit(process_.readAll());
        }
        return true;
    }
    const QString& output() const { return output_; }

private:
    QProcess process_;
    QString output_;
};

class GrabbitOnXvfb : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* program : {"Xvfb", "xdotool", "xmessage"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty())
                GTEST_SKIP() << program << " is not installed";
        environment_ = ToolEnvironment(QString::fromStdString(home_.path().string()));
        environment_.insert(QStringLiteral("DISPLAY"), kDisplay);
        environment_.remove(QStringLiteral("WAYLAND_DISPLAY"));
        // The server writes its display number to stdout once it accepts clients.
        server_ = std::make_unique<Background>(
            QStringLiteral("Xvfb"),
            QStringList{kDisplay, QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("%1x%2x24").arg(kScreenWidth).arg(kScreenHeight), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp"), QStringLiteral("-displayfd"), QStringLiteral("1")},
            environment_, QProcess::SeparateChannels);
        QProcess& server = server_->process();
        if (!server.waitForStarted(kWaitMs) || !server.waitForReadyRead(kWaitMs))
            GTEST_SKIP() << "Xvfb did not start on " << kDisplay.toStdString() << ": "
                         << server.readAll().toStdString();
    }

    ToolRun xdotool(const QStringList& arguments) {
        return RunTool(QStringLiteral("xdotool"), arguments, environment_, kWaitMs);
    }
    // The id of the visible window with this name, once it is there.
    QString waitForWindow(const QString& namePattern) {
        const ToolRun run = xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                                     QStringLiteral("--name"), namePattern});
        return run.finished && run.exitCode == 0 ? run.output.section(QLatin1Char('\n'), 0, 0).trimmed() : QString();
    }
    bool clickAt(int x, int y) {
        const ToolRun run = xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(x),
                                     QString::number(y), QStringLiteral("click"), QStringLiteral("1")});
        return run.finished && run.exitCode == 0;
    }
    // Left, top, width and height of a window from xdotool's shell-style report.
    std::array<int, 4> geometryOf(const QString& window) {
        const ToolRun run = xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
        std::array<int, 4> geometry{};
        const char* keys[] = {"X=", "Y=", "WIDTH=", "HEIGHT="};
        for (const QString& line : run.output.split(QLatin1Char('\n')))
            for (std::size_t i = 0; i < 4; ++i)
                if (line.startsWith(QLatin1String(keys[i])))
                    geometry[i] = line.section(QLatin1Char('='), 1).toInt();
        return geometry;
    }

    TempDir home_;
    QProcessEnvironment environment_;
    std::unique_ptr<Background> server_;
};

int brightness(const RgbaImage& image, int x, int y) {
    const std::uint32_t p = image.pixel(x, y);
    return (redOf(p) + greenOf(p) + blueOf(p)) / 3;
}

TEST_F(GrabbitOnXvfb, ThreeClicksOnAnotherWindowGiveFourShots) {
    Background target(QStringLiteral("xmessage"),
                      {QStringLiteral("-geometry"), QStringLiteral("500x300+50+50"), QStringLiteral("-buttons"),
                       QStringLiteral("Close"), QStringLiteral("A window to click on")},
                      environment_);
    ASSERT_FALSE(waitForWindow(QStringLiteral("^xmessage$")).isEmpty()) << "xmessage did not appear";

    Background grabbit(QStringLiteral(GRABBIT_PROGRAM), {QStringLiteral("0000064004800000")}, environment_);
    const QString tool = waitForWindow(QStringLiteral("^Screen Capture$"));
    ASSERT_FALSE(tool.isEmpty()) << "the capture window did not appear; the tool "
                                 << (grabbit.process().state() == QProcess::Running ? "runs" : "has ended")
                                 << " (" << grabbit.process().errorString().toStdString() << ", status "
                                 << grabbit.process().exitCode() << "): "
                                 << grabbit.process().readAll().toStdString();

    const std::pair<int, int> clicks[] = {{150, 120}, {400, 200}, {520, 250}};
    for (auto [x, y] : clicks)
        ASSERT_TRUE(clickAt(x, y));
    ASSERT_TRUE(grabbit.waitForOutput(QStringLiteral("shot 3 at 520,250"))) << grabbit.output().toStdString();
    const auto [left, top, width, height] = geometryOf(tool);
    ASSERT_GT(width, 0);
    // "Finish" is the left one of the two buttons along the window's bottom.
    ASSERT_TRUE(clickAt(left + width / 4, top + height - 20));
    ASSERT_TRUE(grabbit.process().waitForFinished(kWaitMs)) << "the capture tool did not end after Finish";
    EXPECT_EQ(grabbit.process().exitCode(), 0) << grabbit.output().toStdString();
    // The clicks went on to the window under them, which is still there.
    EXPECT_FALSE(waitForWindow(QStringLiteral("^xmessage$")).isEmpty());

    const ShotsReadResult read = ReadShotsFile(home_.path() / "ScreenShots");
    ASSERT_TRUE(read.complete()) << read.Error;
    ASSERT_EQ(read.Shots.size(), 4u);
    EXPECT_TRUE(read.Shots[0].Events.empty());
    for (std::size_t i = 0; i < 4; ++i) {
        const TScreenShot& shot = read.Shots[i];
        std::string error;
        const RgbaImage picture = decodeJpeg(shot.Jpeg, error);
        ASSERT_FALSE(picture.empty()) << error;
        EXPECT_EQ(picture.width, kScreenWidth);
        EXPECT_EQ(picture.height, kScreenHeight);
        // The pale message window on the black screen of the server.
        EXPECT_GT(brightness(picture, 300, 300), 128);
        EXPECT_LT(brightness(picture, 800, 700), 40);
        if (i == 0)
            continue;
        ASSERT_EQ(shot.Events.size(), 1u);
        EXPECT_EQ(shot.Events[0].Kind, 0);
        EXPECT_EQ(shot.Events[0].Value, 1);
        EXPECT_EQ(std::pair(shot.Events[0].X, shot.Events[0].Y), clicks[i - 1]) << "shot " << i + 1;
        EXPECT_EQ(shot.Events[0].Extra[0], kScreenWidth);
        EXPECT_EQ(shot.Events[0].Extra[1], kScreenHeight);
    }
    EXPECT_LE(read.Shots[1].Events[0].Extra[2], read.Shots[3].Events[0].Extra[2]); // milliseconds go on
}

// A close request (SIGTERM, as the editor's restore hook sends) saves like "Finish".
TEST_F(GrabbitOnXvfb, ATerminationRequestSavesTheShots) {
    Background grabbit(QStringLiteral(GRABBIT_PROGRAM), {QStringLiteral("0000064004800000")}, environment_);
    ASSERT_FALSE(waitForWindow(QStringLiteral("^Screen Capture$")).isEmpty());
    ASSERT_TRUE(clickAt(100, 100));
    ASSERT_TRUE(grabbit.waitForOutput(QStringLiteral("shot 1 at 100,100"))) << grabbit.output().toStdString();
    grabbit.process().terminate();
    ASSERT_TRUE(grabbit.process().waitForFinished(kWaitMs));
    EXPECT_EQ(grabbit.process().exitCode(), 0);
    const ShotsReadResult read = ReadShotsFile(home_.path() / "ScreenShots");
    ASSERT_TRUE(read.complete()) << read.Error;
    ASSERT_EQ(read.Shots.size(), 2u); // the screen clicked on, and the one after
    EXPECT_TRUE(read.Shots[0].Events.empty());
    ASSERT_EQ(read.Shots[1].Events.size(), 1u);
    EXPECT_EQ(std::pair(read.Shots[1].Events[0].X, read.Shots[1].Events[0].Y), std::pair(100, 100));
}

// One click in single-picture mode is the whole capture.
TEST_F(GrabbitOnXvfb, SinglePictureModeEndsAfterOneClick) {
    Background grabbit(QStringLiteral(GRABBIT_PROGRAM), {QStringLiteral("0001064004800001")}, environment_);
    ASSERT_FALSE(waitForWindow(QStringLiteral("^Screen Capture$")).isEmpty());
    ASSERT_TRUE(clickAt(200, 300));
    ASSERT_TRUE(grabbit.process().waitForFinished(kWaitMs));
    EXPECT_EQ(grabbit.process().exitCode(), 0);
    const ShotsReadResult read = ReadShotsFile(home_.path() / "ScreenShots");
    ASSERT_EQ(read.Shots.size(), 1u);
    ASSERT_EQ(read.Shots[0].Events.size(), 1u); // nothing follows, so the shot keeps its click
    EXPECT_EQ(std::pair(read.Shots[0].Events[0].X, read.Shots[0].Events[0].Y), std::pair(200, 300));
}

} // namespace
} // namespace vantora::test
