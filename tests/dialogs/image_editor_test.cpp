// The image editor: kind texts, placement in the view, loading good, damaged and huge files, the
// checks and conversions on OK, the Convert to Jpeg question, icon mode and screen shots.

#include "dialogs/image_editor/image_editor_form.h"
#include "dialogs/image_editor/image_view.h"
#include "dialogs/image_editor/picture_checks.h"
#include "fake_prompts.h"
#include "test_support.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace vantora {
namespace {

using test::Child;
using test::ClickButton;
using test::FakePrompts;

QString DataPicture(const std::string& relative) {
    return QString::fromStdString(test::dataFile("picture/" + relative).string());
}

Picture PictureOfFile(const std::string& relative) {
    Picture picture;
    EXPECT_TRUE(picture.loadFromFile(test::dataFile("picture/" + relative)));
    return picture;
}

// A PNG file written by Qt from `image` (an indexed image becomes a palette PNG).
Picture PngOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "PNG"));
    return Picture(PictureFormat::Png, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

QImage OpaqueIndexedImage() {
    QImage image(4, 3, QImage::Format_Indexed8);
    image.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255)});
    image.fill(0);
    image.setPixel(1, 1, 1);
    return image;
}

// A bitmap header that claims 30000 x 30000 pixels and holds none of them.
std::vector<std::uint8_t> HugeBitmapHeader() {
    std::vector<std::uint8_t> bytes(54, 0);
    const auto put32 = [&](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, 30000);
    put32(22, 30000);
    bytes[26] = 1;
    bytes[28] = 24;
    return bytes;
}

// Runs the dialog once per opening: `steps[i]` acts on the i-th opening and returns its result.
DialogDriver Openings(std::vector<std::function<int(QDialog&)>> steps) {
    auto shared = std::make_shared<std::vector<std::function<int(QDialog&)>>>(std::move(steps));
    auto next = std::make_shared<std::size_t>(0);
    return [shared, next](QDialog& dialog) {
        dialog.show();
        if (*next >= shared->size()) {
            ADD_FAILURE() << "the dialog opened more often than expected";
            return int(QDialog::Rejected);
        }
        return (*shared)[(*next)++](dialog);
    };
}

int Press(QDialog& dialog, const QString& caption) {
    ClickButton(dialog, caption);
    return dialog.result();
}

std::function<int(QDialog&)> LoadThenPress(const QString& caption) {
    return [caption](QDialog& dialog) {
        ClickButton(dialog, "&Load From File...");
        return Press(dialog, caption);
    };
}

struct Fixture {
    FakePrompts prompts;
    ImageEditorContext context{prompts, NoScreenCapture(), 640, 480};
};

TEST(PictureChecks, KindTextNamesFormatSizeAndPngLayout) {
    const Picture palette = PngOf(OpaqueIndexedImage());
    EXPECT_EQ(PictureKindText(palette, 4, 3), "PNGImage  [4 X 3][3,8]");
    EXPECT_EQ(PictureKindText(PictureOfFile("bmp/rgb24.bmp"), 7, 5), "Bitmap  [7 X 5]");
    EXPECT_EQ(PictureKindText(Picture(), 0, 0), "None");
    const auto header = ReadPngHeader(PictureOfFile("png/grey16.png").bytes());
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->colourType, 0);
    EXPECT_EQ(header->bitDepth, 16);
    const std::vector<std::uint8_t> shortBytes = {0x89, 'P', 'N', 'G'};
    EXPECT_FALSE(ReadPngHeader(shortBytes).has_value());
    EXPECT_FALSE(ReadPngHeader(PictureOfFile("bmp/rgb24.bmp").bytes()).has_value());
}

