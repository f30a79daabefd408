// "Grid Size": the range of its edits, its keys and when it reports a change.

#include "dialogs/grid_size_form.h"
#include "fake_prompts.h"

#include <QSpinBox>

#include <gtest/gtest.h>

namespace vantora {
namespace {

using test::Child;

// Shows the dialog, sets the edits to x and y by typing, then presses `key` in the Y edit.
DialogDriver TypeSizes(const QString& x, const QString& y, Qt::Key key) {
    return [=](QDialog& dialog) {
        dialog.show();
        auto* xEdit = Child<QSpinBox>(dialog, "GridXEdit");
        auto* yEdit = Child<QSpinBox>(dialog, "GridYEdit");
        xEdit->selectAll();
        QTest::keyClicks(xEdit, x);
        yEdit->selectAll();
        QTest::keyClicks(yEdit, y);
        QTest::keyClick(yEdit, key);
        return dialog.result();
    };
}

TEST(GridSizeForm, EnterConfirmsANewSize) {
    int x = 8, y = 8;
    EXPECT_TRUE(RunGridSizeForm(x, y, nullptr, TypeSizes("16", "8", Qt::Key_Return)));
    EXPECT_EQ(x, 16);
    EXPECT_EQ(y, 8);
}

TEST(GridSizeForm, SameValuesReturnFalse) {
    int x = 10, y = 12;
    EXPECT_FALSE(RunGridSizeForm(x, y, nullptr, TypeSizes("10", "12", Qt::Key_Enter)));
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 12);
}

TEST(GridSizeForm, EscapeCancelsWhateverWasTyped) {
    int x = 8, y = 8;
    EXPECT_FALSE(RunGridSizeForm(x, y, nullptr, TypeSizes("20", "30", Qt::Key_Escape)));
    EXPECT_EQ(x, 8);
    EXPECT_EQ(y, 8);
}

TEST(GridSizeForm, ValuesStayWithinTwoToNinetyNine) {
    TGridSizeForm form(1, 500);
    EXPECT_EQ(form.sizeX(), 2);
    EXPECT_EQ(form.sizeY(), 99);
    int x = 8, y = 8;
    // A third digit cannot be typed, and 1 is below the range.
    EXPECT_TRUE(RunGridSizeForm(x, y, nullptr, TypeSizes("999", "1", Qt::Key_Return)));
    EXPECT_EQ(x, 99);
    EXPECT_GE(y, 2);
}

} // namespace
} // namespace vantora
