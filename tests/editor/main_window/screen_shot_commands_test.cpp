// Scenes from screen shots in the main window: "Add Scenes From Screen Shots...", "Take Screen
// Shots" in "New...", and the image editor's source, with a stand-in tool that leaves the shots
// file the test wants.

#include "editor/capture/screen_capture.h"
#include "editor/capture/tool_screen_shots.h"
#include "editor/document/editor_document.h"
#include "main_form_fixture.h"
#include "model/screen_shot_scenes.h"
#include "storage/shots_file.h"

#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QUndoStack>

#include <algorithm>
#include <cstdlib>

namespace vantora::test {
namespace {

std::vector<std::uint8_t> jpegFile(const char* name) {
    const std::vector<unsigned char> bytes = readFileBytes(dataFile(std::string("picture/jpeg/") + name));
    return {bytes.begin(), bytes.end()};
}

TScreenShot shotClickingAt(int x, int y, const char* picture = "grey.jpg") {
    TShotEvent click;
    click.Value = 1;
    click.X = x;
    click.Y = y;
    return {jpegFile(picture), {click}};
}

// Stands in for the capture tool: records how it was started and what the window looked like,
// and leaves `shots` (or `bytes`, or nothing) behind.
class FakeCaptureTool final : public CaptureTool {
public:
    bool available() override { return installed; }
    bool run(const QString& argument, QString& error) override {
        arguments << argument;
        if (window) {
            windowWasEnabled = window->isEnabled();
            windowWasMinimised = window->isMinimized();
            shotsFileWasThere = std::filesystem::exists(ShotsFilePath());
        }
        if (whileRunning)
            whileRunning();
        if (!startError.isEmpty()) {
            error = startError;
            return false;
        }
        if (!shots.empty()) {
            std::string writeError;
            EXPECT_TRUE(WriteShotsFile(ShotsFilePath(), shots, writeError)) << writeError;
        } else if (!bytes.empty()) {
            writeFileBytes(ShotsFilePath(), bytes);
        }
        return true;
    }
    void requestClose() override { ++closeRequests; }

    bool installed = true;
    QWidget* window = nullptr;
    std::vector<TScreenShot> shots;
    std::vector<unsigned char> bytes;
    QString startError;
    std::function<void()> whileRunning;
    QStringList arguments;
    bool windowWasEnabled = true;
    bool windowWasMinimised = false;
    bool shotsFileWasThere = false;
    int closeRequests = 0;
};

class ScreenShotCommands : public MainFormTest {
protected:
    void SetUp() override {
        EnsureApplication();
        makeFormWithTool();
        tool.window = form.get();
    }
    void makeFormWithTool() {
        form.reset();
        MainFormServices services{&dialogs, &desktop, {}, &tool};
        services.runDialog = [this](QDialog& dialog) {
            dialogsRun << dialog.windowTitle();
            return answerDialog ? answerDialog(dialog) : int(QDialog::Accepted);
        };
        form = std::make_unique<TMainForm>(services);
    }
    std::size_t sceneCount() const { return form->document().demo().Scenes.size(); }

