// The grids driven through their cells: validation on leaving a cell, pick lists, ellipsis
// routes, the drawing data of colour and font rows, and following the selection and undo.

#include "../document_fixture.h"

#include "editor/grids/animation_grid_view.h"
#include "editor/grids/grid_cell_painter.h"
#include "editor/grids/property_grid.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>

namespace vantora::test {
namespace {

class GridTest : public DocumentFixture {
protected:
    GridDialogs dialogs;
    TColor nextColour = RGB(1, 2, 3);
    int colourCalls = 0;

    void SetUp() override {
        static int argc = 1;
        static char name[] = "grid_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv); // lives until the process ends, as an application does
        DocumentFixture::SetUp();
        dialogs.chooseColour = [this](TColor& c, QWidget*) {
            ++colourCalls;
            c = nextColour;
            return true;
        };
    }
    void settle() { QCoreApplication::processEvents(); }
    // Types into the named value cell as a user does when leaving it.
    void type(GridPage& grid, const QString& name, const QString& text) {
        const int row = grid.table()->tableRowOf(name);
        ASSERT_GT(row, 0) << name.toStdString();
        grid.table()->item(row, 1)->setText(text);
        settle();
    }
    QString cell(GridPage& grid, const QString& name) {
        const int row = grid.table()->tableRowOf(name);
        return row > 0 ? grid.table()->item(row, 1)->text() : QStringLiteral("<absent>");
    }
    TDemoObject& pick(TObjectKind kind) {
        TDemoObject& object = place(kind);
        document.selection().selectOnly(&object);
        settle();
        return object;
    }
};

TEST_F(GridTest, TypedNumbersAreValidatedWhenTheCellIsLeft) {
    TPropertyGrid grid(document, dialogs);
    TDemoObject& object = pick(TObjectKind::RoundBalloon);
    const std::int32_t margin = object.Margin;
    type(grid, "Margin", "abc");
    EXPECT_EQ(object.Margin, margin);
    EXPECT_EQ(cell(grid, "Margin"), QString::number(margin));
    EXPECT_EQ(stack().count(), 0);

    type(grid, "Alpha (%)", "250");
    EXPECT_EQ(object.Alpha, 100);
    type(grid, "Alpha (%)", "-5");
    EXPECT_EQ(object.Alpha, 0);
    EXPECT_EQ(cell(grid, "Alpha (%)"), "0");

    type(grid, "Width", "1");
    EXPECT_EQ(object.Width, 2);
    EXPECT_EQ(cell(grid, "Width"), "2");

    // Each edit is one step, and undo shows the old value in the grid again.
    stack().undo();
    settle();
    EXPECT_NE(object.Width, 2);
    EXPECT_EQ(cell(grid, "Width"), QString::number(object.Width));
    stack().undo();
    settle();
    EXPECT_EQ(object.Alpha, 100) << "each value committed from a cell is its own step";
    EXPECT_EQ(cell(grid, "Alpha (%)"), "100");
}

TEST_F(GridTest, PickListsApplyAtOnceAndUndo) {
    TPropertyGrid grid(document, dialogs);
    TDemoObject& object = pick(TObjectKind::RoundBalloon);
    const int row = grid.table()->tableRowOf("Layout");
    ASSERT_GT(row, 0);
    auto* box = qobject_cast<QComboBox*>(grid.table()->cellWidget(row, 1));
    ASSERT_NE(box, nullptr);
    const int before = object.Layout;
    const int other = (box->currentIndex() + 1) % box->count();
    box->setCurrentIndex(other);
    emit box->activated(other);
    settle();
    EXPECT_NE(object.Layout, before);
    EXPECT_EQ(cell(grid, "Layout"), box->itemText(other));
    stack().undo();
    settle();
    EXPECT_EQ(object.Layout, before);
}

TEST_F(GridTest, ColourRowsShowNamesOrCustomWithTheirSwatch) {
    TPropertyGrid grid(document, dialogs);
    pick(TObjectKind::Shape);
    const int row = grid.table()->tableRowOf("FillColor");
    ASSERT_GT(row, 0);
    grid.table()->ellipsisPressed(row - 1);
    settle();
    EXPECT_EQ(colourCalls, 1);
    EXPECT_EQ(cell(grid, "FillColor"), "Custom");
    EXPECT_EQ(grid.table()->item(row, 1)->data(kColourRole).toUInt(), unsigned(RGB(1, 2, 3)));

    nextColour = RGB(255, 0, 0);
    grid.table()->ellipsisPressed(row - 1);
    settle();
    EXPECT_EQ(cell(grid, "FillColor"), "Red");
    stack().undo();
    settle();
    EXPECT_EQ(cell(grid, "FillColor"), "Custom");
}

TEST_F(GridTest, FontRowCarriesTheFontAndWhiteGoesOnSilver) {
    TPropertyGrid grid(document, dialogs);
    TDemoObject& object = place(TObjectKind::Label);
    object.Font.Color = clWhite;
    document.selection().selectOnly(&object);
    settle();
    const int row = grid.table()->tableRowOf("Font");
    ASSERT_GT(row, 0);
    EXPECT_EQ(grid.table()->item(row, 1)->data(kFontColourRole).toUInt(), unsigned(clWhite));
    EXPECT_TRUE(NeedsSilverBox(clWhite));
    EXPECT_FALSE(NeedsSilverBox(clBlack));
    EXPECT_FALSE(NeedsSilverBox(RGB(255, 255, 254)));
}

TEST_F(GridTest, FollowsSelectionAndShowsMultiSelected) {
    TPropertyGrid grid(document, dialogs);
    TAnimationGrid animation(document);
    settle();
    EXPECT_GT(grid.table()->tableRowOf("BackColor"), 0) << "the scene's rows without a selection";
    TDemoObject& a = place(TObjectKind::Shape);
    TDemoObject& b = place(TObjectKind::Shape);
    document.selection().setSelected({&a, &b});
    settle();
    EXPECT_TRUE(grid.showsMultiSelected());
    EXPECT_TRUE(animation.showsMultiSelected());
    document.selection().selectOnly(&b);
    settle();
    EXPECT_FALSE(grid.showsMultiSelected());
    EXPECT_EQ(grid.subject().object, &b);
    EXPECT_EQ(animation.subject().object, &b);
}

TEST_F(GridTest, AnimationStepsClampAndUndo) {
    TAnimationGrid grid(document);
    pick(TObjectKind::Shape);
    const auto& rows = grid.sheet().rows;
    const auto steps = std::find_if(rows.begin(), rows.end(),
                                    [](const AnimationRow& r) { return r.field == AnimationField::InSteps; });
    ASSERT_NE(steps, rows.end());
    const QString name = QString::fromStdString(steps->name);
    const QString before = cell(grid, name);
    type(grid, name, "0");
    EXPECT_EQ(cell(grid, name).toInt(), kChannelStepsMinimum);
    type(grid, name, "xyz");
    EXPECT_EQ(cell(grid, name).toInt(), kChannelStepsMinimum);
    stack().undo();
    settle();
    EXPECT_EQ(cell(grid, name), before);
}

TEST_F(GridTest, TextRouteShowsTextAndCancelChangesNothing) {
    bool accept = false;
    dialogs.editText = [&accept](std::string& text, QWidget*) {
        text = "Hello";
        return accept;
    };
    TPropertyGrid grid(document, dialogs);
    pick(TObjectKind::RoundBalloon);
    const int row = grid.table()->tableRowOf("Text");
    ASSERT_GT(row, 0);
    const QString before = cell(grid, "Text");
    grid.table()->ellipsisPressed(row - 1);
    settle();
    EXPECT_EQ(stack().count(), 0);
    EXPECT_EQ(cell(grid, "Text"), before);
    accept = true;
    grid.table()->ellipsisPressed(row - 1);
    settle();
    EXPECT_EQ(cell(grid, "Text"), "[Text]");
    EXPECT_EQ(stack().count(), 1);
}

TEST_F(GridTest, SoundRouteRefusesOtherFileTypes) {
    QString caption, message;
    dialogs.chooseSoundFile = [](QWidget*) { return QStringLiteral("/tmp/narration.ogg"); };
    dialogs.information = [&](QWidget*, const QString& c, const QString& t) {
        caption = c;
        message = t;
    };
    TPropertyGrid grid(document, dialogs);
    TDemoObject& object = pick(TObjectKind::Audio);
    const auto& rows = grid.sheet().rows;
    const auto sound = std::find_if(rows.begin(), rows.end(),
                                    [](const PropertyRow& r) { return r.dialog == DialogKind::SoundFile; });
    ASSERT_NE(sound, rows.end());
    grid.table()->ellipsisPressed(int(sound - rows.begin()));
    settle();
    EXPECT_EQ(caption, "Information");
    EXPECT_EQ(message, "Invalid file type.");
    EXPECT_TRUE(object.AudioData.empty());
    EXPECT_EQ(stack().count(), 0);
}

} // namespace
} // namespace vantora::test
