// "Create New Demo" and "Demo Properties": what each returns for OK, Cancel, Escape and edits.

#include "dialogs/demo_properties_form.h"
#include "dialogs/new_form.h"
#include "fake_prompts.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <tuple>
#include <utility>

#include <gtest/gtest.h>

namespace vantora {
namespace {

using test::Child;
using test::ClickButton;
using test::FakePrompts;

using test::EditThenPress;
using test::Press;

void ChoosePreset(QDialog& dialog, const QString& caption) {
    auto* box = Child<QComboBox>(dialog, "PresetBox");
    const int index = box->findText(caption);
    ASSERT_GE(index, 0);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

TEST(NewForm, OkWithoutEditsGivesTheDefaults) {
    FakePrompts prompts;
    const TNewDemoChoice choice = RunNewForm(nullptr, prompts, Press("&OK"));
    EXPECT_TRUE(choice.Confirmed);
    EXPECT_EQ(choice.Settings, (TDemoSettings{"Demo", 640, 480, clWhite, 2}));
    EXPECT_EQ(choice.Creation, TSceneCreation::OneBlank);
}

TEST(NewForm, CancelEscapeAndCloseAreNotConfirmed) {
    FakePrompts prompts;
    EXPECT_FALSE(RunNewForm(nullptr, prompts, Press("&Cancel")).Confirmed);
    const auto escape = [](QDialog& dialog) {
        dialog.show();
        QTest::keyClick(Child<QLineEdit>(dialog, "TitleEdit"), Qt::Key_Escape);
        return dialog.result();
    };
    EXPECT_FALSE(RunNewForm(nullptr, prompts, escape).Confirmed);
    const auto close = [](QDialog& dialog) {
        dialog.show();
        dialog.close();
        return dialog.result();
    };
    EXPECT_FALSE(RunNewForm(nullptr, prompts, close).Confirmed);
}

TEST(NewForm, PresetFillsTheSizeWhichStaysEditable) {
    FakePrompts prompts;
    const TNewDemoChoice choice = RunNewForm(nullptr, prompts, EditThenPress("&OK", [](QDialog& dialog) {
        ChoosePreset(dialog, "240x320");
        auto* width = Child<QSpinBox>(dialog, "WidthEdit");
        EXPECT_EQ(width->value(), 240);
        EXPECT_EQ(Child<QSpinBox>(dialog, "HeightEdit")->value(), 320);
        width->setValue(250);
    }));
    EXPECT_EQ(choice.Settings.Width, 250);
    EXPECT_EQ(choice.Settings.Height, 320);
}

TEST(NewForm, EveryPresetSetsItsSize) {
    FakePrompts prompts;
    ASSERT_EQ(SizePresets().size(), 7u);
    for (const TSizePreset& preset : SizePresets()) {
        const TNewDemoChoice choice = RunNewForm(nullptr, prompts, EditThenPress("&OK", [&](QDialog& dialog) {
            ChoosePreset(dialog, QString::fromLatin1(preset.caption));
        }));
        EXPECT_EQ(QStringLiteral("%1x%2").arg(choice.Settings.Width).arg(choice.Settings.Height),
                  QString::fromLatin1(preset.caption));
    }
}

// The Preset box names the size the edits hold: its preset, or "Custom" for any other size.
TEST(NewForm, PresetBoxFollowsTheTypedSize) {
    FakePrompts prompts;
    RunNewForm(nullptr, prompts, EditThenPress("&Cancel", [](QDialog& dialog) {
        auto* box = Child<QComboBox>(dialog, "PresetBox");
        auto* width = Child<QSpinBox>(dialog, "WidthEdit");
        auto* height = Child<QSpinBox>(dialog, "HeightEdit");
        EXPECT_EQ(box->currentText(), "640x480"); // the opening size
        const std::tuple<int, int, QString> table[] = {
            {641, 480, "Custom"}, {1024, 768, "1024x768"}, {768, 1024, "Custom"}, {980, 640, "980x640"},
        };
        for (const auto& [w, h, shown] : table) {
            width->setValue(w);
            height->setValue(h);
            EXPECT_EQ(box->currentText(), shown) << w << "x" << h;
        }
        ChoosePreset(dialog, "Custom"); // names a size, sets none
        EXPECT_EQ(QSize(width->value(), height->value()), QSize(980, 640));
    }));
}

TEST(NewForm, ScreenSizePresetTakesTheScreenInDevicePixels) {
    FakePrompts prompts;
    const QSize screen = ScreenSizeInDevicePixels();
    ASSERT_TRUE(screen.isValid());
    const TNewDemoChoice choice = RunNewForm(nullptr, prompts, EditThenPress("&OK", [](QDialog& dialog) {
        ChoosePreset(dialog, "Screen size");
    }));
    EXPECT_EQ(QSize(choice.Settings.Width, choice.Settings.Height), screen);
}

TEST(NewForm, TitleIsTrimmedAndBlanksOnlyGiveAnEmptyName) {
    FakePrompts prompts;
    const auto withTitle = [&](const QString& title) {
        return RunNewForm(nullptr, prompts, EditThenPress("&OK", [title](QDialog& dialog) {
                   auto* edit = Child<QLineEdit>(dialog, "TitleEdit");
                   edit->clear();
                   QTest::keyClicks(edit, title);
               }))
            .Settings.Name;
    };
    EXPECT_EQ(withTitle("   "), "");
    EXPECT_EQ(withTitle("  My  Tour "), "My  Tour");
}

TEST(NewForm, FrameRateAndCreationModes) {
    FakePrompts prompts;
    const TNewDemoChoice fast = RunNewForm(nullptr, prompts, EditThenPress("&OK", [](QDialog& dialog) {
        QTest::mouseClick(Child<QRadioButton>(dialog, "Fps40Button"), Qt::LeftButton);
        QTest::mouseClick(Child<QRadioButton>(dialog, "TakeShotsButton"), Qt::LeftButton);
    }));
    EXPECT_EQ(fast.Settings.FrameRateFactor, 4);
    EXPECT_EQ(fast.Creation, TSceneCreation::TakeScreenShots);

    const TNewDemoChoice slow = RunNewForm(nullptr, prompts, EditThenPress("&OK", [](QDialog& dialog) {
        QTest::mouseClick(Child<QRadioButton>(dialog, "Fps10Button"), Qt::LeftButton);
        auto* hidden = Child<QRadioButton>(dialog, "ImportImagesButton");
        EXPECT_FALSE(hidden->isVisible());
        hidden->setChecked(true);
    }));
    EXPECT_EQ(slow.Settings.FrameRateFactor, 1);
    EXPECT_EQ(slow.Creation, TSceneCreation::ImportImages);
}

TEST(NewForm, SizesClampToTheirRange) {
    FakePrompts prompts;
    const TNewDemoChoice choice = RunNewForm(nullptr, prompts, EditThenPress("&OK", [](QDialog& dialog) {
        auto* width = Child<QSpinBox>(dialog, "WidthEdit");
        width->selectAll();
        QTest::keyClicks(width, "123456"); // a fifth digit cannot be typed
        Child<QSpinBox>(dialog, "HeightEdit")->setValue(0);
    }));
    EXPECT_EQ(choice.Settings.Width, 1234);
    EXPECT_EQ(choice.Settings.Height, 1);
}

TEST(NewForm, CustomColourComesFromTheColourDialog) {
    FakePrompts prompts;
    prompts.colours = {RGB(1, 2, 3)};
    const TNewDemoChoice choice = RunNewForm(nullptr, prompts, EditThenPress("&OK", [](QDialog& dialog) {
        auto* box = Child<QComboBox>(dialog, "BackColorBox");
        const int custom = box->findText("Custom...");
        ASSERT_GE(custom, 0);
        box->setCurrentIndex(custom);
        emit box->activated(custom);
    }));
    EXPECT_EQ(choice.Settings.BackColor, RGB(1, 2, 3));
}

TDemoSettings Sample() { return {"Tour", 800, 600, RGB(0, 0, 128), 2}; }

TEST(DemoPropertiesForm, ShowsTheDemoAndLabelsAsDesigned) {
    FakePrompts prompts;
    TDemoPropertiesForm form(Sample(), prompts);
    EXPECT_EQ(form.windowTitle(), "Demo Properties");
    EXPECT_EQ(Child<QLineEdit>(form, "NameEdit")->text(), "Tour");
    EXPECT_EQ(Child<QSpinBox>(form, "WidthEdit")->value(), 800);
    EXPECT_EQ(Child<QComboBox>(form, "BackColorBox")->currentText(), "Navy");
    EXPECT_TRUE(Child<QRadioButton>(form, "Fps20Button")->isChecked());
    QStringList labels;
    for (QLabel* label : form.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains("Demo Name:"));
    EXPECT_FALSE(form.changed());
}

// The widget that Tab moves the focus to from `from`.
QWidget* TabFrom(QDialog& dialog, QWidget* from) {
    dialog.show();
    dialog.activateWindow();
    if (!QTest::qWaitForWindowActive(&dialog))
        return nullptr;
    from->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(from, Qt::Key_Tab);
    return QApplication::focusWidget();
}

TEST(DemoPropertiesForm, TabEntersTheFrameRatesAtTheCheckedOne) {
    FakePrompts prompts;
    TDemoSettings settings = Sample();
    for (const auto& [factor, name] : {std::pair(2, "Fps20Button"), std::pair(4, "Fps40Button")}) {
        settings.FrameRateFactor = factor;
        TDemoPropertiesForm form(settings, prompts);
        EXPECT_EQ(TabFrom(form, Child<QComboBox>(form, "BackColorBox")), Child<QRadioButton>(form, name));
    }
    // With no rate checked the first one takes the focus, so the group can still be reached.
    settings.FrameRateFactor = 3;
    TDemoPropertiesForm none(settings, prompts);
    EXPECT_EQ(TabFrom(none, Child<QComboBox>(none, "BackColorBox")), Child<QRadioButton>(none, "Fps10Button"));
}

TEST(NewForm, TabFollowsTheRateTheUserPicked) {
    FakePrompts prompts;
    TNewForm form(prompts);
    QTest::mouseClick(Child<QRadioButton>(form, "Fps40Button"), Qt::LeftButton);
    EXPECT_EQ(TabFrom(form, Child<QComboBox>(form, "BackColorBox")), Child<QRadioButton>(form, "Fps40Button"));
    // The arrow keys still move within the group.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_TRUE(Child<QRadioButton>(form, "Fps20Button")->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), Child<QRadioButton>(form, "Fps20Button"));
}

TEST(DemoPropertiesForm, OkWithoutEditsChangesNothing) {
    FakePrompts prompts;
    EXPECT_FALSE(RunDemoPropertiesForm(Sample(), nullptr, prompts, Press("&OK")).has_value());
}

TEST(DemoPropertiesForm, FrameRateChangeIsReturned) {
    FakePrompts prompts;
    const auto result = RunDemoPropertiesForm(Sample(), nullptr, prompts, EditThenPress("&OK", [](QDialog& dialog) {
        QTest::mouseClick(Child<QRadioButton>(dialog, "Fps10Button"), Qt::LeftButton);
    }));
    ASSERT_TRUE(result.has_value());
    TDemoSettings expected = Sample();
    expected.FrameRateFactor = 1;
    EXPECT_EQ(*result, expected);
}

TEST(DemoPropertiesForm, CancelAfterEditsKeepsEverything) {
    FakePrompts prompts;
    const auto result = RunDemoPropertiesForm(Sample(), nullptr, prompts, EditThenPress("&Cancel", [](QDialog& dialog) {
        QTest::keyClicks(Child<QLineEdit>(dialog, "NameEdit"), " 2");
    }));
    EXPECT_FALSE(result.has_value());
}

TEST(DemoPropertiesForm, NameIsNotTrimmedAndSizeAndColourComeBack) {
    FakePrompts prompts;
    const auto result = RunDemoPropertiesForm(Sample(), nullptr, prompts, EditThenPress("&OK", [](QDialog& dialog) {
        auto* name = Child<QLineEdit>(dialog, "NameEdit");
        QTest::keyClick(name, Qt::Key_End);
        QTest::keyClicks(name, "  ");
        Child<QSpinBox>(dialog, "HeightEdit")->setValue(700);
        auto* box = Child<QComboBox>(dialog, "BackColorBox");
        const int red = box->findText("Red");
        box->setCurrentIndex(red);
        emit box->activated(red);
    }));
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->Name, "Tour  ");
    EXPECT_EQ(result->Height, 700);
    EXPECT_EQ(result->BackColor, RGB(255, 0, 0));
}

TEST(DemoPropertiesForm, UnknownFrameRateChecksNoneAndStaysUnchanged) {
    FakePrompts prompts;
    TDemoSettings odd = Sample();
    odd.FrameRateFactor = 3;
    const auto result = RunDemoPropertiesForm(odd, nullptr, prompts, EditThenPress("&OK", [](QDialog& dialog) {
        EXPECT_FALSE(Child<QRadioButton>(dialog, "Fps10Button")->isChecked());
        EXPECT_FALSE(Child<QRadioButton>(dialog, "Fps20Button")->isChecked());
        EXPECT_FALSE(Child<QRadioButton>(dialog, "Fps40Button")->isChecked());
        Child<QSpinBox>(dialog, "WidthEdit")->setValue(801);
    }));
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->FrameRateFactor, 3);
    EXPECT_EQ(result->Width, 801);
}

TEST(DemoPropertiesForm, CancelledCustomColourKeepsTheOldOne) {
    FakePrompts prompts; // the colour dialog is cancelled
    const auto result = RunDemoPropertiesForm(Sample(), nullptr, prompts, EditThenPress("&OK", [](QDialog& dialog) {
        auto* box = Child<QComboBox>(dialog, "BackColorBox");
        box->setCurrentIndex(0);
        emit box->activated(0);
        EXPECT_EQ(box->currentText(), "Navy");
    }));
    EXPECT_FALSE(result.has_value());
}

} // namespace
} // namespace vantora
