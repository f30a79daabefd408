// "Publish Demo" and its settings dialogs, driven headless: defaults at every opening, which
// controls each target enables, the settings dialogs copying back only on OK, the questions
// after success, and the dialog waiting disabled while the disc burner runs.

#include "dialogs/publish/exe_settings_form.h"
#include "dialogs/publish/html_settings_form.h"
#include "dialogs/publish/web_settings_form.h"
#include "dialogs/publish/publish_form.h"
#include "fake_prompts.h"
#include "model/scene_operations.h"
#include "test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace vantora {
namespace {

namespace fs = std::filesystem;
using test::Child;

struct FakePublishPrompts final : PublishPrompts {
    QStringList errors;
    QStringList folderTitles;
    QStringList folderStarts;
    QString folderAnswer;
    QStringList opened;
    QStringList burned;
    bool burnerStarts = true;
    std::function<void()> whileBurning;

    void error(QWidget*, const QString& text) override { errors << text; }
    QString chooseFolder(QWidget*, const QString& title, const QString& startFolder) override {
        folderTitles << title;
        folderStarts << startFolder;
        return folderAnswer;
    }
    void openFile(const QString& path) override { opened << path; }
    bool runDiscBurner(const QString& folder, QString& error) override {
        burned << folder;
        if (whileBurning)
            whileBurning();
        if (!burnerStarts)
            error = "No such file or directory";
        return burnerStarts;
    }
};

class PublishForm : public ::testing::Test {
protected:
    PublishForm() {
        ::setenv("VANTORA_RESOURCES", VANTORA_TEST_RESOURCES, 1);
        demo_.Name = "Tour";
        demo_.Width = 96;
        demo_.Height = 64;
        NewScene(demo_).Length = 2;
    }
    ~PublishForm() override { ::unsetenv("VANTORA_RESOURCES"); }

    TPublishForm& open(DialogDriver driveSettings = [](QDialog& d) { return d.exec(); }) {
        form_ = std::make_unique<TPublishForm>(demo_, prompts_, publishPrompts_, nullptr, std::move(driveSettings));
        form_->show();
        return *form_;
    }
    void select(int target) { QTest::mouseClick(Child<QRadioButton>(*form_, QString("Target%1").arg(target).toLatin1()), Qt::LeftButton); }

