// The name/value table's layout and tooltips: the name column widens to its longest name but
// never below its designed width while the value column keeps at least its own, and a value
// cell whose text is cut (by its width, its swatch or its button) shows the whole text as a tip.

#include "editor/grids/grid_cell_painter.h"
#include "editor/grids/name_value_table.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QStandardItemModel>
#include <QToolTip>

#include <gtest/gtest.h>

namespace vantora {
namespace {

GridRow Row(const QString& name, const QString& value, GridEditStyle style = GridEditStyle::ReadOnly) {
    GridRow row;
    row.name = name;
    row.value = value;
    row.style = style;
    return row;
}

TEST(ColumnWidthsFor, TheNameColumnWidensTheValueColumnKeepsItsOwn) {
    struct Case {
        int nameNeeded, viewport;
        GridColumnWidths expected;
    };
    const Case cases[] = {
        {40, 300, {82, 218}},  // short names: designed width, values fill the rest
        {82, 173, {82, 91}},   // both exactly as designed
        {83, 300, {83, 217}},  // one pixel more than designed
        {150, 200, {150, 91}}, // too narrow a view: values keep theirs, the table scrolls
        {40, 0, {82, 91}},     // not laid out yet
    };
    for (const Case& c : cases) {
        const GridColumnWidths widths = ColumnWidthsFor(c.nameNeeded, c.viewport);
        EXPECT_EQ(widths.name, c.expected.name) << c.nameNeeded << " in " << c.viewport;
        EXPECT_EQ(widths.value, c.expected.value) << c.nameNeeded << " in " << c.viewport;
    }
}

class TableLayout : public ::testing::Test {
protected:
    NameValueTable table;

    void show(const std::vector<GridRow>& rows, int width = 260) {
        table.resize(width, 300);
        table.setRows(rows);
        table.show();
        QApplication::processEvents();
    }
    int advance(const QString& text) const { return table.fontMetrics().horizontalAdvance(text); }
};

TEST_F(TableLayout, ShortNamesKeepTheDesignedWidths) {
    show({Row("Name", "x"), Row("Top", "1")});
    EXPECT_EQ(table.columnWidth(0), NameValueTable::kNameWidth);
    EXPECT_EQ(table.columnWidth(0) + table.columnWidth(1), table.viewport()->width()) << "values fill the rest";
}

TEST_F(TableLayout, TheLongestNameFitsAfterItsMarkAndValuesKeepTheirWidth) {
    const QString longest = QStringLiteral("MouseOverGreenOff (%)");
    show({Row("Name", "x"), Row(longest, "0"), Row("Alpha (%)", "100")}, 200);
    const int needed = kNameLeft + advance(longest) + NameValueTable::kNameRightPad;
    ASSERT_GT(needed, NameValueTable::kNameWidth) << "the case needs a name longer than the column";
    EXPECT_EQ(table.columnWidth(0), needed);
    EXPECT_GE(table.columnWidth(1), NameValueTable::kValueWidth);

    // Refilled with short names the column narrows again; a wider table gives values the room.
    show({Row("Name", "x")}, 400);
    EXPECT_EQ(table.columnWidth(0), NameValueTable::kNameWidth);
    EXPECT_EQ(table.columnWidth(1), table.viewport()->width() - NameValueTable::kNameWidth);
}

TEST_F(TableLayout, ResizingTheTableLetsTheValueColumnFollow) {
    show({Row("Name", "x")}, 300);
    const int wide = table.columnWidth(1);
    table.resize(200, 300);
    QApplication::processEvents();
    EXPECT_EQ(table.columnWidth(1), wide - 100);
    table.resize(120, 300);
    QApplication::processEvents();
    EXPECT_EQ(table.columnWidth(1), NameValueTable::kValueWidth);
}

// What the painter decides for one cell, at a given cell width.
class HiddenText : public ::testing::Test {
protected:
    QStandardItemModel model{2, 2};
    QFont font;

