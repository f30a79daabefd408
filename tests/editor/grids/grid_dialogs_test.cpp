// The grids with the program's own dialogs, each driven through the dialog seam as a user would:
// the image editor in picture mode (load, Convert to Jpeg, cancel, screen shot size), the text
// editor, the colour editor, the font dialog, and the sound file's refusal of other types.

#include "../document_fixture.h"

#include "dialogs/image_editor/image_editor_form.h"
#include "editor/grids/property_grid.h"
#include "fake_prompts.h"
#include "test_support.h"

#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDialog>
#include <QImage>
#include <QPlainTextEdit>

namespace vantora::test {
namespace {

constexpr const char* kIconOnlyFilter = "Icons (*.ico)|*.ico";

struct RecordingCapture final : ScreenShotSource {
    QSize askedSize;
    std::optional<Picture> takeScreenShot(int width, int height, QString& error) override {
        askedSize = QSize(width, height);
        error.clear(); // a plain cancel
        return std::nullopt;
    }
};

class GridDialogsTest : public DocumentFixture {
protected:
    std::shared_ptr<FakePrompts> prompts = std::make_shared<FakePrompts>();
    RecordingCapture capture;
    // What each opening of a dialog does; the dialog's result is returned.
    std::vector<std::function<int(QDialog&)>> openings;
    QStringList titles;
    TempDir dir;