    test::ScopedProgramFolder home_;
    test::TempDir out_;
    TVantora demo_;
    test::FakePrompts prompts_;
    FakePublishPrompts publishPrompts_;
    std::unique_ptr<TPublishForm> form_;
};

// A settings driver: shows the dialog, lets `edit` change it, then presses OK or Cancel.
DialogDriver settingsDriver(std::function<void(QDialog&)> edit, bool ok = true) {
    return [=](QDialog& dialog) {
        dialog.show();
        edit(dialog);
        test::ClickButton(dialog, ok ? "OK" : "Cancel");
        return dialog.result();
    };
}

TEST_F(PublishForm, EachOpeningStartsFromTheDefaults) {
    TPublishForm& first = open(settingsDriver([](QDialog& dialog) {
        auto* title = Child<QLineEdit>(dialog, "TitleEdit");
        EXPECT_EQ(title->text(), "Tour");
        EXPECT_EQ(Child<QLabel>(dialog, "VersionLabel")->text(), "Version 1.0.0.0.");
        EXPECT_EQ(Child<QComboBox>(dialog, "ExitKeyCombo")->currentText(), "Any");
        EXPECT_EQ(Child<QComboBox>(dialog, "StyleCombo")->currentText(), "Normal");
        title->setText("Changed");
        Child<QSpinBox>(dialog, "Version0Edit")->setValue(3);
    }));
    select(1);
    QTest::mouseClick(Child<QPushButton>(first, "Settings1"), Qt::LeftButton);
    EXPECT_EQ(first.settings().title, "Changed");
    EXPECT_EQ(first.settings().version.major, 3);

    demo_.Name = "Renamed";
    TPublishForm& second = open();
    EXPECT_EQ(second.settings().title, "Renamed");
    EXPECT_EQ(second.settings().version.major, 1);
    EXPECT_EQ(second.settings().exitKey, 4);
    EXPECT_EQ(second.selectedTarget(), 0);
    EXPECT_TRUE(Child<QRadioButton>(second, "BurnRadio")->isChecked());
}

TEST_F(PublishForm, SettingsButtonsAndAutoRunControlsFollowTheTarget) {
    TPublishForm& form = open();
    auto enabled = [&](const char* name) { return Child<QWidget>(form, name)->isEnabled(); };
    EXPECT_EQ(form.windowTitle(), "Publish Demo");
    for (const char* name : {"Settings1", "Settings2", "Settings3", "Settings4", "BurnRadio", "FolderRadio", "CdIconButton"})
        EXPECT_FALSE(enabled(name)) << name;
    select(2);
    EXPECT_TRUE(enabled("Settings2"));
    EXPECT_FALSE(enabled("Settings1"));
    EXPECT_FALSE(enabled("BurnRadio"));
    select(4);
    EXPECT_TRUE(enabled("Settings4"));
    EXPECT_FALSE(enabled("Settings3"));
    EXPECT_TRUE(enabled("BurnRadio"));
    EXPECT_TRUE(enabled("FolderRadio"));
    EXPECT_TRUE(enabled("CdIconButton"));
}

TEST_F(PublishForm, TabReachesTheTargetsAndTheCdChoiceAtTheCheckedOnes) {
    TPublishForm& form = open();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    Child<QRadioButton>(form, "Target3")->setChecked(true);
    Child<QRadioButton>(form, "FolderRadio")->setChecked(true);
    // Backwards from the target's settings button into the targets, forwards from it into the
    // AutoRun choice.
    auto* settings = Child<QPushButton>(form, "Settings3");
    settings->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(settings, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Child<QRadioButton>(form, "Target3"));
    settings->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(settings, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Child<QRadioButton>(form, "FolderRadio"));
}

TEST_F(PublishForm, LauncherSettingsHaveNoWindowControls) {
    bool checked = false;
    TPublishForm& form = open(settingsDriver([&](QDialog& dialog) {
        checked = true;
        EXPECT_FALSE(Child<QComboBox>(dialog, "StyleCombo")->isEnabled());
        EXPECT_FALSE(Child<QComboBox>(dialog, "ExitKeyCombo")->isEnabled());
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            const bool windowCaption = label->text() == "Style:" || label->text() == "Key For Exit:";
            if (windowCaption || label->text() == "Title:") {
                EXPECT_EQ(label->isEnabled(), !windowCaption) << label->text().toStdString();
            }
        }
    }));
    select(4);
    QTest::mouseClick(Child<QPushButton>(form, "Settings4"), Qt::LeftButton);
    EXPECT_TRUE(checked);
}

TEST_F(PublishForm, CancelledSettingsChangeNothing) {
    TPublishForm& form = open(settingsDriver([](QDialog& dialog) { Child<QLineEdit>(dialog, "TitleEdit")->setText("X"); },
                                             false));
    select(2);
    QTest::mouseClick(Child<QPushButton>(form, "Settings2"), Qt::LeftButton);
    EXPECT_EQ(form.settings().title, "Tour");
}

TEST(ExeSettingsForm, VersionLabelFollowsEverySpinEdit) {
    publish::PublishSettings settings;
    test::FakePrompts prompts;
    TExeSettingsForm form(settings, true, prompts);
    auto* label = Child<QLabel>(form, "VersionLabel");
    Child<QSpinBox>(form, "Version3Edit")->setValue(42);
    EXPECT_EQ(label->text(), "Version 1.0.0.42.");
    Child<QSpinBox>(form, "Version1Edit")->setValue(10000); // clamped to 9999
    EXPECT_EQ(label->text(), "Version 1.9999.0.42.");
    EXPECT_EQ(form.settings().version.minor, 9999);
}