    QString hidden(const QString& text, int width, bool colour = false, int button = 0) {
        QStandardItem* item = new QStandardItem(text);
        if (colour)
            item->setData(0u, kColourRole);
        if (button)
            item->setData(button, kReservedRightRole);
        model.setItem(1, 1, item);
        QStyleOptionViewItem option;
        option.font = font;
        option.fontMetrics = QFontMetrics(font);
        option.rect = QRect(0, 0, width, 20);
        return GridCellPainter::hiddenValueText(option, model.index(1, 1));
    }
    int advance(const QString& text) const { return QFontMetrics(font).horizontalAdvance(text); }
};

TEST_F(HiddenText, TextIsHiddenExactlyWhenItOutgrowsItsBox) {
    const QString text = QStringLiteral("A name of some length");
    // The plain text box starts 2 pixels in and ends 1 pixel before the cell's edge.
    const int fits = kValueTextLeft + advance(text) + 1;
    EXPECT_EQ(hidden(text, fits), QString());
    EXPECT_EQ(hidden(text, fits - 1), text);
    // A swatch takes the left, a button the right.
    EXPECT_EQ(hidden(text, fits, true), text);
    EXPECT_EQ(hidden(text, fits + kSwatchTextLeft - kValueTextLeft, true), QString());
    EXPECT_EQ(hidden(text, fits, false, 18), text);
    EXPECT_EQ(hidden(text, fits + 18, false, 18), QString());
}

TEST_F(HiddenText, OnlyValueCellsBelowTheTitleHaveTips) {
    const QString text = QStringLiteral("Something far too long for a narrow cell");
    model.setItem(1, 0, new QStandardItem(text));
    model.setItem(0, 1, new QStandardItem(text));
    model.setItem(1, 1, new QStandardItem(text));
    QStyleOptionViewItem option;
    option.fontMetrics = QFontMetrics(font);
    option.rect = QRect(0, 0, 20, 20);
    EXPECT_EQ(GridCellPainter::hiddenValueText(option, model.index(1, 0)), QString());
    EXPECT_EQ(GridCellPainter::hiddenValueText(option, model.index(0, 1)), QString());
    EXPECT_EQ(GridCellPainter::hiddenValueText(option, model.index(1, 1)), text);
}

// The tip as a user gets it: a tooltip event over the cell, through the table's viewport. (A
// tip being hidden fades out later, so a cell that shows none may still find the last one.)
class TableToolTip : public TableLayout {
protected:
    QString tipOver(int tableRow) {
        const QRect cell = table.visualRect(table.model()->index(tableRow, 1));
        const QPoint at = cell.center();
        QHelpEvent event(QEvent::ToolTip, at, table.viewport()->mapToGlobal(at));
        QApplication::sendEvent(table.viewport(), &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
};

TEST_F(TableToolTip, ACutValueShowsItsWholeTextAndAWholeOneNone) {
    const QString longName = QStringLiteral("Balloon with a name much longer than its cell");
    show({Row("Name", longName, GridEditStyle::TypedAtOnce), Row("Margin", "5", GridEditStyle::Typed)});
    EXPECT_EQ(tipOver(1), longName);
    EXPECT_NE(tipOver(2), QStringLiteral("5")) << "a value shown whole gets no tip";
    QToolTip::hideText();
}

TEST_F(TableToolTip, TextUnderAnEllipsisButtonCountsAsCut) {
    const QString text = QStringLiteral("[PNGImage] taken from the screen");
    const int button = table.verticalHeader()->defaultSectionSize();
    const int whole = kValueTextLeft + advance(text) + 1; // the cell width the text needs alone
    ASSERT_GT(whole, NameValueTable::kValueWidth);
    // The value column gets `valueWidth`: the table is the name column, that and its frame.
    const auto showWithValueWidth = [&](int valueWidth) {
        show({Row("Image", text, GridEditStyle::Ellipsis)}, NameValueTable::kNameWidth + valueWidth + 2 * table.frameWidth());
        ASSERT_EQ(table.columnWidth(1), valueWidth);
    };
    showWithValueWidth(whole + button / 2); // the text fits the cell, but its end is under the button
    EXPECT_EQ(table.item(1, 1)->data(kReservedRightRole).toInt(), button);
    EXPECT_EQ(tipOver(1), text);
    QToolTip::hideText();
}

} // namespace
} // namespace vantora