TEST(PictureChecks, PalettePngsLoseTheirPaletteButNotTheirAlpha) {
    const std::optional<Picture> opaque = WithoutPngPalette(PngOf(OpaqueIndexedImage()));
    ASSERT_TRUE(opaque.has_value());
    EXPECT_EQ(ReadPngHeader(opaque->bytes())->colourType, 2);
    EXPECT_EQ(ReadPngHeader(opaque->bytes())->bitDepth, 8);
    const RgbaImage pixels = opaque->decode();
    ASSERT_EQ(pixels.width, 4);
    EXPECT_EQ(pixels.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(pixels.pixel(1, 1), 0xFF0000FFu);

    const Picture transparent = PictureOfFile("png/palette_trns.png");
    ASSERT_EQ(ReadPngHeader(transparent.bytes())->colourType, 3);
    const std::optional<Picture> kept = WithoutPngPalette(transparent);
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(ReadPngHeader(kept->bytes())->colourType, 6);
    EXPECT_EQ(kept->decode().pixels, transparent.decode().pixels);

    const Picture rgba = PictureOfFile("png/rgba.png");
    EXPECT_EQ(WithoutPngPalette(rgba), rgba);
    EXPECT_FALSE(WithoutPngPalette(Picture(PictureFormat::Png, {1, 2, 3})).has_value());
}

TEST(PictureChecks, CheckTellsDamagedFromHuge) {
    EXPECT_TRUE(CheckPicture(Picture()).ok);
    EXPECT_TRUE(CheckPicture(PictureOfFile("bmp/rgb24.bmp")).ok);
    const PictureCheck damaged = CheckPicture(Picture(PictureFormat::Png, {0x89, 'P', 'N', 'G', 0, 0}));
    EXPECT_FALSE(damaged.ok);
    EXPECT_FALSE(damaged.tooLarge);
    const PictureCheck huge = CheckPicture(Picture(PictureFormat::Bitmap, HugeBitmapHeader()));
    EXPECT_FALSE(huge.ok);
    EXPECT_TRUE(huge.tooLarge) << huge.reason;
}

TEST(ImageView, SmallPicturesAreCentredLargeOnesScaledDown) {
    const QSize view(kImageViewWidth, kImageViewHeight);
    EXPECT_EQ(ImagePlacement({100, 50}, view), QRect(132, 98, 100, 50));
    EXPECT_EQ(ImagePlacement({365, 246}, view), QRect(0, 0, 365, 246));
    EXPECT_EQ(ImagePlacement({730, 100}, view), QRect(0, 98, 365, 50));
    EXPECT_EQ(ImagePlacement({100, 984}, view).size(), QSize(25, 246));
    EXPECT_EQ(ImagePlacement({20000, 1}, view).height(), 1);
    EXPECT_TRUE(ImagePlacement({0, 0}, view).isEmpty());
}

TEST(ImageEditorForm, ShowsKindAndEnablesButtonsByPicture) {
    FakePrompts prompts;
    TImageEditorForm empty(Picture(), false, prompts);
    EXPECT_EQ(empty.windowTitle(), "Image Editor");
    EXPECT_FALSE(Child<QPushButton>(empty, "SaveButton")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(empty, "ClearButton")->isEnabled());
    TImageEditorForm bitmap(PictureOfFile("bmp/rgb24.bmp"), false, prompts);
    EXPECT_TRUE(Child<QPushButton>(bitmap, "SaveButton")->isEnabled());
    EXPECT_TRUE(Child<QLabel>(bitmap, "KindLabel")->text().startsWith("Bitmap  ["));
    EXPECT_FALSE(Child<TImageView>(bitmap, "ImageView")->image().isNull());
}

TEST(ImageEditorForm, OkWithoutAChangeReturnsFalseAndAsksNothing) {
    Fixture f;
    Picture picture = PictureOfFile("bmp/rgb24.bmp");
    const Picture before = picture;
    EXPECT_FALSE(RunImageEditorForm(picture, false, f.context, nullptr,
                                    Openings({[](QDialog& d) { return Press(d, "&OK"); }})));
    EXPECT_EQ(picture, before);
    EXPECT_TRUE(f.prompts.questions.empty());
}

TEST(ImageEditorForm, LoadedBitmapBecomesJpegOnYesAndStaysOnNo) {
    for (const bool yes : {true, false}) {
        Fixture f;
        f.prompts.openNames = {DataPicture("bmp/rgb24.bmp")};
        f.prompts.yesNoAnswers = {yes};
        Picture picture;
        ASSERT_TRUE(RunImageEditorForm(picture, false, f.context, nullptr, Openings({LoadThenPress("&OK")})));
        ASSERT_EQ(f.prompts.questions.size(), 1u);
        EXPECT_EQ(f.prompts.questions[0].caption, kConvertToJpegCaption);
        EXPECT_EQ(f.prompts.questions[0].text, kConvertToJpegQuestion);
        EXPECT_EQ(picture.format(), yes ? PictureFormat::Jpeg : PictureFormat::Bitmap);
        EXPECT_EQ(picture.decode().width, PictureOfFile("bmp/rgb24.bmp").decode().width);
    }
}

TEST(ImageEditorForm, DamagedAndHugeFilesAreRefusedAndTheDialogStays) {
    test::TempDir dir;
    test::writeFileBytes(dir / "damaged.png", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0});
    test::writeFileBytes(dir / "huge.bmp", HugeBitmapHeader());
    test::writeFileBytes(dir / "text.png", {'h', 'e', 'l', 'l', 'o'});
    Fixture f;
    f.prompts.openNames = {QString::fromStdString((dir / "damaged.png").string()),
                           QString::fromStdString((dir / "huge.bmp").string()),
                           QString::fromStdString((dir / "text.png").string())};
    Picture picture = PictureOfFile("png/rgba.png");
    const Picture before = picture;
    const auto loadThrice = [](QDialog& dialog) {
        for (int i = 0; i < 3; ++i)
            ClickButton(dialog, "&Load From File...");
        EXPECT_TRUE(dialog.isVisible());
        return Press(dialog, "&OK");
    };
    EXPECT_FALSE(RunImageEditorForm(picture, false, f.context, nullptr, Openings({loadThrice})));
    EXPECT_EQ(picture, before);
    ASSERT_EQ(f.prompts.informations.size(), 3u);
    EXPECT_EQ(f.prompts.informations[0].caption, "Information");
    EXPECT_EQ(f.prompts.informations[0].text, kInvalidImageData);
    EXPECT_TRUE(f.prompts.informations[1].text.contains("too large")) << f.prompts.informations[1].text.toStdString();
    EXPECT_EQ(f.prompts.informations[2].text, kInvalidImageData);
}

