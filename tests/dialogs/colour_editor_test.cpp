// The colour editor: the palette picture's geometry, the click rule, the markers and what the dialog
// returns.

#include "dialogs/colour_conversion.h"
#include "dialogs/select_color_form.h"
#include "fake_prompts.h"
#include "model/colour_names.h"

#include <QComboBox>
#include <QLabel>

#include <gtest/gtest.h>

namespace vantora {
namespace {

using test::Child;
using test::ClickButton;
using test::FakePrompts;

TColor PaletteAt(int x, int y) { return FromQColor(QColor(PalettePicture().pixel(x, y))); }

TEST(ColourPalette, HasTheDesignedSizeAndAUniformBackground) {
    const QImage& palette = PalettePicture();
    ASSERT_EQ(palette.size(), QSize(kPaletteWidth, kPaletteHeight));
    EXPECT_EQ(PaletteAt(0, 0), kPaletteBackground);
    EXPECT_EQ(PaletteAt(kPaletteWidth - 1, kPaletteHeight - 1), kPaletteBackground);
    EXPECT_EQ(PaletteAt(kPaletteWidth - 1, 0), kPaletteBackground);
}

TEST(ColourPalette, EveryCellRowHoldsCellsAndTheGapsAreBackground) {
    for (int row = 0; row < kPaletteSmallRows; ++row) {
        const int y = PaletteSmallRowY(row);
        int cells = 0;
        for (int x = 0; x < kPaletteWidth; ++x)
            cells += PaletteAt(x, y) != kPaletteBackground;
        EXPECT_GT(cells, 150) << "row " << row;
        // Between two small rows lies a line of background.
        if (row + 1 < kPaletteSmallRows) {
            EXPECT_EQ(PaletteAt(50, y + 5), kPaletteBackground) << "row " << row;
        }
    }
    for (const TColor named : {RGB(0, 0, 128), RGB(192, 220, 192), RGB(166, 202, 240)}) {
        const auto marker = FindPaletteMarker(PalettePicture(), named);
        ASSERT_TRUE(marker.has_value());
        EXPECT_EQ(marker->kind, PaletteMarkerKind::LargeCell);
    }
}

TEST(ColourPalette, AClickOnTheBackgroundTriesBelowThenAbove) {
    const QImage& palette = PalettePicture();
    EXPECT_FALSE(PickPaletteColour(palette, {0, 0}).has_value());
    EXPECT_FALSE(PickPaletteColour(palette, {-1, 10}).has_value());
    EXPECT_FALSE(PickPaletteColour(palette, {kPaletteWidth, 10}).has_value());
    // Row 0 covers y 2..10 and row 1 y 13..21: y 11 is a gap whose upper neighbour is a cell.
    const int x = 20;
    ASSERT_EQ(PaletteAt(x, 11), kPaletteBackground);
    EXPECT_EQ(PickPaletteColour(palette, {x, 11}), PaletteAt(x, 10));
    ASSERT_EQ(PaletteAt(x, 12), kPaletteBackground);
    EXPECT_EQ(PickPaletteColour(palette, {x, 12}), PaletteAt(x, 13));
    EXPECT_EQ(PickPaletteColour(palette, {x, 6}), PaletteAt(x, 6));
    // Every pick anywhere is a cell colour, never the background.
    for (int y = 0; y < kPaletteHeight; y += 3)
        for (int px = 0; px < kPaletteWidth; px += 3)
            EXPECT_NE(PickPaletteColour(palette, {px, y}), std::optional<TColor>(kPaletteBackground));
}

TEST(ColourPalette, MarkersForWhiteBlackCellsAndAbsentColours) {
    const QImage& palette = PalettePicture();
    EXPECT_EQ(FindPaletteMarker(palette, clWhite)->kind, PaletteMarkerKind::WhiteCell);
    EXPECT_EQ(FindPaletteMarker(palette, clBlack)->kind, PaletteMarkerKind::BlackCell);
    EXPECT_FALSE(FindPaletteMarker(palette, RGB(1, 2, 3)).has_value());
    EXPECT_FALSE(FindPaletteMarker(palette, kPaletteBackground).has_value());

    const TColor cell = PaletteAt(6 + 11 * 3 + 4, PaletteSmallRowY(2));
    const auto marker = FindPaletteMarker(palette, cell);
    ASSERT_TRUE(marker.has_value());
    EXPECT_EQ(marker->kind, PaletteMarkerKind::SmallCell);
    // Centred on the middle of the cell's run on its row.
    EXPECT_EQ(marker->frame.center().y(), PaletteSmallRowY(2));
    EXPECT_NEAR(marker->frame.center().x(), 6 + 11 * 3 + 4, 1);
    EXPECT_EQ(PaletteAt(marker->frame.center().x(), marker->frame.center().y()), cell);
}

DialogDriver ClickPaletteThenOk(QPoint point) {
    return [point](QDialog& dialog) {
        dialog.show();
        QTest::mouseClick(Child<QWidget>(dialog, "PaletteImage"), Qt::LeftButton, {}, point);
        ClickButton(dialog, "&OK");
        return dialog.result();
    };
}

TEST(SelectColorForm, ShowsTheColourEverywhere) {
    FakePrompts prompts;
    TSelectColorForm form(RGB(0, 0, 255), prompts);
    EXPECT_EQ(form.windowTitle(), "Color Editor");
    EXPECT_EQ(Child<QLabel>(form, "ColorLabel")->text(), "Color: Blue");
    EXPECT_EQ(Child<QComboBox>(form, "ColorBox")->currentText(), "Blue");
    EXPECT_EQ(Child<QLabel>(form, "NewPanel")->palette().color(QPalette::Window), QColor(0, 0, 255));
    form.showColour(RGB(1, 2, 3));
    EXPECT_EQ(Child<QComboBox>(form, "ColorBox")->currentIndex(), -1);
    EXPECT_EQ(Child<QLabel>(form, "CurrentPanel")->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(Child<QLabel>(form, "ColorLabel")->text(), "Color: #010203");
    form.showColour(0x0002C5FDu);
    EXPECT_EQ(Child<QLabel>(form, "ColorLabel")->text(), "Color: #FDC502");
}

TEST(SelectColorForm, PaletteClickIsReturned) {
    FakePrompts prompts;
    TColor colour = clWhite;
    const QPoint point(20, PaletteSmallRowY(5));
    EXPECT_TRUE(RunSelectColorForm(colour, nullptr, prompts, ClickPaletteThenOk(point)));
    EXPECT_EQ(colour, PaletteAt(point.x(), point.y()));
}

TEST(SelectColorForm, BackgroundClickChangesNothing) {
    FakePrompts prompts;
    TColor colour = RGB(128, 0, 0);
    EXPECT_FALSE(RunSelectColorForm(colour, nullptr, prompts, ClickPaletteThenOk({1, 1})));
    EXPECT_EQ(colour, RGB(128, 0, 0));
}

TEST(SelectColorForm, ChoosingTheInitialColourAgainReturnsFalse) {
    FakePrompts prompts;
    prompts.colours = {RGB(10, 20, 30), RGB(128, 0, 0)};
    TColor colour = RGB(128, 0, 0);
    const auto roundTrip = [](QDialog& dialog) {
        dialog.show();
        ClickButton(dialog, "&Custom...");
        ClickButton(dialog, "&Custom...");
        ClickButton(dialog, "&OK");
        return dialog.result();
    };
    EXPECT_FALSE(RunSelectColorForm(colour, nullptr, prompts, roundTrip));
    EXPECT_EQ(colour, RGB(128, 0, 0));
}

TEST(SelectColorForm, NamedColourAndCancel) {
    FakePrompts prompts;
    TColor colour = clWhite;
    const auto pick = [](const QString& button) {
        return [button](QDialog& dialog) {
            dialog.show();
            auto* box = Child<QComboBox>(dialog, "ColorBox");
            const int index = box->findText("Teal");
            box->setCurrentIndex(index);
            emit box->activated(index);
            ClickButton(dialog, button);
            return dialog.result();
        };
    };
    EXPECT_FALSE(RunSelectColorForm(colour, nullptr, prompts, pick("Cancel")));
    EXPECT_EQ(colour, clWhite);
    EXPECT_TRUE(RunSelectColorForm(colour, nullptr, prompts, pick("&OK")));
    EXPECT_EQ(colour, RGB(0, 128, 128));
}

} // namespace
} // namespace vantora
