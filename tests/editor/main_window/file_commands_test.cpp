// The File menu driven as a user would: open, the questions before leaving a modified demo, save
// and save as (byte for byte, and into folders that are gone), new, reopen, exit, and a project
// handed over by a second start.
#include "main_form_fixture.h"

#include "editor/document/editor_document.h"
#include "editor/progress/progress_form.h"
#include "storage/recent_projects.h"

#include <QDialog>
#include <QListWidget>

namespace vantora::test {
namespace {

class FileCommands : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        original = readFileBytes(VANTORA_SAMPLE_PROJECT);
        project = home.path() / "projects" / "sample.vtp";
        std::filesystem::create_directories(project.parent_path());
        writeFileBytes(project, original);
    }
    QString projectName() const { return QString::fromStdString(project.string()); }
    void openSample() {
        dialogs.openAnswer = projectName();
        action("Open1")->trigger();
        ASSERT_EQ(form->document().fileName(), projectName());
    }
    // Makes the demo modified through an undoable edit.
    void modify() {
        action("NewScene1")->trigger();
        ASSERT_TRUE(form->document().isModified());
    }
    const AskedMessage& lastMessage() const { return dialogs.messages.back(); }

    std::vector<unsigned char> original;
    std::filesystem::path project;
};

TEST_F(FileCommands, OpenShowsTheProject) {
    openSample();
    const TVantora& demo = form->document().demo();
    EXPECT_EQ(demo.Scenes.size(), 4u);
    EXPECT_EQ(form->sceneList()->count(), 4);
    EXPECT_EQ(form->sceneList()->currentRow(), 0);
    EXPECT_EQ(form->statusPanelText(0), QStringLiteral("1/4 Scene(s)"));
    EXPECT_EQ(form->statusPanelText(1), QStringLiteral("Scene"));
    EXPECT_EQ(form->statusPanelText(2), QString::fromStdString(demo.Name) + QStringLiteral(" - ") + projectName());
    EXPECT_FALSE(form->document().isModified());
    EXPECT_FALSE(form->isWindowModified());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(TProgressForm::Current(), nullptr); // the load's progress window is closed again
    EXPECT_EQ(dialogs.openFilter, QStringLiteral("Vantora Projects (*.vtp)|*.vtp"));
    // With a current file the next dialog starts in its folder.
    dialogs.openAnswer.clear();
    action("Open1")->trigger();
    EXPECT_EQ(dialogs.openFolder, QString::fromStdString(project.parent_path().string()));
}

// Points HOME and the XDG configuration at a folder of the test while it lives.
class ScopedHome {
public:
    explicit ScopedHome(const std::filesystem::path& home)
        : home_(qgetenv("HOME")), config_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("HOME", QByteArray::fromStdString(home.string()));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((home / ".config").string()));
    }
    ~ScopedHome() {
        qputenv("HOME", home_);
        qputenv("XDG_CONFIG_HOME", config_);
    }

private:
    QByteArray home_, config_;
};

TEST_F(FileCommands, TheDialogsStartInVantoraProjectsWhenThatFolderExists) {
    const ScopedHome user(home.path() / "user");
    action("Open1")->trigger();
    EXPECT_EQ(dialogs.openFolder, QString()); // no such folder: the desktop's choice
    const std::filesystem::path projects = home.path() / "user" / "Documents" / "Vantora Projects";
    std::filesystem::create_directories(projects);
    action("Open1")->trigger();
    EXPECT_EQ(dialogs.openFolder, QString::fromStdString(projects.string()));
    form->SaveAs1Click();
    EXPECT_EQ(dialogs.saveFolder, QString::fromStdString(projects.string()));
}

TEST_F(FileCommands, OpeningAFileThatIsNotThereSaysSo) {
    dialogs.openAnswer = QString::fromStdString((home.path() / "none.vtp").string());
    action("Open1")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(lastMessage().caption, QStringLiteral("Open"));
    EXPECT_EQ(lastMessage().text, QStringLiteral("File can not be found."));
    EXPECT_EQ(lastMessage().icon, MessageIcon::Information);
    EXPECT_TRUE(form->document().fileName().isEmpty());
}

TEST_F(FileCommands, ADamagedProjectIsReportedAndTheOpenDemoStays) {
    openSample();
    modify();
    const std::filesystem::path damaged = home.path() / "damaged.vtp";
    writeFileBytes(damaged, std::vector<unsigned char>(original.begin(), original.begin() + 200));
    dialogs.openAnswer = QString::fromStdString(damaged.string());
    dialogs.answers = {MessageAnswer::No}; // do not save the open demo first
    action("Open1")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(lastMessage().caption, QStringLiteral("Error"));
    EXPECT_EQ(lastMessage().icon, MessageIcon::Error);
    EXPECT_TRUE(lastMessage().text.contains(QStringLiteral("(Error Code: ")));
    // Nothing of the open demo is lost: its scenes, its file and its unsaved change.
    EXPECT_EQ(form->document().demo().Scenes.size(), 5u);
    EXPECT_EQ(form->document().fileName(), projectName());
    EXPECT_TRUE(form->document().isModified());
}