TEST(ExeSettingsForm, ClickingTheIconImageAsksForAnIconFile) {
    publish::PublishSettings settings;
    test::FakePrompts prompts;
    prompts.openNames.push_back("/somewhere/mine.ico");
    TExeSettingsForm form(settings, true, prompts);
    form.show();
    QTest::mouseClick(Child<QLabel>(form, "IconImage"), Qt::LeftButton);
    EXPECT_EQ(prompts.openFilters, QStringList{"Icons (*.ico)|*.ico"});
    EXPECT_EQ(form.settings().programIcon, "/somewhere/mine.ico");
}

TEST(HtmlSettingsForm, BrowserPlayerIsOnByDefaultAndCopiedBackOnOk) {
    publish::PublishSettings settings;
    settings.title = "T";
    const bool ok = RunHtmlSettingsForm(settings, nullptr, settingsDriver([](QDialog& dialog) {
        auto* check = Child<QCheckBox>(dialog, "BrowserPlayerCheck");
        EXPECT_TRUE(check->isChecked());
        EXPECT_EQ(check->text(), "Include a player for browsers without Flash");
        check->setChecked(false);
        Child<QLineEdit>(dialog, "SwfNameEdit")->setText("movie");
    }));
    EXPECT_TRUE(ok);
    EXPECT_FALSE(settings.includeBrowserPlayer);
    EXPECT_EQ(settings.swfName, "movie");
    EXPECT_EQ(settings.title, "T");
}

TEST(WebSettingsForm, ShowControlsIsOnByDefaultAndCopiedBackOnOk) {
    publish::PublishSettings settings;
    const bool ok = RunWebSettingsForm(settings, nullptr, settingsDriver([](QDialog& dialog) {
        auto* check = Child<QCheckBox>(dialog, "ShowControlsCheck");
        EXPECT_TRUE(check->isChecked());
        EXPECT_EQ(check->text(), "Show controls");
        check->setChecked(false);
        Child<QLineEdit>(dialog, "TitleEdit")->setText("Tour <1>");
    }));
    EXPECT_TRUE(ok);
    EXPECT_FALSE(settings.showControls);
    EXPECT_EQ(settings.title, "Tour <1>");
}

// The web page goes into the chosen folder; the question after it opens its index.html.
TEST_F(PublishForm, WebPageTargetOffersToOpenItsIndexPage) {
    TPublishForm& form = open();
    const auto buttons = form.findChildren<QRadioButton*>();
    const auto web = std::find_if(buttons.begin(), buttons.end(), [](QRadioButton* r) { return r->text() == "Web Page (HTML5)"; });
    ASSERT_NE(web, buttons.end());
    QTest::mouseClick(*web, Qt::LeftButton);
    prompts_.saveNames.push_back(QString::fromStdString((out_ / "site").string()));
    prompts_.yesNoAnswers.push_back(true);
    ASSERT_TRUE(form.runSelectedTarget()) << publishPrompts_.errors.join("\n").toStdString();
    ASSERT_EQ(prompts_.questions.size(), 1u);
    EXPECT_EQ(prompts_.questions[0].caption, "Web Page (HTML5)");
    EXPECT_EQ(prompts_.questions[0].text, "Web page created, open it?");
    EXPECT_EQ(publishPrompts_.opened, QStringList{QString::fromStdString((out_ / "site" / "index.html").string())});
    EXPECT_TRUE(fs::exists(out_ / "site" / "movie.js"));
}

TEST_F(PublishForm, CancelledSaveDialogKeepsTheDialogOpenWithoutAMessage) {
    TPublishForm& form = open();
    EXPECT_FALSE(form.runSelectedTarget());
    EXPECT_EQ(prompts_.saveFilters, QStringList{"SWF files (*.swf)|*.swf"});
    EXPECT_TRUE(publishPrompts_.errors.isEmpty());
}

