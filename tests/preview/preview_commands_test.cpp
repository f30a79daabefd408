// "Preview..." and "Preview Scene...": the movie is built into the given file ("TmpFlash.swf" in
// the program folder) and shown with the demo's size and back colour; a failed build shows its message and
// opens no window.
#include "preview/flash_player_form.h"
#include "preview/preview_commands.h"

#include "model/demo.h"
#include "model/demo_frame.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

class RecordedMessages : public vantora::PreviewMessages {
public:
    void Error(QWidget*, const QString& text) override { errors.push_back(text); }
    std::vector<QString> errors;
};

struct Shown {
    QString path;
    int width = 0, height = 0;
    QColor color;
    int count = 0;
};
Shown shown;

bool RecordShow(QWidget*, const QString& path, int width, int height, QColor color, vantora::PreviewMessages&,
                const vantora::PreviewFrameReport& onFrame) {
    shown = {path, width, height, color, shown.count + 1};
    if (onFrame)
        onFrame(shown.count * 10); // what the window would report while it plays
    return true;
}

void MakeSmallDemo(vantora::TVantora& demo) {
    demo.Width = 120;
    demo.Height = 90;
    demo.BackColor = 0x00332211;
    for (int i = 0; i < 2; ++i) {
        auto scene = std::make_unique<vantora::TDemoFrame>();
        scene->Name = "Scene " + std::to_string(i + 1);
        scene->Length = 5;
        demo.Scenes.push_back(std::move(scene));
    }
}

// Each case starts from a fresh program folder, no recorded window and a small two-scene demo.
class PreviewCommands : public ::testing::Test {
protected:
    PreviewCommands() {
        shown = {};
        MakeSmallDemo(demo);
    }

    std::filesystem::path tmpFlash() const { return home.path() / "TmpFlash.swf"; }

    vantora::test::ScopedProgramFolder home;
    RecordedMessages messages;
    vantora::TVantora demo;
};

} // namespace

TEST_F(PreviewCommands, PreviewBuildsTheWholeDemoIntoTmpFlash) {
    ASSERT_TRUE(vantora::PreviewDemo(nullptr, demo, tmpFlash(), messages, &RecordShow));
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_EQ(shown.count, 1);
    EXPECT_EQ(std::filesystem::path(shown.path.toStdString()), tmpFlash());
    EXPECT_TRUE(std::filesystem::exists(tmpFlash()));
    EXPECT_EQ(shown.width, 120);
    EXPECT_EQ(shown.height, 90);
    EXPECT_EQ(shown.color, QColor(0x11, 0x22, 0x33));
}

TEST_F(PreviewCommands, PreviewSceneBuildsOneSceneAndFailuresOpenNoWindow) {
    ASSERT_TRUE(vantora::PreviewScene(nullptr, demo, 1, tmpFlash(), messages, &RecordShow));
    EXPECT_EQ(shown.count, 1);
    const auto sceneSize = std::filesystem::file_size(tmpFlash());
    EXPECT_GT(sceneSize, 0u);
    EXPECT_FALSE(vantora::PreviewScene(nullptr, demo, 7, tmpFlash(), messages, &RecordShow));
    EXPECT_EQ(shown.count, 1);
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_FALSE(messages.errors[0].isEmpty());
}

TEST_F(PreviewCommands, TheFrameReportReachesTheWindowForBothCommands) {
    std::vector<int> reported;
    const vantora::PreviewFrameReport report = [&reported](int frame) { reported.push_back(frame); };
    ASSERT_TRUE(vantora::PreviewDemo(nullptr, demo, tmpFlash(), messages, &RecordShow, report));
    ASSERT_TRUE(vantora::PreviewScene(nullptr, demo, 0, tmpFlash(), messages, &RecordShow, report));
    EXPECT_EQ(reported, (std::vector<int>{10, 20}));
    // Without a report the window is told nothing, and a failed build opens no window to tell.
    ASSERT_TRUE(vantora::PreviewDemo(nullptr, demo, tmpFlash(), messages, &RecordShow));
    EXPECT_FALSE(vantora::PreviewScene(nullptr, demo, 9, tmpFlash(), messages, &RecordShow, report));
    EXPECT_EQ(reported.size(), 2u);
}