    DialogDriver driver() {
        return [this](QDialog& dialog) {
            titles << dialog.windowTitle();
            dialog.show();
            if (openings.empty()) {
                ADD_FAILURE() << "unexpected dialog " << dialog.windowTitle().toStdString();
                return int(QDialog::Rejected);
            }
            auto step = openings.front();
            openings.erase(openings.begin());
            return step(dialog);
        };
    }
    std::unique_ptr<TPropertyGrid> makeGrid() {
        return std::make_unique<TPropertyGrid>(document, StandardGridDialogs(prompts, driver(), capture));
    }
    void settle() { QCoreApplication::processEvents(); }
    TDemoObject& pick(TObjectKind kind) {
        TDemoObject& object = place(kind);
        document.selection().selectOnly(&object);
        settle();
        return object;
    }
    void press(TPropertyGrid& grid, const QString& name) {
        const int row = grid.table()->tableRowOf(name);
        ASSERT_GT(row, 0) << name.toStdString();
        emit grid.table()->ellipsisPressed(row - 1);
        settle();
    }
    // A Label with `font`, picked, its Font row's "..." pressed.
    TDemoObject& pressFontOfLabel(TPropertyGrid& grid, const TObjectFont& font) {
        TDemoObject& label = place(TObjectKind::Label);
        label.Font = font;
        document.selection().selectOnly(&label);
        settle();
        press(grid, "Font");
        return label;
    }
    QString cell(TPropertyGrid& grid, const QString& name) {
        const int row = grid.table()->tableRowOf(name);
        return row > 0 ? grid.table()->item(row, 1)->text() : QStringLiteral("<absent>");
    }
    // A picture file of `format` ("PNG", "BMP") with the given size.
    QString pictureFile(const char* format, int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(QColor(200, 40, 90));
        const QString name = QString::fromStdString((dir / (std::string("picture.") + format)).string());
        EXPECT_TRUE(image.save(name, format));
        return name;
    }
    static int Press(QDialog& dialog, const QString& caption) {
        ClickButton(dialog, caption);
        return dialog.result();
    }
};

TEST_F(GridDialogsTest, ImageEditorLoadsInPictureModeAndTheStepUndoes) {
    document.demo().Width = 320;
    document.demo().Height = 240;
    prompts->openNames = {pictureFile("PNG", 30, 20)};
    openings = {[](QDialog& dialog) {
        EXPECT_NE(qobject_cast<TImageEditorForm*>(&dialog), nullptr);
        ClickButton(dialog, "&Load From File...");
        return Press(dialog, "&OK");
    }};
    auto grid = makeGrid();
    TDemoObject& image = pick(TObjectKind::Image);
    const std::int32_t width = image.Width;
    press(*grid, "Image");
    EXPECT_EQ(titles, QStringList{"Image Editor"});
    ASSERT_EQ(prompts->openFilters.size(), 1);
    EXPECT_NE(prompts->openFilters.front(), kIconOnlyFilter) << "the grid opens the editor in picture mode";
    EXPECT_EQ(image.Picture.format(), PictureFormat::Png);
    EXPECT_EQ(cell(*grid, "Image"), "[PNGImage]");
    EXPECT_EQ(image.Width, 30);
    EXPECT_EQ(image.Height, 20);
    EXPECT_TRUE(prompts->questions.empty()) << "only bitmaps are offered the JPEG conversion";
    EXPECT_EQ(stack().count(), 1);

    stack().undo();
    settle();
    EXPECT_TRUE(image.Picture.empty());
    EXPECT_EQ(image.Width, width);
    EXPECT_EQ(cell(*grid, "Image"), "[None]");
}

TEST_F(GridDialogsTest, BitmapsBecomeJpegsWhenTheUserAgrees) {
    prompts->openNames = {pictureFile("BMP", 8, 6)};
    prompts->yesNoAnswers = {true};
    openings = {[](QDialog& dialog) {
        ClickButton(dialog, "&Load From File...");
        return Press(dialog, "&OK");
    }};
    auto grid = makeGrid();
    TDemoObject& button = pick(TObjectKind::Button);
    press(*grid, "ButtonImage");
    ASSERT_EQ(prompts->questions.size(), 1u);
    EXPECT_EQ(prompts->questions.front().caption, kConvertToJpegCaption);
    EXPECT_EQ(button.Picture.format(), PictureFormat::Jpeg);
    EXPECT_EQ(cell(*grid, "ButtonImage"), "[JPEGImage]");
    EXPECT_EQ(button.Width, 8) << "a button takes its picture's size";
}

TEST_F(GridDialogsTest, CancelledEditorsChangeNothing) {
    prompts->openNames = {pictureFile("PNG", 5, 5)};
    openings = {[](QDialog& dialog) {
                    ClickButton(dialog, "&Load From File...");
                    return Press(dialog, "Cancel");
                },
                [](QDialog& dialog) { return Press(dialog, "&Cancel"); }};
    auto grid = makeGrid();
    TDemoObject& cursor = pick(TObjectKind::Cursor);
    press(*grid, "CustomCursor");
    EXPECT_TRUE(cursor.Picture.empty());
    pick(TObjectKind::Note);
    press(*grid, "Text");
    EXPECT_EQ(titles, (QStringList{"Image Editor", "Text Editor"}));
    EXPECT_EQ(stack().count(), 0);
}

TEST_F(GridDialogsTest, ScreenShotsAreTakenAtTheDemoSize) {
    document.demo().Width = 1024;
    document.demo().Height = 768;
    openings = {[](QDialog& dialog) { return Press(dialog, "Take a Screen Shot..."); },
                [](QDialog& dialog) { return Press(dialog, "Cancel"); }};
    auto grid = makeGrid();
    pick(TObjectKind::Image);
    press(*grid, "Image");
    EXPECT_EQ(capture.askedSize, QSize(1024, 768));
    EXPECT_EQ(titles.size(), 2) << "the editor opens again after the capture";
}

TEST_F(GridDialogsTest, TextEditorWritesTheBody) {
    openings = {[](QDialog& dialog) {
        Child<QPlainTextEdit>(dialog, "Memo")->setPlainText("two\nlines");
        return Press(dialog, "&OK");
    }};
    auto grid = makeGrid();
    TDemoObject& balloon = pick(TObjectKind::Balloon);
    press(*grid, "Text");
    EXPECT_EQ(balloon.Text, "two\r\nlines") << "the memo's lines are joined by line breaks";
    EXPECT_EQ(cell(*grid, "Text"), "[Text]");
}

TEST_F(GridDialogsTest, ColourEditorSetsTheRowsColour) {
    prompts->colours = {RGB(1, 2, 3)};
    openings = {[](QDialog& dialog) {
        ClickButton(dialog, "&Custom...");
        return Press(dialog, "&OK");
    }};
    auto grid = makeGrid();
    TDemoObject& note = pick(TObjectKind::Note);
    press(*grid, "TextShadowColor");
    EXPECT_EQ(titles, QStringList{"Color Editor"});
    EXPECT_EQ(note.TextShadowColor, RGB(1, 2, 3));
    EXPECT_EQ(cell(*grid, "TextShadowColor"), "Custom");
}

TEST_F(GridDialogsTest, FontDialogKeepsTheColourAndShowsTheFace) {
    openings = {[](QDialog& dialog) {
        auto* fonts = qobject_cast<QFontDialog*>(&dialog);
        EXPECT_NE(fonts, nullptr);
        if (!fonts)
            return int(QDialog::Rejected);
        QFont chosen = fonts->currentFont();
        chosen.setPointSize(chosen.pointSize() + 7);
        fonts->setCurrentFont(chosen);
        return int(QDialog::Accepted);
    }};
    auto grid = makeGrid();
    TDemoObject& label = pick(TObjectKind::Label);
    const TObjectFont before = label.Font;
    press(*grid, "Font");
    EXPECT_EQ(label.Font.Size(), before.Size() + 7);
    EXPECT_EQ(label.Font.Color, before.Color);
    EXPECT_EQ(cell(*grid, "Font"), QString::fromStdString(label.Font.Name));
    EXPECT_EQ(stack().count(), 1);
}

// A face this machine does not have, in every style, as a project from elsewhere stores it.
TObjectFont MissingFaceAllStyles() {
    TObjectFont font;
    font.Name = "No Such Face Vtr";
    font.SetSize(9);
    font.Bold = true;
    font.Italic = true;
    font.Underline = true;
    font.StrikeOut = true;
    return font;
}

TEST_F(GridDialogsTest, FontDialogOpensOnTheStoredFontAndOkKeepsIt) {
    QFont opened;
    openings = {[&opened](QDialog& dialog) {
        auto* fonts = qobject_cast<QFontDialog*>(&dialog);
        EXPECT_NE(fonts, nullptr);
        if (fonts)
            opened = fonts->currentFont();
        return int(QDialog::Accepted);
    }};
    auto grid = makeGrid();
    TDemoObject& label = pressFontOfLabel(*grid, MissingFaceAllStyles());
    EXPECT_EQ(opened.pointSize(), 9);
    EXPECT_TRUE(opened.bold());
    EXPECT_TRUE(opened.italic());
    EXPECT_TRUE(opened.underline());
    EXPECT_TRUE(opened.strikeOut());
    EXPECT_EQ(label.Font, MissingFaceAllStyles()) << "OK on the untouched dialog changes nothing";
    EXPECT_EQ(stack().count(), 0);
}

TEST_F(GridDialogsTest, FontDialogTakesAnotherFamilyAndKeepsTheStyle) {
    QString other;
    openings = {[&other](QDialog& dialog) {
        auto* fonts = qobject_cast<QFontDialog*>(&dialog);
        EXPECT_NE(fonts, nullptr);
        if (!fonts)
            return int(QDialog::Rejected);
        QFont chosen = fonts->currentFont();
        other = chosen.family() == "DejaVu Serif" ? "DejaVu Sans Mono" : "DejaVu Serif";
        chosen.setFamily(other);
        fonts->setCurrentFont(chosen);
        return int(QDialog::Accepted);
    }};
    auto grid = makeGrid();
    TDemoObject& label = pressFontOfLabel(*grid, MissingFaceAllStyles());
    ASSERT_FALSE(other.isEmpty());
    EXPECT_EQ(label.Font.Name, other.toStdString());
    EXPECT_TRUE(label.Font.Bold);
    EXPECT_TRUE(label.Font.Underline);
    EXPECT_EQ(label.Font.Size(), 9);
    EXPECT_EQ(stack().count(), 1);
}

TEST_F(GridDialogsTest, SoundFileOfAnotherTypeIsRefusedThroughThePrompts) {
    const auto ogg = dir / "clip.ogg";
    writeFileBytes(ogg, {1, 2, 3});
    const auto mp3 = dir / "clip.Mp3";
    writeFileBytes(mp3, {4, 5, 6, 7});
    prompts->openNames = {QString::fromStdString(ogg.string()), QString::fromStdString(mp3.string())};
    auto grid = makeGrid();
    TDemoObject& audio = pick(TObjectKind::Audio);
    press(*grid, "Audio");
    ASSERT_EQ(prompts->informations.size(), 1u);
    EXPECT_EQ(prompts->informations.front().caption, "Information");
    EXPECT_EQ(prompts->informations.front().text, "Invalid file type.");
    EXPECT_EQ(prompts->openFilters.front(), "All (*.wav; *.mp3)|*.wav; *.mp3|WAV files (*.wav)|*.wav|MP3 files (*.mp3)|*.mp3");
    EXPECT_TRUE(audio.AudioData.empty());

    press(*grid, "Audio");
    EXPECT_EQ(audio.AudioType, "MP3");
    EXPECT_EQ(audio.AudioData.size(), 4u);
    EXPECT_EQ(cell(*grid, "Audio"), "[MP3]");
    EXPECT_EQ(stack().count(), 1);
}

} // namespace
} // namespace vantora::test
