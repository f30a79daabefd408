// The pick-list cell: an offered value shows as its entry, a value the list does not offer is
// still shown (greyed, and never offered for picking), typed boxes keep typed text, and a box
// too narrow for its text shows the whole of it as a tooltip. Also the grid's rows that need it.

#include "editor/grids/pick_list_box.h"

#include "../document_fixture.h"

#include "editor/grids/property_grid.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QHelpEvent>
#include <QStandardItemModel>
#include <QToolTip>

namespace vantora::test {
namespace {

const QStringList kPicks{QStringLiteral("True"), QStringLiteral("Left"), QStringLiteral("Right")};

bool EntryEnabled(const QComboBox& box, int index) {
    return box.model()->flags(box.model()->index(index, 0)) & Qt::ItemIsEnabled;
}

TEST(PickListBox, OfferedValuesShowAsTheirEntries) {
    PickListBox box(kPicks, false);
    box.showValue(QStringLiteral("Left"));
    EXPECT_EQ(box.currentIndex(), 1);
    EXPECT_EQ(box.count(), 3);
    EXPECT_FALSE(box.showsUnofferedValue());
    box.showValue(QString()); // nothing stored: nothing shown
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(box.currentText(), QString());
}

TEST(PickListBox, AValueNotOfferedIsShownButCannotBePicked) {
    PickListBox box(kPicks, false);
    box.showValue(QStringLiteral("False"));
    EXPECT_EQ(box.currentText(), "False");
    EXPECT_TRUE(box.showsUnofferedValue());
    ASSERT_EQ(box.count(), 4);
    EXPECT_FALSE(EntryEnabled(box, 3));
    EXPECT_TRUE(EntryEnabled(box, 0));
    // Shown again, or replaced by another, it is never listed twice.
    box.showValue(QStringLiteral("17"));
    EXPECT_EQ(box.count(), 4);
    EXPECT_EQ(box.currentText(), "17");
    box.showValue(QStringLiteral("Right"));
    EXPECT_EQ(box.count(), 3);
    EXPECT_EQ(box.currentIndex(), 2);
    EXPECT_FALSE(box.showsUnofferedValue());
    // Names are matched exactly: another case is another value.
    box.showValue(QStringLiteral("left"));
    EXPECT_EQ(box.currentText(), "left");
    EXPECT_TRUE(box.showsUnofferedValue());
}

TEST(PickListBox, ATypedBoxKeepsTypedTextInItsLine) {
    PickListBox box(kPicks, true);
    box.showValue(QStringLiteral("Diagonal"));
    EXPECT_EQ(box.currentText(), "Diagonal");
    EXPECT_EQ(box.count(), 3) << "typed text is not added to the list";
    EXPECT_TRUE(box.showsUnofferedValue());
    box.showValue(QStringLiteral("True"));
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_FALSE(box.showsUnofferedValue());
}

// The tip a tooltip event over the box leaves on the screen. (A tip that is being hidden fades
// out later, so a box that shows none may still find the last one: check what it is.)
QString TipOf(QWidget& box) {
    const QPoint at = box.rect().center();
    QHelpEvent event(QEvent::ToolTip, at, box.mapToGlobal(at));
    QApplication::sendEvent(&box, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

TEST(PickListBox, ANarrowBoxShowsItsWholeTextAsATip) {
    const QString longValue = QStringLiteral("BottomRightCornerOfTheWholeScene");
    PickListBox box(QStringList{longValue, QStringLiteral("Top")}, false);
    box.resize(60, 22);
    box.show();
    box.showValue(longValue);
    EXPECT_EQ(box.hiddenText(), longValue);
    EXPECT_EQ(TipOf(box), longValue);
    box.showValue(QStringLiteral("Top"));
    EXPECT_EQ(box.hiddenText(), QString());
    EXPECT_NE(TipOf(box), QStringLiteral("Top")) << "a text shown whole gets no tip";
    box.resize(box.fontMetrics().horizontalAdvance(longValue) + 80, 22);
    box.showValue(longValue);
    EXPECT_EQ(box.hiddenText(), QString()) << "a wide box shows it whole";
    QToolTip::hideText();
}

class PickRowsInTheGrid : public DocumentFixture {
protected:
    PickListBox* box(TPropertyGrid& grid, const QString& name) {
        const int row = grid.table()->tableRowOf(name);
        return row > 0 ? qobject_cast<PickListBox*>(grid.table()->cellWidget(row, 1)) : nullptr;
    }
};

TEST_F(PickRowsInTheGrid, FitSizeShowsFalseThoughItOnlyOffersTrue) {
    TPropertyGrid grid(document, GridDialogs{});
    TDemoObject& image = place(TObjectKind::Image);
    document.selection().selectOnly(&image);
    QApplication::processEvents();
    PickListBox* fitSize = box(grid, "FitSize");
    ASSERT_NE(fitSize, nullptr);
    EXPECT_EQ(fitSize->currentText(), "False");
    EXPECT_TRUE(fitSize->showsUnofferedValue());
}

// "FitSize" compares the object with its rendered picture, which the grid takes from the
// document's render cache; picking "True" gives the object its picture's size.
TEST_F(PickRowsInTheGrid, FitSizeFollowsTheRenderedPictureAndPickingTrueFitsIt) {
    QImage picture(12, 7, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(picture.save(&buffer, "PNG"));
    TPropertyGrid grid(document, GridDialogs{});
    TDemoObject& image = place(TObjectKind::Image);
    image.Picture = Picture(PictureFormat::Png, std::vector<std::uint8_t>(png.begin(), png.end()));
    image.Width = 40;
    image.Height = 40;
    document.selection().selectOnly(&image);
    QApplication::processEvents();
    ASSERT_NE(box(grid, "FitSize"), nullptr);
    EXPECT_EQ(box(grid, "FitSize")->currentText(), "False");

    PickListBox* fitSize = box(grid, "FitSize");
    fitSize->setCurrentIndex(0);
    emit fitSize->activated(0);
    QApplication::processEvents();
    EXPECT_EQ(image.Width, 12);
    EXPECT_EQ(image.Height, 7);
    ASSERT_NE(box(grid, "FitSize"), nullptr);
    EXPECT_EQ(box(grid, "FitSize")->currentText(), "True");
    EXPECT_FALSE(box(grid, "FitSize")->showsUnofferedValue());

    stack().undo();
    QApplication::processEvents();
    EXPECT_EQ(image.Width, 40);
    EXPECT_EQ(box(grid, "FitSize")->currentText(), "False");
}

TEST_F(PickRowsInTheGrid, AStoredCodeWithoutANameStillShowsAndSurvivesAnEditElsewhere) {
    TPropertyGrid grid(document, GridDialogs{});
    TDemoObject& balloon = place(TObjectKind::Balloon);
    balloon.Option = 99; // an arrow no list names, as a damaged or newer file may hold
    document.selection().selectOnly(&balloon);
    QApplication::processEvents();
    PickListBox* arrow = box(grid, "Arrow");
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->currentText(), "99");
    EXPECT_FALSE(EntryEnabled(*arrow, arrow->count() - 1));
    // Another row's edit refills the grid; the odd value is still what the row shows.
    const int margin = grid.table()->tableRowOf("Margin");
    grid.table()->item(margin, 1)->setText("7");
    QApplication::processEvents();
    EXPECT_EQ(balloon.Margin, 7);
    EXPECT_EQ(balloon.Option, 99);
    ASSERT_NE(box(grid, "Arrow"), nullptr);
    EXPECT_EQ(box(grid, "Arrow")->currentText(), "99");
}

} // namespace
} // namespace vantora::test
