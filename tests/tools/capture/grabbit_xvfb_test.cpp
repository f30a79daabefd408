// The capture tool on a real X server (Xvfb on display :97): another program's window is clicked
// three times inside the capture frame with xdotool (once after the frame was dragged aside) and
// once outside it, "Finish" is pressed, and the shots file must hold four pictures of what the
// frame showed: the three clicked on, and the one after the last click; each click is filed with
// the picture after the one it landed on, in the frame's pixels. Skipped when Xvfb, xdotool or
// xmessage is missing. Every wait is bounded.

#include "grabbit_process.h"
#include "picture/jpeg_codec.h"
#include "storage/shots_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QPoint>
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
    // Presses at `from`, moves to `to` and lets go there.
    bool dragFrom(QPoint from, QPoint to) {
        const ToolRun run = xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(from.x()),
                                     QString::number(from.y()), QStringLiteral("mousedown"), QStringLiteral("1"),
                                     QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(to.x()),
                                     QString::number(to.y()), QStringLiteral("mouseup"), QStringLiteral("1")});
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

// A 640 x 480 demo's frame starts centred on the 1024 x 768 screen.
constexpr QPoint kFrameCorner(192, 144);
constexpr int kDemoWidth = 640;
constexpr int kDemoHeight = 480;

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

    ASSERT_TRUE(clickAt(400, 200));
    // Typing after the first click, with a shortcut that types nothing.
    const ToolRun typing = xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"),
                                    QStringLiteral("Hi There!")});
    ASSERT_TRUE(typing.finished && typing.exitCode == 0) << typing.output.toStdString();
    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")}).finished);
    ASSERT_TRUE(clickAt(520, 250));
    ASSERT_TRUE(clickAt(150, 120)); // on the message window, but above the frame
    ASSERT_TRUE(grabbit.waitForOutput(QStringLiteral("click outside at 150,120"))) << grabbit.output().toStdString();
    // The frame's left border dragged 100 pixels to the left: the last click is on the moved frame.
    const QPoint border = kFrameCorner + QPoint(-2, 200);
    ASSERT_TRUE(dragFrom(border, border - QPoint(100, 0)));
    ASSERT_TRUE(clickAt(400, 200));
    ASSERT_TRUE(grabbit.waitForOutput(QStringLiteral("shot 3 at 400,200"))) << grabbit.output().toStdString();
    EXPECT_EQ(grabbit.output().count(QStringLiteral("outside")), 1) << grabbit.output().toStdString(); // the border drag is no click
    // Where the clicks landed in the frame's pixels.
    const std::pair<int, int> clicks[] = {{400 - 192, 200 - 144}, {520 - 192, 250 - 144}, {400 - 92, 200 - 144}};
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
        EXPECT_EQ(picture.width, kDemoWidth);
        EXPECT_EQ(picture.height, kDemoHeight);
        // The pale message window (50 ... 549, 50 ... 349 on the screen) on the black screen of
        // the server, seen through the frame at its place for the shot.
        const QPoint corner = i < 2 ? kFrameCorner : kFrameCorner - QPoint(100, 0);
        EXPECT_GT(brightness(picture, 300 - corner.x(), 200 - corner.y()), 128) << "shot " << i + 1;
        EXPECT_LT(brightness(picture, 600 - corner.x(), 500 - corner.y()), 40) << "shot " << i + 1;
        EXPECT_LT(brightness(picture, 560 - corner.x(), 200 - corner.y()), 40) << "shot " << i + 1;
        if (i == 0)
            continue;
        ASSERT_EQ(shot.Events.size(), i == 1 ? 2u : 1u) << "shot " << i + 1;
        EXPECT_EQ(shot.Events[0].Kind, 0);
        EXPECT_EQ(shot.Events[0].Value, 1);
        EXPECT_EQ(std::pair(shot.Events[0].X, shot.Events[0].Y), clicks[i - 1]) << "shot " << i + 1;
        EXPECT_EQ(shot.Events[0].Extra[0], kDemoWidth);
        EXPECT_EQ(shot.Events[0].Extra[1], kDemoHeight);
    }
    EXPECT_LE(read.Shots[1].Events[0].Extra[2], read.Shots[3].Events[0].Extra[2]); // milliseconds go on
    // The typing travels with the click it followed.
    EXPECT_EQ(read.Shots[1].Events[1].Kind, static_cast<std::int32_t>(TShotEventKind::TypedText));
    EXPECT_EQ(read.Shots[1].Events[1].Text, "Hi There!");
}