TEST_F(PublishForm, ExeTargetOffersToLaunchTheProgram) {
    TPublishForm& form = open();
    select(1);
    const QString exe = QString::fromStdString((out_ / "tour.exe").string());
    prompts_.saveNames.push_back(exe);
    prompts_.yesNoAnswers.push_back(true);
    ASSERT_TRUE(form.runSelectedTarget()) << publishPrompts_.errors.join("\n").toStdString();
    EXPECT_EQ(prompts_.saveFilters, QStringList{"EXE Files (*.exe)|*.exe"});
    ASSERT_EQ(prompts_.questions.size(), 1u);
    EXPECT_EQ(prompts_.questions[0].caption, "Executable File");
    EXPECT_EQ(prompts_.questions[0].text, "Executable file created, launch it?");
    EXPECT_EQ(publishPrompts_.opened, QStringList{exe});
}

TEST_F(PublishForm, HtmlTargetAsksToOpenThePageAndNoMeansNo) {
    TPublishForm& form = open();
    select(2);
    prompts_.saveNames.push_back(QString::fromStdString((out_ / "page.htm").string()));
    ASSERT_TRUE(form.runSelectedTarget());
    ASSERT_EQ(prompts_.questions.size(), 1u);
    EXPECT_EQ(prompts_.questions[0].caption, "HTML");
    EXPECT_EQ(prompts_.questions[0].text, "HTML file created, open it?");
    EXPECT_TRUE(publishPrompts_.opened.isEmpty());
    EXPECT_TRUE(fs::exists(out_ / "page.swf"));
}

TEST_F(PublishForm, ATypedNameGetsTheExtensionAndTheMovieOffersItsFolder) {
    TPublishForm& form = open();
    prompts_.saveNames.push_back(QString::fromStdString((out_ / "tour").string()));
    prompts_.yesNoAnswers.push_back(true);
    ASSERT_TRUE(form.runSelectedTarget()) << publishPrompts_.errors.join("\n").toStdString();
    EXPECT_TRUE(fs::exists(out_ / "tour.swf"));
    EXPECT_FALSE(fs::exists(out_ / "tour"));
    ASSERT_EQ(prompts_.questions.size(), 1u);
    EXPECT_EQ(prompts_.questions[0].caption, "SWF");
    EXPECT_EQ(prompts_.questions[0].text, "SWF file created, open the folder that holds it?");
    EXPECT_EQ(publishPrompts_.opened, QStringList{QString::fromStdString(out_.path().string())});
}

// The next opening checks the target published last and starts the save dialog in its folder;
// a folder that has gone since is not suggested.
TEST_F(PublishForm, TheLastTargetAndFolderAreRemembered) {
    TPublishForm& first = open();
    QStringList targets;
    for (QRadioButton* radio : first.findChildren<QRadioButton*>())
        targets << radio->text();
    EXPECT_TRUE(targets.contains("Linux program"));
    select(2);
    fs::create_directories(out_ / "site");
    prompts_.saveNames.push_back(QString::fromStdString((out_ / "site" / "page").string()));
    ASSERT_TRUE(first.runSelectedTarget());
    EXPECT_TRUE(fs::exists(out_ / "site" / "page.htm"));

    TPublishForm& second = open();
    EXPECT_EQ(second.selectedTarget(), 2);
    EXPECT_FALSE(second.runSelectedTarget()); // the save dialog is cancelled
    EXPECT_EQ(prompts_.saveSuggestions.back(), QString::fromStdString((out_ / "site").string()) + "/");

    fs::remove_all(out_ / "site");
    EXPECT_FALSE(open().runSelectedTarget());
    EXPECT_EQ(prompts_.saveSuggestions.back(), QString());
}

TEST_F(PublishForm, FailuresShowTheirMessageAndKeepTheDialogOpen) {
    TPublishForm& form = open();
    select(1);
    prompts_.saveNames.push_back(QString::fromStdString((out_ / "missing" / "tour.exe").string()));
    EXPECT_FALSE(form.runSelectedTarget());
    ASSERT_EQ(publishPrompts_.errors.size(), 1);
    EXPECT_TRUE(publishPrompts_.errors[0].contains("/2001)")) << publishPrompts_.errors[0].toStdString();
}