TEST(ImageEditorForm, InvalidPictureOnOkKeepsTheDialogOpen) {
    Fixture f;
    Picture picture(PictureFormat::Png, {0x89, 'P', 'N', 'G', 1, 2, 3});
    const auto okThenCancel = [](QDialog& dialog) {
        ClickButton(dialog, "&OK");
        EXPECT_TRUE(dialog.isVisible());
        return Press(dialog, "Cancel");
    };
    EXPECT_FALSE(RunImageEditorForm(picture, false, f.context, nullptr, Openings({okThenCancel})));
    ASSERT_EQ(f.prompts.informations.size(), 1u);
    EXPECT_EQ(f.prompts.informations[0].text, kInvalidImageData);
}

TEST(ImageEditorForm, IconModeTakesOnlyIcons) {
    Fixture f;
    f.prompts.openNames = {DataPicture("png/rgba.png"), DataPicture("ico/argb32.ico")};
    Picture picture;
    const auto pngThenIcon = [](QDialog& dialog) {
        ClickButton(dialog, "&Load From File...");
        ClickButton(dialog, "&OK");
        EXPECT_TRUE(dialog.isVisible());
        ClickButton(dialog, "&Load From File...");
        return Press(dialog, "&OK");
    };
    ASSERT_TRUE(RunImageEditorForm(picture, true, f.context, nullptr, Openings({pngThenIcon})));
    EXPECT_EQ(picture.format(), PictureFormat::Icon);
    ASSERT_EQ(f.prompts.informations.size(), 1u);
    EXPECT_EQ(f.prompts.informations[0].text, kNotAnIcon);
    EXPECT_EQ(f.prompts.openFilters.value(0), "Icons (*.ico)|*.ico");
    EXPECT_TRUE(f.prompts.questions.empty());
}

