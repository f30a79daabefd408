// The name/value table as it is drawn: the title bar with its shading and no separator under it,
// the row marks, colour swatches, fonts in white on silver, and the separators between cells.
// Each check reads pixels of the painted table.

#include "editor/grids/grid_cell_painter.h"
#include "editor/grids/name_value_table.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace vantora {
namespace {

class PaintedTable : public ::testing::Test {
protected:
    NameValueTable table;

    void paint(const std::vector<GridRow>& rows) {
        table.resize(260, 320);
        table.setRows(rows);
        table.show();
        QApplication::processEvents();
        image = table.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QRect cellRect(int row, int column) const { return table.visualRect(table.model()->index(row, column)); }
    QColor at(int x, int y) const { return image.pixelColor(x, y); }
    QColor base() const { return table.palette().base().color(); }
    // True when some pixel of `area` differs from the cell's fill.
    bool drawnIn(const QRect& area) const {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (at(x, y) != base())
                    return true;
        return false;
    }

    QImage image;
};

GridRow Row(const QString& name, const QString& value = QStringLiteral("1")) {
    GridRow row;
    row.name = name;
    row.value = value;
    row.style = GridEditStyle::ReadOnly; // no cell widget in front of the painting
    return row;
}

TEST_F(PaintedTable, TitleBarIsShadedAndHasNoSeparatorBelow) {
    paint({Row("Name"), Row("Margin")});
    const QRect title = cellRect(0, 1);
    const QColor fill = table.palette().button().color();
    const int x = title.left() + title.width() - 5; // clear of the title text
    EXPECT_EQ(at(x, title.bottom() - 5), fill);
    EXPECT_EQ(at(x, title.bottom() - 4), TitleShade(fill, 10));
    EXPECT_EQ(at(x, title.bottom() - 3), TitleShade(fill, 20));
    EXPECT_EQ(at(x, title.bottom() - 2), TitleShade(fill, 30));
    EXPECT_EQ(at(cellRect(0, 0).left() + 40, title.bottom()), base()) << "the line under the title is hidden";

    const QRect second = cellRect(2, 0);
    const QRgb separator = GridCellPainter::separatorColour(table.palette()).rgb();
    EXPECT_EQ(at(second.left() + 40, second.bottom()).rgb(), separator);
    EXPECT_EQ(at(second.right(), second.top() + 3).rgb(), separator);
    EXPECT_NE(separator, base().rgb());
}

TEST_F(PaintedTable, TitleShadeStopsAtBlack) {
    EXPECT_EQ(TitleShade(QColor(25, 200, 5), 20), QColor(5, 180, 0));
    EXPECT_EQ(TitleShade(QColor(0, 0, 0), 30), QColor(0, 0, 0));
}

TEST_F(PaintedTable, MarkedRowsDrawTheirIconLeftOfTheName) {
    GridRow marked = Row("Left");
    marked.icon = GridRowIcon::Position;
    paint({Row("Name"), marked});
    const QRect plain = cellRect(1, 0);
    const QRect withIcon = cellRect(2, 0);
    const auto iconArea = [](const QRect& cell) {
        return QRect(cell.left(), cell.top() + kIconTop, kGridRowIconSize - 1, std::min(kGridRowIconSize, cell.height() - 2));
    };
    EXPECT_FALSE(drawnIn(iconArea(plain)));
    EXPECT_TRUE(drawnIn(iconArea(withIcon)));
    // Both names start right of the icon's place.
    EXPECT_FALSE(drawnIn(QRect(plain.left(), plain.top() + 1, kNameLeft - 1, plain.height() - 3)));
    EXPECT_TRUE(drawnIn(QRect(plain.left() + kNameLeft, plain.top() + 1, 20, plain.height() - 3)));
}

TEST_F(PaintedTable, EveryIconHasAPicture) {
    for (int i = int(GridRowIcon::Subject); i <= int(GridRowIcon::BlueChannel); ++i) {
        const QImage icon = GridRowIconPixmap(GridRowIcon(i)).toImage();
        ASSERT_EQ(icon.size(), QSize(kGridRowIconSize, kGridRowIconSize)) << i;
        int opaque = 0;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                opaque += qAlpha(icon.pixel(x, y)) > 128;
        EXPECT_GT(opaque, 8) << "icon " << i << " is nearly empty";
    }
    EXPECT_TRUE(GridRowIconPixmap(GridRowIcon::None).isNull());
}

TEST_F(PaintedTable, ColourRowsShowASwatchOfTheColour) {
    GridRow colour = Row("BackColor", "Custom");
    colour.colour = RGB(10, 200, 30);
    paint({colour});
    const QRect r = cellRect(1, 1);
    EXPECT_EQ(at(r.left() + 8, r.center().y()), QColor(10, 200, 30));
    EXPECT_EQ(at(r.left() + 2, r.center().y()), table.palette().text().color()) << "the swatch is outlined";
    EXPECT_EQ(at(r.left() + 1, r.center().y()), base());
}

TEST_F(PaintedTable, WhiteFontsSitOnSilverOthersDoNot) {
    TObjectFont white;
    white.Name = "Liberation Sans";
    white.Color = clWhite;
    TObjectFont black = white;
    black.Color = clBlack;
    GridRow first = Row("Font", "Liberation Sans");
    first.font = white;
    GridRow second = Row("Font", "Liberation Sans");
    second.font = black;
    paint({first, second});
    const QColor silver(0xC0, 0xC0, 0xC0);
    const QRect onSilver = cellRect(1, 1);
    EXPECT_EQ(at(onSilver.right() - 3, onSilver.top() + 2), silver);
    EXPECT_EQ(at(onSilver.right() - 3, onSilver.top() + 1), base()) << "the box is inset by two pixels";
    const QRect plain = cellRect(2, 1);
    EXPECT_EQ(at(plain.right() - 3, plain.top() + 2), base());
    EXPECT_TRUE(NeedsSilverBox(clWhite));
    EXPECT_TRUE(NeedsSilverBox(0xFF000000u | clWhite)) << "only the colour bits count";
    EXPECT_FALSE(NeedsSilverBox(RGB(255, 255, 254)));
}

} // namespace
} // namespace vantora
