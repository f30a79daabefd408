// Every dialog's captions and keys: OK is the default button (except where Enter makes a new
// line), the first field has the focus, and Tab walks the fields in reading order.

#include "dialogs/about_form.h"
#include "dialogs/demo_properties_form.h"
#include "dialogs/grid_size_form.h"
#include "dialogs/image_editor/image_editor_form.h"
#include "dialogs/new_form.h"
#include "dialogs/select_color_form.h"
#include "dialogs/text_editor_form.h"
#include "fake_prompts.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace vantora {
namespace {

using test::Child;
using test::FakePrompts;

QPushButton* ButtonCalled(QWidget& parent, const QString& caption) {
    for (QPushButton* button : parent.findChildren<QPushButton*>())
        if (button->text() == caption)
            return button;
    ADD_FAILURE() << "no button " << caption.toStdString();
    return nullptr;
}

TEST(DialogButtons, OkIsTheDefaultButton) {
    FakePrompts prompts;
    TNewForm newForm(prompts);
    TDemoPropertiesForm properties({"Demo", 640, 480, clWhite, 2}, prompts);
    TGridSizeForm grid(8, 8);
    TSelectColorForm colour(clWhite, prompts);
    TImageEditorForm image(Picture(), false, prompts);
    TAboutForm about(prompts);
    for (QDialog* dialog : std::initializer_list<QDialog*>{&newForm, &properties, &grid, &colour, &image, &about}) {
        QPushButton* ok = ButtonCalled(*dialog, "&OK");
        ASSERT_NE(ok, nullptr) << dialog->windowTitle().toStdString();
        EXPECT_TRUE(ok->isDefault()) << dialog->windowTitle().toStdString();
    }
    TTextEditorForm text(QString(), prompts);
    EXPECT_FALSE(ButtonCalled(text, "&OK")->isDefault());
    EXPECT_FALSE(ButtonCalled(text, "&OK")->autoDefault());
}

TEST(DialogButtons, TabWalksTheNewDemoFieldsInReadingOrder) {
    FakePrompts prompts;
    TNewForm form(prompts);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), Child<QLineEdit>(form, "TitleEdit"));
    for (const char* next : {"WidthEdit", "HeightEdit", "PresetBox", "BackColorBox", "Fps20Button"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), form.findChild<QWidget*>(next)) << next;
    }
}

TEST(DialogButtons, CaptionsAreTheDesignedOnes) {
    FakePrompts prompts;
    EXPECT_EQ(TNewForm(prompts).windowTitle(), "Create New Demo");
    EXPECT_EQ(TGridSizeForm(8, 8).windowTitle(), "Grid Size");
    EXPECT_EQ(TTextEditorForm(QString(), prompts).windowTitle(), "Text Editor");
    TImageEditorForm image(Picture(), false, prompts);
    for (const char* caption : {"&Load From File...", "&Save As...", "&Clear", "Take a Screen Shot...", "&OK", "Cancel"})
        EXPECT_NE(ButtonCalled(image, caption), nullptr);
    TTextEditorForm text(QString(), prompts);
    for (const char* caption : {"&OK", "&Cancel", "&Load...", "&Save As...", "Clear"})
        EXPECT_NE(ButtonCalled(text, caption), nullptr);
}

} // namespace
} // namespace vantora