TEST(ImageEditorForm, ClearGivesAnEmptyPicture) {
    Fixture f;
    Picture picture = PictureOfFile("gif/transparent.gif");
    const auto clear = [](QDialog& dialog) {
        ClickButton(dialog, "&Clear");
        EXPECT_FALSE(Child<QPushButton>(dialog, "SaveButton")->isEnabled());
        return Press(dialog, "&OK");
    };
    EXPECT_TRUE(RunImageEditorForm(picture, false, f.context, nullptr, Openings({clear})));
    EXPECT_TRUE(picture.empty());
}

TEST(ImageEditorForm, SaveAsWritesTheBytesInTheirOwnFormat) {
    test::TempDir dir;
    Fixture f;
    f.prompts.saveNames = {QString::fromStdString((dir / "copy").string())};
    Picture picture = PictureOfFile("jpeg/blocks.jpg");
    const auto save = [](QDialog& dialog) {
        ClickButton(dialog, "&Save As...");
        return Press(dialog, "Cancel");
    };
    EXPECT_FALSE(RunImageEditorForm(picture, false, f.context, nullptr, Openings({save})));
    EXPECT_EQ(f.prompts.saveFilters.value(0), "JPEG images (*.jpg)|*.jpg");
    EXPECT_EQ(test::readFileBytes(dir / "copy.jpg"), std::vector<unsigned char>(picture.bytes().begin(), picture.bytes().end()));
}

struct FakeCapture final : ScreenShotSource {
    std::optional<Picture> shot;
    QSize askedSize;
    std::optional<Picture> takeScreenShot(int width, int height, QString& error) override {
        askedSize = QSize(width, height);
        if (!shot)
            error = QStringLiteral("cancelled by test");
        return shot;
    }
};

TEST(ImageEditorForm, ScreenShotReopensTheDialogWithTheCapture) {
    FakePrompts prompts;
    FakeCapture capture;
    capture.shot = PictureOfFile("jpeg/blocks.jpg");
    ImageEditorContext context{prompts, capture, 800, 600};
    Picture picture;
    const auto shoot = [](QDialog& dialog) { return Press(dialog, "Take a Screen Shot..."); };
    const auto checkAndOk = [](QDialog& dialog) {
        EXPECT_TRUE(Child<QLabel>(dialog, "KindLabel")->text().startsWith("JPEGImage"));
        return Press(dialog, "&OK");
    };
    EXPECT_TRUE(RunImageEditorForm(picture, false, context, nullptr, Openings({shoot, checkAndOk})));
    EXPECT_EQ(picture, *capture.shot);
    EXPECT_EQ(capture.askedSize, QSize(800, 600));
}

TEST(ImageEditorForm, WithoutCaptureTheUserIsToldAndKeepsThePicture) {
    Fixture f;
    Picture picture = PictureOfFile("png/rgba.png");
    const Picture before = picture;
    const auto shoot = [](QDialog& dialog) { return Press(dialog, "Take a Screen Shot..."); };
    const auto ok = [](QDialog& dialog) { return Press(dialog, "&OK"); };
    EXPECT_FALSE(RunImageEditorForm(picture, false, f.context, nullptr, Openings({shoot, ok})));
    EXPECT_EQ(picture, before);
    ASSERT_EQ(f.prompts.informations.size(), 1u);
    EXPECT_EQ(f.prompts.informations[0].text, kScreenCaptureUnavailable);
}

} // namespace
} // namespace vantora