TEST_F(PublishForm, BurnCdDirectlyWaitsWithTheDialogDisabled) {
    TPublishForm& form = open();
    select(3);
    publishPrompts_.whileBurning = [&] {
        EXPECT_FALSE(Child<QGroupBox>(form, "PublishGroup")->isEnabled());
        for (QPushButton* button : form.findChildren<QPushButton*>()) {
            if (button->text() == "OK" || button->text() == "Cancel") {
                EXPECT_FALSE(button->isEnabled());
            }
        }
    };
    ASSERT_TRUE(form.runSelectedTarget()) << publishPrompts_.errors.join("\n").toStdString();
    ASSERT_EQ(publishPrompts_.burned.size(), 1);
    EXPECT_TRUE(publishPrompts_.burned[0].endsWith("TmpCDROM"));
    EXPECT_TRUE(Child<QGroupBox>(form, "PublishGroup")->isEnabled());
    EXPECT_TRUE(publishPrompts_.folderTitles.isEmpty());
}

TEST_F(PublishForm, BurnerThatCannotStartIsReportedAndStillASuccess) {
    TPublishForm& form = open();
    select(4);
    publishPrompts_.burnerStarts = false;
    EXPECT_TRUE(form.runSelectedTarget());
    EXPECT_EQ(publishPrompts_.errors, QStringList{"No such file or directory"});
}

TEST_F(PublishForm, SaveInAFolderAsksForTheFolder) {
    TPublishForm& form = open();
    select(4);
    Child<QRadioButton>(form, "FolderRadio")->click();
    EXPECT_FALSE(form.runSelectedTarget()); // the browser was cancelled
    EXPECT_EQ(publishPrompts_.folderTitles, QStringList{"Select Folder for Burning CD/DVD"});
    publishPrompts_.folderAnswer = QString::fromStdString((out_ / "cd").string());
    EXPECT_TRUE(form.runSelectedTarget());
    EXPECT_TRUE(fs::exists(out_ / "cd" / "autorun.htm"));
    EXPECT_TRUE(publishPrompts_.burned.isEmpty());
    EXPECT_EQ(publishPrompts_.folderStarts, (QStringList{QString(), QString()}));

    // The next time the browser opens in the folder chosen last.
    TPublishForm& again = open();
    EXPECT_EQ(again.selectedTarget(), 4);
    Child<QRadioButton>(again, "FolderRadio")->click();
    publishPrompts_.folderAnswer.clear();
    EXPECT_FALSE(again.runSelectedTarget());
    EXPECT_EQ(publishPrompts_.folderStarts.back(), QString::fromStdString((out_ / "cd").string()) + "/");
}

} // namespace
} // namespace vantora

namespace vantora {
namespace {

TEST(PublishFormRun, ReportsProgressAndSuccessOfTheChosenTarget) {
    ::setenv("VANTORA_RESOURCES", VANTORA_TEST_RESOURCES, 1);
    test::ScopedProgramFolder home;
    test::TempDir out;
    TVantora demo;
    demo.Width = 64;
    demo.Height = 48;
    NewScene(demo).Length = 1;
    test::FakePrompts prompts;
    FakePublishPrompts publishPrompts;
    prompts.saveNames.push_back(QString::fromStdString((out / "m.swf").string()));
    std::vector<std::string> labels;
    ProgressObserver progress;
    progress.open = [&](std::string_view label, int) { labels.emplace_back(label); };
    const bool published = RunPublishForm(demo, nullptr, &progress, prompts, publishPrompts, [](QDialog& dialog) {
        dialog.show();
        test::ClickButton(dialog, "OK");
        return dialog.result();
    });
    ::unsetenv("VANTORA_RESOURCES");
    EXPECT_TRUE(published);
    EXPECT_EQ(labels, std::vector<std::string>{"Create Movie"});
    EXPECT_TRUE(fs::exists(out / "m.swf"));
}

} // namespace
} // namespace vantora