    FakeCaptureTool tool;
};

TEST_F(ScreenShotCommands, ShotsBecomeScenesInOneUndoableStep) {
    form->show();
    form->NewScene1Click();
    tool.shots = {shotClickingAt(100, 100), shotClickingAt(300, 200, "blocks.jpg")};
    action("AddScenesFromScreenShots1")->trigger();

    EXPECT_EQ(tool.arguments, QStringList{QStringLiteral("0000064004800000")});
    EXPECT_FALSE(tool.windowWasEnabled);
    EXPECT_TRUE(tool.windowWasMinimised);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_FALSE(form->isMinimized());
    EXPECT_FALSE(std::filesystem::exists(ShotsFilePath())); // read, then removed
    EXPECT_TRUE(dialogs.messages.empty());

    const TVantora& demo = form->document().demo();
    ASSERT_EQ(sceneCount(), 3u);
    EXPECT_EQ(demo.Scenes[1]->Name, "Scene2");
    EXPECT_EQ(demo.Scenes[1]->BackImage.bytes(), tool.shots[0].Jpeg);
    EXPECT_EQ(demo.Scenes[2]->BackImage.bytes(), tool.shots[1].Jpeg);
    EXPECT_EQ(form->document().currentScene(), demo.Scenes[1].get());
    EXPECT_EQ(form->sceneList()->count(), 3);
    EXPECT_TRUE(form->document().isModified());

    QUndoStack& history = form->document().undoStack();
    EXPECT_EQ(history.undoText(), QStringLiteral("Add Scenes From Screen Shots"));
    history.undo();
    EXPECT_EQ(sceneCount(), 1u);
    EXPECT_EQ(form->sceneList()->count(), 1);
    EXPECT_EQ(form->document().currentScene(), demo.Scenes[0].get());
    history.redo();
    ASSERT_EQ(sceneCount(), 3u);
    EXPECT_EQ(demo.Scenes[2]->BackImage.bytes(), tool.shots[1].Jpeg);
    // Cursors and click sounds have the size they are shown at; the balloons keep theirs.
    int sized = 0;
    for (std::size_t i = 1; i < 3; ++i)
        for (const auto& object : demo.Scenes[i]->Objects) {
            const bool shownAtPictureSize = object->Kind == TObjectKind::Cursor || object->Kind == TObjectKind::Audio;
            if (shownAtPictureSize)
                ++sized;
            const auto expected = shownAtPictureSize ? std::pair(32, 32)
                                  : object->Kind == TObjectKind::Balloon ? std::pair(130, 60)
                                                                         : std::pair(object->Width, object->Height);
            EXPECT_EQ(std::pair(object->Width, object->Height), expected) << object->Name;
        }
    EXPECT_EQ(sized, 5); // three cursors and the click sound on the first scene, one cursor on the second
}

// Shots the tool took of the whole screen make the demo the screen's size, in the same step.
TEST_F(ScreenShotCommands, FullScreenShotsGiveTheDemoTheScreensSize) {
    form->show();
    TScreenShot wholeScreen = shotClickingAt(1500, 900);
    wholeScreen.Events[0].Extra = {1600, 1000, 0, 0, kFullScreenMark, 0};
    TScreenShot first = shotClickingAt(0, 0);
    first.Events.clear(); // the screen clicked on first; its click travels with the next shot
    tool.shots = {first, wholeScreen};
    action("AddScenesFromScreenShots1")->trigger();
    const TVantora& demo = form->document().demo();
    EXPECT_EQ(std::pair(demo.Width, demo.Height), std::pair(1600, 1000));
    ASSERT_EQ(sceneCount(), 2u);
    QUndoStack& history = form->document().undoStack();
    EXPECT_EQ(history.count(), 1);
    history.undo();
    EXPECT_EQ(std::pair(demo.Width, demo.Height), std::pair(640, 480));
    EXPECT_EQ(sceneCount(), 0u);
}

TEST_F(ScreenShotCommands, AnOldShotsFileIsRemovedBeforeTheToolRuns) {
    writeFileBytes(ShotsFilePath(), {1, 2, 3});
    action("AddScenesFromScreenShots1")->trigger();
    EXPECT_FALSE(tool.shotsFileWasThere);
    ASSERT_EQ(dialogs.messages.size(), 1u); // the tool left nothing this time
}

TEST_F(ScreenShotCommands, AMissingToolDoesNothing) {
    tool.installed = false;
    form->NewScene1Click();
    action("AddScenesFromScreenShots1")->trigger();
    EXPECT_TRUE(tool.arguments.isEmpty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(sceneCount(), 1u);
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(ScreenShotCommands, NoShotsFileTellsTheCaptureWasCancelledOrFailed) {
    action("AddScenesFromScreenShots1")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Screen Shot"));
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Screen Capture is canceled or failed"));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(sceneCount(), 0u);
    EXPECT_EQ(form->document().undoStack().count(), 0);
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(ScreenShotCommands, AToolThatCannotStartShowsTheSystemsReason) {
    tool.startError = QStringLiteral("Permission denied");
    action("AddScenesFromScreenShots1")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, tool.startError);
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Screen Shot"));
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(ScreenShotCommands, ADamagedFileGivesTheScenesReadBeforeTheDamage) {
    const std::vector<std::uint8_t> good =
        ShotsFileBytes(std::vector<TScreenShot>{shotClickingAt(10, 10), shotClickingAt(20, 20)});
    tool.bytes.assign(good.begin(), good.end() - 30);
    action("AddScenesFromScreenShots1")->trigger();
    EXPECT_EQ(sceneCount(), 1u);
    EXPECT_TRUE(dialogs.messages.empty());
    // A file that holds no shot at all adds nothing and leaves the history alone.
    tool.bytes = {9, 9};
    action("AddScenesFromScreenShots1")->trigger();
    EXPECT_EQ(sceneCount(), 1u);
    EXPECT_EQ(form->document().undoStack().count(), 1);
}

TEST_F(ScreenShotCommands, TheDefaultClickSoundIsUsedWhenThere) {
    const std::vector<unsigned char> wave = {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'};
    writeFileBytes(home.path() / "DefaultClick.wav", wave);
    tool.shots = {shotClickingAt(50, 60), shotClickingAt(200, 100)};
    action("AddScenesFromScreenShots1")->trigger();
    ASSERT_EQ(sceneCount(), 2u);
    const TDemoFrame& first = *form->document().demo().Scenes[0];
    const auto sound = std::find_if(first.Objects.begin(), first.Objects.end(),
                                    [](const auto& o) { return o->Kind == TObjectKind::Audio; });
    ASSERT_NE(sound, first.Objects.end());
    EXPECT_EQ((*sound)->AudioType, "WAV");
    EXPECT_EQ((*sound)->AudioData, std::vector<std::uint8_t>(wave.begin(), wave.end()));
}

// Restoring the window while the tool runs is the way back: it asks the tool to close.
TEST_F(ScreenShotCommands, RestoringTheWindowClosesTheTool) {
    form->show();
    tool.whileRunning = [this] { form->setWindowState(Qt::WindowNoState); };
    action("AddScenesFromScreenShots1")->trigger();
    EXPECT_EQ(tool.closeRequests, 1);
    // Without a capture running, restoring asks nothing.
    form->setWindowState(Qt::WindowMinimized);
    form->setWindowState(Qt::WindowNoState);
    EXPECT_EQ(tool.closeRequests, 1);
}

TEST_F(ScreenShotCommands, NewWithTakeScreenShotsStartsWithTheShotScenes) {
    tool.shots = {shotClickingAt(100, 100), shotClickingAt(200, 200), shotClickingAt(300, 300)};
    answerDialog = [](QDialog& dialog) {
        dialog.findChild<QSpinBox*>(QStringLiteral("WidthEdit"))->setValue(800);
        dialog.findChild<QSpinBox*>(QStringLiteral("HeightEdit"))->setValue(600);
        dialog.findChild<QRadioButton*>(QStringLiteral("TakeShotsButton"))->setChecked(true);
        return int(QDialog::Accepted);
    };
    form->New1Click();
    EXPECT_EQ(tool.arguments, QStringList{QStringLiteral("0000080006000000")});
    ASSERT_EQ(sceneCount(), 3u); // no blank scene before them
    EXPECT_EQ(form->document().demo().Scenes[0]->BackImage.bytes(), tool.shots[0].Jpeg);
    EXPECT_TRUE(form->document().isModified());

    // Cancelled capture: the new demo has no scenes, and the user is told.
    tool.shots.clear();
    dialogs.answers = {MessageAnswer::No}; // do not save the demo made above
    form->New1Click();
    EXPECT_EQ(sceneCount(), 0u);
    EXPECT_EQ(dialogs.messages.back().text, kScreenCaptureFailed);
}

TEST_F(ScreenShotCommands, TheImageEditorGetsTheLastShotOfASinglePictureRun) {
    tool.shots = {shotClickingAt(1, 1), shotClickingAt(2, 2, "blocks.jpg")};
    QString error;
    std::optional<Picture> picture = form->screenShots().takeScreenShot(320, 240, error);
    EXPECT_EQ(tool.arguments, QStringList{QStringLiteral("0001032002400001")});
    ASSERT_TRUE(picture);
    EXPECT_EQ(*picture, Picture(PictureFormat::Jpeg, tool.shots[1].Jpeg));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_FALSE(tool.windowWasEnabled);

    tool.shots.clear();
    EXPECT_FALSE(form->screenShots().takeScreenShot(320, 240, error));
    EXPECT_EQ(error, kScreenCaptureFailed);

    tool.installed = false;
    error.clear();
    EXPECT_FALSE(form->screenShots().takeScreenShot(320, 240, error));
    EXPECT_TRUE(error.isEmpty()); // nothing to say when there is no tool
}

TEST(CaptureArgument, FourNumbersPaddedToFourDigits) {
    EXPECT_EQ(CaptureArgument(ScenesCaptureRequest(640, 480)), QStringLiteral("0000064004800000"));
    EXPECT_EQ(CaptureArgument(PictureCaptureRequest(9999, 1)), QStringLiteral("0001999900010001"));
    EXPECT_EQ(CaptureArgument({0, 12345, 7, 0}), QStringLiteral("0000123450007" "0000"));
}

// The real tool: without one installed in the program folder or shipped, nothing is started.
TEST(ProgramCaptureTool, IsUnavailableWhenNotShippedOrInstalled) {
    ScopedProgramFolder home;
    TempDir noResources;
    ::setenv("VANTORA_RESOURCES", noResources.path().c_str(), 1);
    EXPECT_FALSE(ProgramCaptureTool().available());
    // The shipped program is copied into the program folder when it is asked for.
    writeFileBytes(noResources / "Grabbit", {'#', '!'});
    EXPECT_TRUE(ProgramCaptureTool().available());
    EXPECT_TRUE(std::filesystem::exists(home.path() / "Grabbit"));
    ::unsetenv("VANTORA_RESOURCES");
}

} // namespace
} // namespace vantora::test
