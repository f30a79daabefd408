// The main window's commands that open the program's dialogs: what reaches the demo and the
// settings for OK and Cancel, and which questions come when.

#include "dialogs/program_identity.h"
#include "dialogs/tips/tips_form.h"
#include "editor/document/editor_document.h"
#include "main_form_fixture.h"
#include "storage/editor_settings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QUndoStack>

namespace vantora::test {
namespace {

class DialogCommands : public MainFormTest {
protected:
    // The next dialog is worked on by `edit` and then closed with the button captioned `button`.
    template <typename Edit>
    void nextDialog(const QString& button, Edit edit) {
        answerDialog = [this, button, edit](QDialog& dialog) {
            shownTitles << dialog.windowTitle();
            dialog.show();
            edit(dialog);
            for (QPushButton* push : dialog.findChildren<QPushButton*>())
                if (push->text() == button)
                    QTest::mouseClick(push, Qt::LeftButton);
            return dialog.result();
        };
    }
    void nextDialog(const QString& button) {
        nextDialog(button, [](QDialog&) {});
    }
    template <typename Widget>
    static Widget* child(QDialog& dialog, const char* name) {
        auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    TVantora& demo() { return form->document().demo(); }

    QStringList shownTitles;
};

TEST_F(DialogCommands, NewDemoTakesTheDialogsValues) {
    nextDialog("&OK", [](QDialog& dialog) {
        auto* title = child<QLineEdit>(dialog, "TitleEdit");
        title->setText("  Tour ");
        auto* preset = child<QComboBox>(dialog, "PresetBox");
        preset->setCurrentIndex(1);
        emit preset->activated(1);
        QTest::mouseClick(child<QRadioButton>(dialog, "Fps40Button"), Qt::LeftButton);
    });
    form->New1Click();
    EXPECT_EQ(shownTitles, QStringList{"Create New Demo"});
    EXPECT_EQ(demo().Name, "Tour");
    EXPECT_EQ(demo().Width, 800);
    EXPECT_EQ(demo().Height, 600);
    EXPECT_EQ(demo().FrameRateFactor, 4);
    EXPECT_EQ(demo().Scenes.size(), 1u);
    EXPECT_TRUE(form->document().isModified());
    EXPECT_TRUE(dialogs.messages.empty()); // nothing to save yet
}

TEST_F(DialogCommands, CancelledNewDemoAsksNothingAndKeepsTheDemo) {
    form->New1Click(); // OK with the defaults: a modified demo of one scene
    form->document().addScene();
    ASSERT_EQ(demo().Scenes.size(), 2u);
    nextDialog("&Cancel");
    form->New1Click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(demo().Scenes.size(), 2u);
    // Confirmed, then Cancel on "Save changes to file?": still nothing changes.
    nextDialog("&OK");
    dialogs.answers = {MessageAnswer::Cancel};
    form->New1Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Save changes to file?");
    EXPECT_EQ(demo().Scenes.size(), 2u);
}

TEST_F(DialogCommands, PropertiesChangeOnlyWhenEditedAndConfirmed) {
    form->New1Click();
    form->document().markSaved();
    nextDialog("&OK");
    form->Properties1Click();
    EXPECT_EQ(shownTitles.last(), "Demo Properties");
    EXPECT_FALSE(form->document().isModified());

    nextDialog("&Cancel", [](QDialog& dialog) { child<QLineEdit>(dialog, "NameEdit")->setText("Lost"); });
    form->Properties1Click();
    EXPECT_EQ(demo().Name, "Demo");

    nextDialog("&OK", [](QDialog& dialog) {
        QTest::mouseClick(child<QRadioButton>(dialog, "Fps10Button"), Qt::LeftButton);
        child<QSpinBox>(dialog, "WidthEdit")->setValue(320);
    });
    form->Properties1Click();
    EXPECT_EQ(demo().FrameRateFactor, 1);
    EXPECT_EQ(demo().Width, 320);
    EXPECT_TRUE(form->document().isModified());
    EXPECT_EQ(form->document().currentScene(), demo().Scenes.front().get());
    // One undo step brings all of it back.
    form->document().undoStack().undo();
    EXPECT_EQ(demo().FrameRateFactor, 2);
    EXPECT_EQ(demo().Width, 640);
}

TEST_F(DialogCommands, GridSizeIsWrittenOnlyWhenItChanges) {
    nextDialog("&OK");
    form->GridSize1Click();
    EXPECT_EQ(shownTitles.last(), "Grid Size");
    EXPECT_FALSE(std::filesystem::exists(settingsFile()));

    nextDialog("&OK", [](QDialog& dialog) { child<QSpinBox>(dialog, "GridXEdit")->setValue(16); });
    form->GridSize1Click();
    EXPECT_EQ(form->editorSettings().GridSizeX, 16);
    EXPECT_EQ(ReadEditorSettings(settingsFile(), {}).GridSizeX, 16);
    EXPECT_EQ(ReadEditorSettings(settingsFile(), {}).GridSizeY, 8);
}

TEST_F(DialogCommands, AboutAndWhatsNewOpenTheirWindows) {
    nextDialog("&OK");
    action("About1")->trigger();
    EXPECT_EQ(shownTitles, QStringList{"About " + ApplicationTitle()});

    nextDialog("OK");
    action("WhatsNew1")->trigger(); // no Tips.rtf in this program folder
    EXPECT_EQ(shownTitles.size(), 1);
    writeFileBytes(home.path() / kTipsFileName, {'{', '\\', 'r', 't', 'f', '1', ' ', 'x', '}'});
    action("WhatsNew1")->trigger();
    EXPECT_EQ(shownTitles.last(), "What's New?");
    form->ShowStartupTips(); // not acknowledged yet: shown at start-up too
    EXPECT_EQ(shownTitles.size(), 3);
}

} // namespace
} // namespace vantora::test
