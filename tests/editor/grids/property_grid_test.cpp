// The grids driven through their cells: validation on leaving a cell, pick lists, ellipsis
// routes, the drawing data of colour and font rows, and following the selection and undo.

#include "../document_fixture.h"

#include "editor/grids/animation_grid_view.h"
#include "editor/grids/grid_cell_painter.h"
#include "editor/grids/pick_list_box.h"
#include "editor/grids/property_grid.h"

#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <map>
#include <set>

namespace vantora::test {
namespace {

class GridTest : public DocumentFixture {
protected:
    GridDialogs dialogs;
    TColor nextColour = RGB(1, 2, 3);
    int colourCalls = 0;

    void SetUp() override {
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
    // The combo box of a pick-list row.
    QComboBox* pickList(GridPage& grid, const QString& name) {
        const int row = grid.table()->tableRowOf(name);
        EXPECT_GT(row, 0) << name.toStdString();
        return row > 0 ? qobject_cast<QComboBox*>(grid.table()->cellWidget(row, 1)) : nullptr;
    }
    void pressEllipsis(GridPage& grid, const QString& name) {
        const int row = grid.table()->tableRowOf(name);
        ASSERT_GT(row, 0) << name.toStdString();
        emit grid.table()->ellipsisPressed(row - 1);
        settle();
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

// The Text row of a one-line text takes typing in the cell, started from the text itself (the
// cell shows "[Text]"); a text of several lines keeps to the dialog.
TEST_F(GridTest, OneLineTextIsTypedInTheTextRow) {
    TPropertyGrid grid(document, dialogs);
    grid.resize(300, 500);
    grid.show();
    TDemoObject& object = pick(TObjectKind::Text);
    object.Text = "Old";
    grid.refill();
    const int row = grid.table()->tableRowOf("Text");
    ASSERT_GT(row, 0);
    EXPECT_EQ(cell(grid, "Text"), "[Text]");
    // A double click on the cell left of the "..." button, where its holder widget lies.
    const QRect area = grid.table()->visualRect(grid.table()->model()->index(row, 1));
    const QPoint at = area.topLeft() + QPoint(10, area.height() / 2);
    QWidget* target = grid.table()->viewport()->childAt(at);
    QTest::mouseDClick(target ? target : grid.table()->viewport(), Qt::LeftButton, Qt::NoModifier,
                       target ? target->mapFrom(grid.table()->viewport(), at) : at);
    settle();
    auto* editor = grid.table()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("Old"));
    EXPECT_LE(editor->geometry().right(), area.right() - area.height() + 1); // the button stays free
    editor->setText(QStringLiteral("Typed here"));
    QTest::keyClick(editor, Qt::Key_Return);
    settle();
    EXPECT_EQ(object.Text, "Typed here");
    EXPECT_EQ(cell(grid, "Text"), "[Text]");
    EXPECT_EQ(stack().count(), 1);
    settle(); // the refill and the button's return wait for the editor to be gone
    EXPECT_NE(grid.table()->cellWidget(grid.table()->tableRowOf("Text"), 1), nullptr); // "..." is back

    object.Text = "Two\r\nlines";
    grid.refill();
    const QTableWidgetItem* value = grid.table()->item(grid.table()->tableRowOf("Text"), 1);
    EXPECT_FALSE(value->flags().testFlag(Qt::ItemIsEditable));
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

TEST_F(GridTest, RowsWhoseRangeFollowsFromTheirUseAreClampedToIt) {
    TPropertyGrid grid(document, dialogs);
    struct Case {
        TObjectKind kind;
        const char* row;
        const char* typed;
        std::int32_t TDemoObject::*field;
        std::int32_t stored;
    };
    const Case cases[] = {
        {TObjectKind::Note, "TextShadowXOff", "99", &TDemoObject::TextShadowXOff, 20},
        {TObjectKind::Note, "TextShadowYOff", "-21", &TDemoObject::TextShadowYOff, -20},
        {TObjectKind::Note, "RowPitch", "-500", &TDemoObject::Spacing, -100},
        {TObjectKind::Note, "RowPitch", "40000", &TDemoObject::Spacing, 32767},
        {TObjectKind::Note, "TextAngle", "400", &TDemoObject::TextAngle, 360},
        {TObjectKind::Shape, "BorderWidth", "2000000000", &TDemoObject::BorderWidth, 16384},
        {TObjectKind::Shape, "RoundForRect", "-3", &TDemoObject::Spacing, 0},
        {TObjectKind::Button, "BorderWidth", "7", &TDemoObject::BorderWidth, 7},
        {TObjectKind::Button, "MouseOverRedOff (%)", "-101", &TDemoObject::TextAngle, -100},
        {TObjectKind::InputText, "InputFrom", "0", &TDemoObject::Angle, 1},
    };
    for (const Case& c : cases) {
        TDemoObject& object = pick(c.kind);
        type(grid, c.row, c.typed);
        EXPECT_EQ(object.*c.field, c.stored) << c.row << " <- " << c.typed;
        EXPECT_EQ(cell(grid, c.row), QString::number(c.stored)) << c.row;
    }
}

TEST_F(GridTest, PickOrTypedRowTakesTypedNamesWhenTheCellIsLeft) {
    TPropertyGrid grid(document, dialogs);
    TDemoObject& note = pick(TObjectKind::Note);
    QComboBox* box = pickList(grid, "TextGradientStyle");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(box->isEditable()) << "the gradient style takes typed text";
    EXPECT_FALSE(pickList(grid, "Alignment")->isEditable()) << "other pick lists take only their names";

    const auto typeInto = [&](const QString& text) {
        QComboBox* current = pickList(grid, "TextGradientStyle");
        ASSERT_NE(current, nullptr);
        current->lineEdit()->setText(text);
        emit current->lineEdit()->editingFinished();
        settle();
    };
    typeInto("TopToBottom");
    EXPECT_EQ(note.TextGradientStyle, 3);
    EXPECT_EQ(pickList(grid, "TextGradientStyle")->currentText(), "TopToBottom");
    EXPECT_EQ(stack().count(), 1);

    // Leaving the cell again with the same text is no new step.
    typeInto("TopToBottom");
    EXPECT_EQ(stack().count(), 1);

    // A text that is none of the names means no gradient, and the cell shows so.
    typeInto("Sideways");
    EXPECT_EQ(note.TextGradientStyle, 0);
    EXPECT_EQ(pickList(grid, "TextGradientStyle")->currentText(), "None");
    EXPECT_EQ(stack().count(), 2);

    stack().undo();
    settle();
    EXPECT_EQ(note.TextGradientStyle, 3);
    EXPECT_EQ(pickList(grid, "TextGradientStyle")->currentText(), "TopToBottom");
}

// Which dialog each ellipsis row opens, by what is picked.
enum class Route { Text, Font, Colour, Picture, Sound };

TEST_F(GridTest, EveryEllipsisRowOpensItsOwnDialog) {
    std::vector<Route> opened;
    dialogs.editText = [&](std::string& text, QWidget*) {
        opened.push_back(Route::Text);
        text += "x";
        return true;
    };
    dialogs.chooseFont = [&](TObjectFont& font, QWidget*) {
        opened.push_back(Route::Font);
        font.Bold = !font.Bold;
        return true;
    };
    dialogs.chooseColour = [&](TColor& colour, QWidget*) {
        opened.push_back(Route::Colour);
        colour = colour == RGB(9, 9, 9) ? RGB(8, 8, 8) : RGB(9, 9, 9);
        return true;
    };
    dialogs.editPicture = [&](Picture&, QSize, QWidget*) {
        opened.push_back(Route::Picture);
        return false;
    };
    dialogs.chooseSoundFile = [&](QWidget*) {
        opened.push_back(Route::Sound);
        return QString();
    };
    using R = Route;
    const std::map<TObjectKind, std::map<QString, Route>> expected{
        {TObjectKind::Balloon,
         {{"Text", R::Text}, {"Font", R::Font}, {"FontColor", R::Colour}, {"BorderColor", R::Colour},
          {"BackColor", R::Colour}}},
        {TObjectKind::RoundBalloon, {{"Text", R::Text}, {"Font", R::Font}, {"FontColor", R::Colour}, {"BackColor", R::Colour}}},
        {TObjectKind::Note,
         {{"Text", R::Text}, {"Font", R::Font}, {"FontColor", R::Colour}, {"BackColor", R::Colour},
          {"TextGradientColor", R::Colour}, {"TextShadowColor", R::Colour}}},
        {TObjectKind::Text, {{"Text", R::Text}, {"Font", R::Font}, {"FontColor", R::Colour}}},
        {TObjectKind::Label, {{"Font", R::Font}, {"FontColor", R::Colour}}},
        {TObjectKind::InputText, {{"Font", R::Font}, {"FontColor", R::Colour}}},
        {TObjectKind::Shape, {{"BorderColor", R::Colour}, {"FillColor", R::Colour}}},
        {TObjectKind::Image, {{"BitmapTransparentColor", R::Colour}, {"Image", R::Picture}}},
        {TObjectKind::Button,
         {{"Font", R::Font}, {"FontColor", R::Colour}, {"BorderColor", R::Colour}, {"FillColor", R::Colour},
          {"ButtonImage", R::Picture}}},
        {TObjectKind::Cursor, {{"BitmapTransparentColor", R::Colour}, {"CustomCursor", R::Picture}}},
        {TObjectKind::Audio, {{"Audio", R::Sound}}},
    };
    TPropertyGrid grid(document, dialogs);
    for (const auto& [kind, routes] : expected) {
        pick(kind);
        std::map<QString, Route> found;
        for (const GridRow& row : grid.table()->rows()) {
            if (row.style != GridEditStyle::Ellipsis)
                continue;
            opened.clear();
            const int before = stack().count();
            pressEllipsis(grid, row.name);
            ASSERT_EQ(opened.size(), 1u) << row.name.toStdString();
            found[row.name] = opened.front();
            const bool changes = opened.front() != R::Picture && opened.front() != R::Sound;
            EXPECT_EQ(stack().count(), before + (changes ? 1 : 0)) << row.name.toStdString();
        }
        EXPECT_EQ(found, routes) << "kind " << int(kind);
    }
}

TEST_F(GridTest, PictureRowTakesTheEditorsPictureAsOneStep) {
    QImage image(12, 7, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(image.save(&buffer, "PNG"));
    }
    QSize askedSize;
    dialogs.editPicture = [&](Picture& picture, QSize shotSize, QWidget*) {
        askedSize = shotSize;
        picture = Picture(PictureFormat::Png, std::vector<std::uint8_t>(png.begin(), png.end()));
        return true;
    };
    document.demo().Width = 800;
    document.demo().Height = 600;
    TPropertyGrid grid(document, dialogs);
    TDemoObject& object = pick(TObjectKind::Image);
    const std::int32_t width = object.Width, height = object.Height;
    EXPECT_EQ(cell(grid, "Image"), "[None]");
    pressEllipsis(grid, "Image");
    EXPECT_EQ(askedSize, QSize(800, 600)) << "screen shots are taken at the demo's size";
    EXPECT_EQ(object.Picture.format(), PictureFormat::Png);
    EXPECT_EQ(cell(grid, "Image"), "[PNGImage]");
    EXPECT_EQ(object.Width, 12);
    EXPECT_EQ(object.Height, 7);
    EXPECT_EQ(cell(grid, "Width"), "12");
    EXPECT_EQ(stack().count(), 1);

    stack().undo();
    settle();
    EXPECT_TRUE(object.Picture.empty());
    EXPECT_EQ(object.Width, width);
    EXPECT_EQ(object.Height, height);
    EXPECT_EQ(cell(grid, "Image"), "[None]");

    // The scene's background picture goes the same way and keeps the scene's size.
    document.selection().clear();
    settle();
    pressEllipsis(grid, "BackImage");
    EXPECT_EQ(scene->BackImage.format(), PictureFormat::Png);
    EXPECT_EQ(cell(grid, "BackImage"), "[PNGImage]");
    stack().undo();
    settle();
    EXPECT_TRUE(scene->BackImage.empty());
}

TEST_F(GridTest, MultiSelectedHidesBothGridsBehindTheCaption) {
    TPropertyGrid grid(document, dialogs);
    TAnimationGrid animation(document);
    TDemoObject& a = place(TObjectKind::Note);
    TDemoObject& b = place(TObjectKind::Label);
    TDemoObject& c = place(TObjectKind::Cursor);
    document.selection().setSelected({&a, &b, &c});
    settle();
    for (GridPage* page : {static_cast<GridPage*>(&grid), static_cast<GridPage*>(&animation)}) {
        EXPECT_TRUE(page->showsMultiSelected());
        auto* caption = qobject_cast<QLabel*>(page->currentWidget());
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->text(), "Multi - Selected");
        EXPECT_EQ(page->subject().object, nullptr);
        EXPECT_EQ(page->table()->rowCount(), 1) << "only the title row is left";
    }
    // A typed value cannot reach any of them.
    const std::int32_t alpha = a.Alpha;
    emit grid.table()->typed(0, QStringLiteral("5"));
    settle();
    EXPECT_EQ(a.Alpha, alpha);
    EXPECT_EQ(stack().count(), 0);
}

TEST_F(GridTest, GroupsBeginWithTheirMark) {
    TPropertyGrid grid(document, dialogs);
    TAnimationGrid animation(document);
    const auto marked = [](GridPage& page) {
        std::map<QString, GridRowIcon> icons;
        for (const GridRow& row : page.table()->rows())
            if (row.icon != GridRowIcon::None)
                icons[row.name] = row.icon;
        return icons;
    };
    pick(TObjectKind::Note);
    EXPECT_EQ(marked(grid), (std::map<QString, GridRowIcon>{{"Name", GridRowIcon::Subject},
                                                            {"Left", GridRowIcon::Position},
                                                            {"TextAngle", GridRowIcon::TextAngle},
                                                            {"TextShadow", GridRowIcon::TextShadow}}));
    const int nameRow = grid.table()->tableRowOf("Left");
    EXPECT_EQ(grid.table()->item(nameRow, 0)->data(kIconRole).toInt(), int(GridRowIcon::Position));

    pick(TObjectKind::Button);
    EXPECT_EQ(marked(grid), (std::map<QString, GridRowIcon>{{"Name", GridRowIcon::Subject},
                                                            {"Left", GridRowIcon::Position},
                                                            {"ClickAction", GridRowIcon::ClickAction}}));

    pick(TObjectKind::Text);
    EXPECT_EQ(marked(animation), (std::map<QString, GridRowIcon>{{"StopWithScene", GridRowIcon::Subject},
                                                                 {"LocationXAnimationType", GridRowIcon::LocationXChannel},
                                                                 {"LocationYAnimationType", GridRowIcon::LocationYChannel}}));
    pick(TObjectKind::Shape);
    const auto shape = marked(animation);
    EXPECT_EQ(shape.size(), 7u) << "the head and six channels";
    EXPECT_EQ(shape.at("FadeAnimationType"), GridRowIcon::FadeChannel);
    EXPECT_EQ(shape.at("HeightAnimationType"), GridRowIcon::HeightChannel);
}

// At the narrowest the pane may be, every kind's longest name and its value show whole, with
// room left for the vertical scroll bar, in both grids.
TEST_F(GridTest, AtItsNarrowestTheGridShowsEveryKindsNamesAndValuesWhole) {
    TPropertyGrid grid(document, dialogs);
    TAnimationGrid animation(document);
    for (GridPage* page : {static_cast<GridPage*>(&grid), static_cast<GridPage*>(&animation)}) {
        page->resize(page->minimumSizeHint().width(), 300);
        page->show();
        for (int k = -1; k < kObjectKindCount; ++k) {
            if (k >= 0)
                pick(static_cast<TObjectKind>(k));
            else
                settle(); // the scene itself
            NameValueTable& table = *page->table();
            const int scrollBar = table.verticalScrollBar()->sizeHint().width();
            const int room = table.width() - 2 * table.frameWidth() - scrollBar;
            EXPECT_EQ(table.columnWidth(0), std::max(NameValueTable::kNameWidth, table.nameWidthNeeded()));
            EXPECT_GE(table.columnWidth(1), NameValueTable::kValueWidth) << page->objectName().toStdString() << k;
            EXPECT_LE(table.columnWidth(0) + NameValueTable::kValueWidth, room)
                << page->objectName().toStdString() << " kind " << k;
        }
    }
    // The longest names are longer than the designed column, so the pane is wider than designed.
    EXPECT_GT(grid.minimumSizeHint().width(), NameValueTable::kNameWidth + NameValueTable::kValueWidth);
}

// The width the grid asks for lets the longest value of any pick list show whole in its box.
TEST_F(GridTest, AtItsPreferredWidthEveryPickValueShowsWhole) {
    TAnimationGrid animation(document);
    TPropertyGrid grid(document, dialogs);
    for (GridPage* page : {static_cast<GridPage*>(&animation), static_cast<GridPage*>(&grid)}) {
        EXPECT_GE(page->sizeHint().width(), page->minimumSizeHint().width());
        page->resize(page->sizeHint().width(), 400);
        page->show();
        for (const TObjectKind kind : {TObjectKind::Note, TObjectKind::RoundBalloon, TObjectKind::Cursor}) {
            pick(kind);
            NameValueTable& table = *page->table();
            for (int r = 1; r < table.rowCount(); ++r) {
                auto* box = qobject_cast<PickListBox*>(table.cellWidget(r, 1));
                if (!box)
                    continue;
                for (int i = 0; i < box->count(); ++i) {
                    box->setCurrentIndex(i);
                    EXPECT_EQ(box->hiddenText(), QString()) << page->objectName().toStdString() << " "
                                                            << table.item(r, 0)->text().toStdString() << " "
                                                            << box->itemText(i).toStdString();
                }
            }
        }
    }
}

} // namespace
} // namespace vantora::test