// The frame resized by its corner square keeps the demo's shape; its shots are scaled to the
// demo's size, and pressing the square is no click on the recording.
TEST_F(GrabbitOnXvfb, AResizedFrameGivesShotsOfTheDemosSize) {
    Background grabbit(QStringLiteral(GRABBIT_PROGRAM), {QStringLiteral("0000064004800000")}, environment_);
    ASSERT_FALSE(waitForWindow(QStringLiteral("^Screen Capture$")).isEmpty());
    const QPoint grip = kFrameCorner + QPoint(kDemoWidth + 5, kDemoHeight + 5);
    ASSERT_TRUE(dragFrom(grip, grip - QPoint(320, 100))); // the height follows the width
    ASSERT_TRUE(clickAt(352, 264));
    ASSERT_TRUE(grabbit.waitForOutput(QStringLiteral("at 352,264"))) << grabbit.output().toStdString();
    EXPECT_TRUE(grabbit.output().startsWith(QStringLiteral("Grabbit: shot 1 at 352,264")))
        << grabbit.output().toStdString();
    grabbit.process().terminate();
    ASSERT_TRUE(grabbit.process().waitForFinished(kWaitMs));
    const ShotsReadResult read = ReadShotsFile(home_.path() / "ScreenShots");
    ASSERT_EQ(read.Shots.size(), 2u) << read.Error;
    std::string error;
    const RgbaImage picture = decodeJpeg(read.Shots[1].Jpeg, error);
    EXPECT_EQ(std::pair(picture.width, picture.height), std::pair(kDemoWidth, kDemoHeight)) << error;
    ASSERT_EQ(read.Shots[1].Events.size(), 1u);
    // The frame is 320 x 240 now: a click 160 right of and 120 below its corner is the middle.
    EXPECT_EQ(std::pair(read.Shots[1].Events[0].X, read.Shots[1].Events[0].Y), std::pair(320, 240));
}

// A close request (SIGTERM, as the editor's restore hook sends) saves like "Finish".
TEST_F(GrabbitOnXvfb, ATerminationRequestSavesTheShots) {
    Background grabbit(QStringLiteral(GRABBIT_PROGRAM), {QStringLiteral("0000064004800000")}, environment_);
    ASSERT_FALSE(waitForWindow(QStringLiteral("^Screen Capture$")).isEmpty());
    ASSERT_TRUE(clickAt(300, 300));
    ASSERT_TRUE(grabbit.waitForOutput(QStringLiteral("shot 1 at 300,300"))) << grabbit.output().toStdString();
    grabbit.process().terminate();
    ASSERT_TRUE(grabbit.process().waitForFinished(kWaitMs));
    EXPECT_EQ(grabbit.process().exitCode(), 0);
    const ShotsReadResult read = ReadShotsFile(home_.path() / "ScreenShots");
    ASSERT_TRUE(read.complete()) << read.Error;
    ASSERT_EQ(read.Shots.size(), 2u); // the screen clicked on, and the one after
    EXPECT_TRUE(read.Shots[0].Events.empty());
    ASSERT_EQ(read.Shots[1].Events.size(), 1u);
    EXPECT_EQ(std::pair(read.Shots[1].Events[0].X, read.Shots[1].Events[0].Y), std::pair(300 - 192, 300 - 144));
}

// One click in single-picture mode is the whole capture, of the whole screen.
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