TEST_F(FileCommands, LeavingAModifiedDemoAsksFirst) {
    openSample();
    modify();
    dialogs.openAnswer = projectName();

    dialogs.answers = {MessageAnswer::Cancel};
    action("Open1")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(lastMessage().caption, QStringLiteral("Confirm"));
    EXPECT_EQ(lastMessage().text, QStringLiteral("Save changes to file?"));
    EXPECT_EQ(lastMessage().icon, MessageIcon::Question);
    EXPECT_EQ(lastMessage().buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(form->document().demo().Scenes.size(), 5u); // cancelled: still the edited demo

    dialogs.answers = {MessageAnswer::No};
    action("Open1")->trigger();
    EXPECT_EQ(form->document().demo().Scenes.size(), 4u); // discarded and read again
    EXPECT_EQ(readFileBytes(project), original);
}

TEST_F(FileCommands, AnsweringYesSavesBeforeLeaving) {
    openSample();
    modify();
    dialogs.answers = {MessageAnswer::Yes};
    action("New1")->trigger();
    // Saved with the new scene, then a new demo of one blank scene without a file.
    EXPECT_NE(readFileBytes(project), original);
    EXPECT_EQ(form->document().demo().Scenes.size(), 1u);
    EXPECT_TRUE(form->document().fileName().isEmpty());
    EXPECT_TRUE(form->document().isModified());
    EXPECT_TRUE(form->isWindowModified());
    EXPECT_EQ(form->statusPanelText(0), QStringLiteral("1/1 Scene(s)"));
    EXPECT_EQ(form->statusPanelText(2), QStringLiteral("Demo"));
}

TEST_F(FileCommands, SavingAnUnchangedProjectWritesTheBytesItRead) {
    openSample();
    EXPECT_TRUE(form->Save1Click());
    EXPECT_EQ(readFileBytes(project), original);
    EXPECT_TRUE(dialogs.dialogCalls.filter(QStringLiteral("Save")).isEmpty()); // no dialog: it has a name
    // The save entered the file at the top of the recent list.
    EXPECT_EQ(form->recentProjects()[0].FileName, project.string());
    EXPECT_EQ(form->recentProjects()[0].Name, form->document().demo().Name);
}

TEST_F(FileCommands, SavingIntoAVanishedFolderReportsTheErrorAndLosesNothing) {
    openSample();
    modify();
    std::filesystem::remove_all(project.parent_path());
    EXPECT_FALSE(form->Save1Click());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(lastMessage().caption, QStringLiteral("Error"));
    EXPECT_EQ(lastMessage().icon, MessageIcon::Error);
    EXPECT_TRUE(lastMessage().text.startsWith(QLatin1Char('"') + projectName() + QStringLiteral("\", ")));
    EXPECT_TRUE(lastMessage().text.contains(QStringLiteral("/1007)")));
    EXPECT_TRUE(form->document().isModified());
    EXPECT_EQ(form->document().demo().Scenes.size(), 5u);
    EXPECT_EQ(form->recentProjects()[0].FileName, "");
    // Saving elsewhere still works and keeps the edit.
    dialogs.saveAnswer = QString::fromStdString((home.path() / "rescued").string());
    EXPECT_TRUE(form->SaveAs1Click());
    EXPECT_TRUE(std::filesystem::exists(home.path() / "rescued.vtp"));
    EXPECT_FALSE(form->document().isModified());
}

TEST_F(FileCommands, SavingOverAFolderThatIsAFileReportsTheError) {
    openSample();
    // Where the folder should be lies a file: no permission can make this writable.
    const std::filesystem::path blocked = home.path() / "blocked";
    writeFileBytes(blocked, {1, 2, 3});
    EXPECT_FALSE(form->SaveProjectAs(QString::fromStdString((blocked / "p.vtp").string())));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(lastMessage().text.contains(QStringLiteral("/1007)")));
    EXPECT_EQ(readFileBytes(blocked), (std::vector<unsigned char>{1, 2, 3}));
    EXPECT_EQ(form->document().fileName(), projectName());
}

TEST_F(FileCommands, SaveAsAddsTheExtensionAndTakesTheName) {
    form->New1Click();
    dialogs.saveAnswer = QString::fromStdString((home.path() / "first").string());
    EXPECT_TRUE(form->Save1Click()); // no file yet: Save behaves like Save As
    const QString saved = QString::fromStdString((home.path() / "first.vtp").string());
    EXPECT_EQ(form->document().fileName(), saved);
    EXPECT_EQ(dialogs.saveSuffix, QStringLiteral("vtp"));
    EXPECT_FALSE(form->document().isModified());
    EXPECT_EQ(form->statusPanelText(2), QStringLiteral("Demo - ") + saved);
    // Cancelling the dialog saves nothing.
    modify();
    dialogs.saveAnswer.clear();
    EXPECT_FALSE(form->SaveAs1Click());
    EXPECT_TRUE(form->document().isModified());
}

TEST_F(FileCommands, ReopenOpensARecentProject) {
    openSample();
    ASSERT_TRUE(form->Save1Click());
    form->New1Click();
    EXPECT_EQ(reopenCaptions(), QStringList{QString::fromStdString(form->recentProjects()[0].Name) +
                                            QStringLiteral(" - ") + projectName()});
    dialogs.answers = {MessageAnswer::No}; // the new demo is modified
    form->ReopenClick(0);
    EXPECT_EQ(form->document().fileName(), projectName());
    EXPECT_EQ(form->document().demo().Scenes.size(), 4u);
    // Entries out of range or empty do nothing.
    form->ReopenClick(1);
    form->ReopenClick(99);
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(FileCommands, ElevenSavesKeepTheTenLatestInReopen) {
    form->New1Click();
    std::vector<QString> saved;
    for (int i = 0; i < 11; ++i) {
        saved.push_back(QString::fromStdString((home.path() / ("p" + std::to_string(i) + ".vtp")).string()));
        ASSERT_TRUE(form->SaveProjectAs(saved.back()));
    }
    const QStringList captions = reopenCaptions();
    ASSERT_EQ(captions.size(), 10);
    EXPECT_EQ(captions.front(), QStringLiteral("Demo - ") + saved[10]); // the latest on top
    EXPECT_EQ(captions.back(), QStringLiteral("Demo - ") + saved[1]);   // the first one dropped
    // Saving one of them again moves it to the top without a second entry.
    ASSERT_TRUE(form->SaveProjectAs(saved[4]));
    const QStringList again = reopenCaptions();
    EXPECT_EQ(again.size(), 10);
    EXPECT_EQ(again.front(), QStringLiteral("Demo - ") + saved[4]);
    EXPECT_EQ(again.count(QStringLiteral("Demo - ") + saved[4]), 1);
}

TEST_F(FileCommands, ClosingAModifiedDemoAsksWithTheExitCaption) {
    openSample();
    ASSERT_TRUE(form->Save1Click());
    form->show();
    modify();
    dialogs.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(form->close());
    EXPECT_EQ(lastMessage().caption, QStringLiteral("Exit"));
    EXPECT_TRUE(form->isVisible());
    dialogs.answers = {MessageAnswer::No};
    EXPECT_TRUE(form->close());
    // The recent list was written on the way out.
    EXPECT_EQ(ReadRecentProjects(settingsFile())[0].FileName, project.string());
    EXPECT_EQ(readFileBytes(project), original); // "No" saved nothing
}

TEST_F(FileCommands, AnUnmodifiedDemoClosesWithoutAQuestion) {
    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FileCommands, TheCommandLineProjectOpensAtStartUp) {
    form->FormShow(projectName());
    EXPECT_EQ(form->document().fileName(), projectName());
    EXPECT_EQ(form->document().demo().Scenes.size(), 4u);
}

TEST_F(FileCommands, ASecondStartHandsItsProjectOverAfterTheQuestion) {
    modify();
    dialogs.answers = {MessageAnswer::Cancel};
    form->ActivateFromOtherInstance(projectName());
    EXPECT_EQ(lastMessage().caption, QStringLiteral("Confirm"));
    EXPECT_TRUE(form->document().fileName().isEmpty());
    dialogs.answers = {MessageAnswer::No};
    form->ActivateFromOtherInstance(projectName());
    EXPECT_EQ(form->document().fileName(), projectName());
    // While one of its dialogs is open the window only comes to the front.
    form->New1Click();
    QDialog dialog(form.get());
    dialog.setModal(true);
    dialog.show();
    form->ActivateFromOtherInstance(projectName());
    EXPECT_TRUE(form->document().fileName().isEmpty());
    dialog.close();
    // Without a project the window only comes to the front.
    const std::size_t asked = dialogs.messages.size();
    form->ActivateFromOtherInstance({});
    EXPECT_EQ(dialogs.messages.size(), asked);
}

} // namespace
} // namespace vantora::test
