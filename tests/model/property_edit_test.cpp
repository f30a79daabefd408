// Showing and editing property values: display texts, typed numbers parsed and clamped, picks by
// exact name, dialog results, the click action and the sound-file rule.
#include "model/colour_names.h"
#include "model/object_operations.h"
#include "model/property_edit.h"
#include "model/property_values.h"
#include "model/scene_operations.h"
#include "test_support.h"

#include <filesystem>
#include "subject_fixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace vantora {
namespace {

// One demo with one scene and an object of the asked kind, and a record of the changes.
class PropertyFixture : public test::SubjectFixture {
protected:
    static PropertyRow row(const PropertySubject& subject, const char* name) {
        const PropertySheet sheet = BuildPropertySheet(subject);
        const PropertyRow* found = sheet.find(name);
        if (!found)
            throw std::runtime_error(std::string("no row ") + name);
        return *found;
    }

    std::string typed(const PropertySubject& subject, const char* name, const char* text) {
        return ApplyTyped(row(subject, name), subject, text).cellText;
    }
};

using ModelPropertyDisplay = PropertyFixture;
using ModelPropertyTyped = PropertyFixture;
using ModelPropertyPick = PropertyFixture;
using ModelPropertyDialog = PropertyFixture;
using ModelSoundFile = PropertyFixture;

// ---- display ----

TEST(ModelColourNames, ExactValuesOnlyGetANameAndTheFirstMatchWins) {
    EXPECT_EQ(ColourDisplayName(RGB(255, 0, 0)), "Red");
    EXPECT_EQ(ColourDisplayName(RGB(254, 0, 0)), "Custom");
    EXPECT_EQ(ColourDisplayName(clWhite), "White");
    EXPECT_EQ(ColourDisplayName(RGB(192, 220, 192)), "Money Green");
    EXPECT_EQ(ColourDisplayName(RGB(160, 160, 164)), "Medium Gray");
    EXPECT_EQ(ColourDisplayName(0x80000005), "Custom"); // a system colour code is no plain colour
    EXPECT_EQ(ColourDisplayName(0x01000000), "Custom"); // high byte set: not black
    EXPECT_EQ(NamedColours().size(), 20u);
}

TEST_F(ModelPropertyDisplay, ValuesOfANewNote) {
    PropertySubject note = add(TObjectKind::Note);
    auto show = [&](const char* name) { return DisplayValue(row(note, name), note); };
    EXPECT_EQ(show("Name"), "Note1");
    EXPECT_EQ(show("Text"), "[Text]");
    EXPECT_EQ(show("Font"), "Arial");
    EXPECT_EQ(show("FontColor"), "White");
    EXPECT_EQ(show("Alignment"), "Left");
    EXPECT_EQ(show("RowPitch"), "0");
    EXPECT_EQ(show("BackColor"), "Custom");
    EXPECT_EQ(show("Shadow"), "True");
    EXPECT_EQ(show("Flat"), "False");
    EXPECT_EQ(show("Graphic"), "Bind");
    EXPECT_EQ(show("TextGradientStyle"), "None");
    EXPECT_EQ(show("TextShadowColor"), "Black");
    EXPECT_EQ(show("Left"), "0");
    note.object->Text.clear();
    EXPECT_EQ(show("Text"), "[None]");
    note.object->Option = 5; // shown though not offered
    EXPECT_EQ(show("Graphic"), "Pin");
    note.object->Option = 42; // a code from a damaged file shows as its number
    EXPECT_EQ(show("Graphic"), "42");
}

TEST_F(ModelPropertyDisplay, PicturesAndSounds) {
    PropertySubject image = add(TObjectKind::Image);
    const PropertyRow imageRow = row(image, "Image");
    EXPECT_EQ(DisplayValue(imageRow, image), "[None]");
    const std::pair<PictureFormat, const char*> formats[] = {
        {PictureFormat::Bitmap, "[Bitmap]"}, {PictureFormat::Jpeg, "[JPEGImage]"}, {PictureFormat::Png, "[PNGImage]"},
        {PictureFormat::Gif, "[GIFImage]"},  {PictureFormat::Icon, "[Icon]"},      {PictureFormat::Metafile, "[Metafile]"}};
    for (const auto& [format, name] : formats) {
        image.object->Picture.assign(format, {1, 2, 3});
        EXPECT_EQ(DisplayValue(imageRow, image), name);
    }
    EXPECT_EQ(SoundDisplayName(""), "[None]");
    EXPECT_EQ(SoundDisplayName("WAV"), "[WAV]");
    PropertySubject audio = add(TObjectKind::Audio);
    EXPECT_EQ(DisplayValue(row(audio, "Audio"), audio), "[None]");
}

TEST_F(ModelPropertyDisplay, CaptionsShowTheirTextAndAnglesTheirNumber) {
    PropertySubject label = add(TObjectKind::Label);
    EXPECT_EQ(DisplayValue(row(label, "Caption"), label), "New Label");
    PropertySubject cursor = add(TObjectKind::Cursor);
    EXPECT_EQ(DisplayValue(row(cursor, "CursorType"), cursor), "Arrow");
    cursor.object->Angle = 270;
    EXPECT_EQ(DisplayValue(row(cursor, "Angle"), cursor), "270");
    EXPECT_EQ(DisplayValue(row(cursor, "BitmapTransparentMode"), cursor), "Auto");
    EXPECT_EQ(DisplayValue(row(cursor, "BitmapTransparentColor"), cursor), "Fuchsia");
}

// ---- typed values ----

TEST(ModelIntegerText, StandardDecimalConversion) {
    EXPECT_EQ(ParseInteger("150"), 150);
    EXPECT_EQ(ParseInteger("-5"), -5);
    EXPECT_EQ(ParseInteger("+7"), 7);
    EXPECT_EQ(ParseInteger("  42 "), 42);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_FALSE(ParseInteger("2147483648"));
    EXPECT_FALSE(ParseInteger("99999999999999999999999"));
    EXPECT_FALSE(ParseInteger("abc"));
    EXPECT_FALSE(ParseInteger(""));
    EXPECT_FALSE(ParseInteger("-"));
    EXPECT_FALSE(ParseInteger("1.5"));
    EXPECT_FALSE(ParseInteger("12a"));
    EXPECT_FALSE(ParseInteger("- 3"));
}

TEST_F(ModelPropertyTyped, AlphaIsClampedAndNonNumbersRestoreTheValue) {
    PropertySubject note = add(TObjectKind::Note);
    EXPECT_EQ(typed(note, "Alpha (%)", "150"), "100");
    EXPECT_EQ(note.object->Alpha, 100);
    EXPECT_EQ(typed(note, "Alpha (%)", "-5"), "0");
    EXPECT_EQ(note.object->Alpha, 0);
    EXPECT_EQ(typed(note, "Alpha (%)", "abc"), "0");
    EXPECT_EQ(note.object->Alpha, 0);
    EXPECT_EQ(typed(note, "TextAngle", "400"), "360");
    EXPECT_EQ(typed(note, "TextAngle", "-400"), "-360");
    EXPECT_EQ(typed(note, "Margin", "-1"), "0");
    EXPECT_EQ(typed(note, "RowPitch", "-50"), "-50");
}

TEST_F(ModelPropertyTyped, SizeRowsKeepAtLeastTwoPixels) {
    PropertySubject shape = add(TObjectKind::Shape);
    EXPECT_EQ(typed(shape, "Width", "1"), "2");
    EXPECT_EQ(shape.object->Width, 2);
    EXPECT_EQ(typed(shape, "Height", "-100"), "2");
    EXPECT_EQ(typed(shape, "Left", "-100"), "-100");
    EXPECT_EQ(shape.object->Left, -100);
}

TEST_F(ModelPropertyTyped, OnlyRealChangesAreReported) {
    PropertySubject shape = add(TObjectKind::Shape);
    demo.Changes.setModified(false);
    const PropertyRow left = row(shape, "Left");
    EXPECT_FALSE(ApplyTyped(left, shape, "0").changed);
    EXPECT_FALSE(ApplyTyped(left, shape, "zero").changed);
    EXPECT_TRUE(changes.empty());
    EXPECT_FALSE(demo.Changes.modified());
    EXPECT_TRUE(ApplyTyped(left, shape, "8").changed);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].kind, ModelChangeKind::ObjectChanged);
    EXPECT_EQ(changes[0].object, shape.object);
    EXPECT_TRUE(demo.Changes.modified());
}

TEST_F(ModelPropertyTyped, NamesAndCaptionsAreStoredAsTypedWithoutChecks) {
    PropertySubject first = add(TObjectKind::Label);
    PropertySubject second = add(TObjectKind::Label);
    const EditResult renamed = ApplyTyped(row(second, "Name"), second, "Label1");
    EXPECT_TRUE(renamed.changed);
    EXPECT_EQ(second.object->Name, first.object->Name); // duplicates are accepted
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].kind, ModelChangeKind::ObjectRenamed);
    EXPECT_EQ(typed(second, "Caption", "  Hello, 123 "), "  Hello, 123 ");
    EXPECT_EQ(second.object->Text, "  Hello, 123 ");

    PropertySubject sceneSubject{&demo, scene, nullptr};
    changes.clear();
    EXPECT_EQ(typed(sceneSubject, "Name", "Welcome"), "Welcome");
    EXPECT_EQ(scene->Name, "Welcome");
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].kind, ModelChangeKind::SceneRenamed);
}

TEST_F(ModelPropertyTyped, TypingIntoReadOnlyRowsChangesNothing) {
    PropertySubject note = add(TObjectKind::Note);
    EXPECT_FALSE(ApplyTyped(row(note, "Flat"), note, "1").changed);
    EXPECT_FALSE(ApplyTyped(row(note, "BackColor"), note, "255").changed);
    EXPECT_FALSE(note.object->Flat);
    EXPECT_TRUE(changes.empty());
}

// ---- picks ----

TEST_F(ModelPropertyPick, NamesAreComparedExactly) {
    PropertySubject balloon = add(TObjectKind::Balloon);
    EXPECT_TRUE(ApplyPick(row(balloon, "Arrow"), balloon, "TopRight").changed);
    EXPECT_EQ(balloon.object->Option, 4);
    EXPECT_FALSE(ApplyPick(row(balloon, "Arrow"), balloon, "topright").changed);
    EXPECT_FALSE(ApplyPick(row(balloon, "Arrow"), balloon, "RightBottmCorner").changed); // a RoundBalloon name
    EXPECT_EQ(balloon.object->Option, 4);
    EXPECT_EQ(ApplyPick(row(balloon, "Layout"), balloon, "Bottom").cellText, "Bottom");
    EXPECT_EQ(balloon.object->Layout, 2);

    PropertySubject round = add(TObjectKind::RoundBalloon);
    ApplyPick(row(round, "Arrow"), round, "RightBottmCorner");
    EXPECT_EQ(round.object->Option, 9);
    ApplyPick(row(round, "Shadow"), round, "False");
    EXPECT_FALSE(round.object->Shadow);
    EXPECT_FALSE(ApplyPick(row(round, "Shadow"), round, "true").changed);
    EXPECT_FALSE(round.object->Shadow);
}

TEST_F(ModelPropertyPick, GradientStyleFallsBackToNone) {
    PropertySubject note = add(TObjectKind::Note);
    const PropertyRow gradient = row(note, "TextGradientStyle");
    ApplyPick(gradient, note, "BottomToTop");
    EXPECT_EQ(note.object->TextGradientStyle, 4);
    EXPECT_EQ(ApplyTyped(gradient, note, "Diagonal").cellText, "None");
    EXPECT_EQ(note.object->TextGradientStyle, 0);
    ApplyTyped(gradient, note, "CenterToTopBottom");
    EXPECT_EQ(note.object->TextGradientStyle, 6);
    ApplyTyped(gradient, note, "3"); // numbers are no names
    EXPECT_EQ(note.object->TextGradientStyle, 0);
}

TEST_F(ModelPropertyPick, HiddenGraphicNamesAreStillParsed) {
    PropertySubject note = add(TObjectKind::Note);
    ApplyPick(row(note, "Graphic"), note, "Clip");
    EXPECT_EQ(note.object->Option, 3);
}

TEST_F(ModelPropertyPick, AnglesAndEnumerationsStoreTheirCodes) {
    PropertySubject image = add(TObjectKind::Image);
    ApplyPick(row(image, "Angle"), image, "180");
    EXPECT_EQ(image.object->Angle, 180);
    EXPECT_FALSE(ApplyPick(row(image, "Angle"), image, "45").changed);
    ApplyPick(row(image, "BitmapTransparentMode"), image, "TransparentColor");
    EXPECT_EQ(image.object->BitmapTransparentMode, 1);

    PropertySubject shape = add(TObjectKind::Shape);
    ApplyPick(row(shape, "Shape"), shape, "LineTopRightToBottomLeft");
    EXPECT_EQ(shape.object->Style, 10);
    ApplyPick(row(shape, "FillStyle"), shape, "Clear");
    EXPECT_EQ(shape.object->Option, 1);

    PropertySubject sceneSubject{&demo, scene, nullptr};
    ApplyPick(row(sceneSubject, "BackImageStyle"), sceneSubject, "Tile");
    EXPECT_EQ(scene->BackImageStyle, 3);
}

TEST_F(ModelPropertyPick, FitSizeTakesTheRenderedSize) {
    PropertySubject image = add(TObjectKind::Image);
    const PropertyRow fit = row(image, "FitSize");
    EXPECT_EQ(fit.pickList, std::vector<std::string>{"True"});
    EXPECT_EQ(DisplayValue(fit, image), "False");
    EXPECT_FALSE(ApplyPick(fit, image, "True").changed); // nothing rendered yet

    const RgbaImage rendered{300, 200, std::vector<std::uint32_t>(300 * 200)};
    image.rendered = &rendered;
    EXPECT_EQ(DisplayValue(fit, image), "False");
    const EditResult result = ApplyPick(fit, image, "True");
    EXPECT_TRUE(result.changed);
    EXPECT_TRUE(result.refill);
    EXPECT_EQ(result.cellText, "True");
    EXPECT_EQ(image.object->Width, 300);
    EXPECT_EQ(image.object->Height, 200);
}

// A listener that renders the resized object anew frees the old picture while it is told; the
// edit's answer must not need that picture afterwards.
TEST_F(ModelPropertyPick, FitSizeAnswersWithoutThePictureItsListenersMayDrop) {
    PropertySubject image = add(TObjectKind::Image);
    const PropertyRow fit = row(image, "FitSize");
    auto rendered = std::make_unique<RgbaImage>(RgbaImage{30, 20, std::vector<std::uint32_t>(30 * 20)});
    image.rendered = rendered.get();
    int told = 0;
    const auto id = demo.Changes.addListener([&](const ModelChange&) {
        ++told;
        rendered.reset(); // the render cache drops the stale picture
    });
    const EditResult result = ApplyPick(fit, image, "True");
    demo.Changes.removeListener(id);
    EXPECT_EQ(told, 1);
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(result.cellText, "True");
    EXPECT_EQ(image.object->Width, 30);
    EXPECT_EQ(image.object->Height, 20);
}

TEST_F(ModelPropertyPick, ChoosingAnActionClearsItsParameterAndRebuildsTheRows) {
    NewScene(demo).Name = "Outro";
    PropertySubject button = add(TObjectKind::Button);
    button.object->Command.Action = static_cast<std::uint8_t>(TCommandAction::VisitWebSite);
    button.object->Command.Param = "http://example.org";

    PropertySheet sheet = BuildPropertySheet(button);
    const EditResult result = ApplyPick(*sheet.find("ClickAction"), button, "GotoScene");
    EXPECT_TRUE(result.changed);
    EXPECT_TRUE(result.refill);
    EXPECT_EQ(button.object->Command.Action, 7);
    EXPECT_EQ(button.object->Command.Param, "");

    sheet = BuildPropertySheet(button);
    const PropertyRow* sceneName = sheet.find("SceneName");
    ASSERT_NE(sceneName, nullptr);
    EXPECT_EQ(sceneName->pickList, (std::vector<std::string>{"Scene1", "Outro"}));
    EXPECT_FALSE(ApplyPick(*sceneName, button, "Nowhere").changed);
    EXPECT_TRUE(ApplyPick(*sceneName, button, "Outro").changed);
    EXPECT_EQ(button.object->Command.Param, "Outro");

    // SendEmail is not offered, and choosing the current action keeps the parameter.
    EXPECT_FALSE(ApplyPick(*sheet.find("ClickAction"), button, "GotoScene").changed);
    EXPECT_EQ(button.object->Command.Param, "Outro");
    EXPECT_TRUE(ApplyPick(*sheet.find("ClickAction"), button, "VisitWebSite").changed);
    sheet = BuildPropertySheet(button);
    ApplyTyped(*sheet.find("WebSiteURL"), button, "http://example.com");
    EXPECT_EQ(button.object->Command.Param, "http://example.com");
}

// ---- dialogs ----

TEST_F(ModelPropertyDialog, TextFontAndColourResults) {
    PropertySubject note = add(TObjectKind::Note);
    EXPECT_EQ(ApplyTextBody(note, "").cellText, "[None]");
    EXPECT_EQ(note.object->Text, "");
    EXPECT_EQ(ApplyTextBody(note, "line 1\nline 2").cellText, "[Text]");

    TObjectFont font;
    font.Name = "Courier New";
    font.Height = FontHeightFromSize(12);
    font.Italic = true;
    const EditResult fontResult = ApplyFont(note, font);
    EXPECT_EQ(fontResult.cellText, "Courier New");
    EXPECT_TRUE(fontResult.refill); // the FontColor row shows the new font's colour
    EXPECT_EQ(note.object->Font, font);
    EXPECT_FALSE(ApplyFont(note, font).changed);

    EXPECT_EQ(ApplyColour(row(note, "TextGradientColor"), note, RGB(255, 0, 0)).cellText, "Red");
    EXPECT_EQ(note.object->TextGradientColor, RGB(255, 0, 0));
    EXPECT_EQ(ApplyColour(row(note, "FontColor"), note, RGB(1, 2, 3)).cellText, "Custom");
    EXPECT_EQ(note.object->Font.Color, RGB(1, 2, 3));
    EXPECT_EQ(changes.size(), 5u);
}

TEST_F(ModelPropertyDialog, PicturesResizeImagesAndButtonsOnly) {
    PropertySubject image = add(TObjectKind::Image);
    EXPECT_TRUE(ApplyPicture(row(image, "Image"), image, Picture(PictureFormat::Png, {1, 2, 3}), PictureSize{64, 48})
                    .refill);
    EXPECT_EQ(image.object->Picture.format(), PictureFormat::Png);
    EXPECT_EQ(image.object->Width, 64);
    EXPECT_EQ(image.object->Height, 48);
    // An emptied picture keeps the size.
    EXPECT_EQ(ApplyPicture(row(image, "Image"), image, Picture()).cellText, "[None]");
    EXPECT_EQ(image.object->Width, 64);

    PropertySubject button = add(TObjectKind::Button);
    ApplyPicture(row(button, "ButtonImage"), button, Picture(PictureFormat::Gif, {1}), PictureSize{90, 30});
    EXPECT_EQ(button.object->Width, 90);
    EXPECT_EQ(button.object->Height, 30);

    PropertySubject cursor = add(TObjectKind::Cursor);
    ApplyPicture(row(cursor, "CustomCursor"), cursor, Picture(PictureFormat::Icon, {1}), PictureSize{32, 32});
    EXPECT_EQ(cursor.object->Width, 105);
    EXPECT_EQ(cursor.object->Picture.format(), PictureFormat::Icon);

    // Bytes that do not decode, with no size given, keep the object's size.
    PropertySubject other = add(TObjectKind::Image);
    ApplyPicture(row(other, "Image"), other, Picture(PictureFormat::Png, {9, 9, 9}));
    EXPECT_EQ(other.object->Width, 105);
    EXPECT_EQ(other.object->Picture.format(), PictureFormat::Png);

    PropertySubject sceneSubject{&demo, scene, nullptr};
    EXPECT_EQ(ApplyPicture(row(sceneSubject, "BackImage"), sceneSubject, Picture(PictureFormat::Jpeg, {1})).cellText,
              "[JPEGImage]");
    EXPECT_EQ(ApplyColour(row(sceneSubject, "BackColor"), sceneSubject, clYellow).cellText, "Yellow");
    EXPECT_EQ(scene->BackColor, clYellow);
}

// ---- sound files ----

TEST(ModelSoundType, ExtensionDecidesInAnyCase) {
    EXPECT_EQ(SoundTypeOfFile("clip.Mp3"), "MP3");
    EXPECT_EQ(SoundTypeOfFile("/a/b/CLICK.wav"), "WAV");
    EXPECT_FALSE(SoundTypeOfFile("clip.ogg"));
    EXPECT_FALSE(SoundTypeOfFile("clip"));
    EXPECT_FALSE(SoundTypeOfFile("clip."));
    EXPECT_FALSE(SoundTypeOfFile("clip.wav.txt"));
    EXPECT_FALSE(SoundTypeOfFile("wav"));
}

TEST_F(ModelSoundFile, LoadsTheWholeFile) {
    test::TempDir dir;
    const std::vector<unsigned char> bytes{'I', 'D', '3', 0, 1, 2, 255};
    test::writeFileBytes(dir / "clip.Mp3", bytes);
    PropertySubject audio = add(TObjectKind::Audio);
    const SoundLoadResult result = LoadSoundFile(audio, dir / "clip.Mp3");
    EXPECT_EQ(result.status, SoundLoadResult::Status::Loaded);
    EXPECT_EQ(result.edit.cellText, "[MP3]");
    EXPECT_EQ(audio.object->AudioType, "MP3");
    EXPECT_EQ(audio.object->AudioData, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    EXPECT_EQ(changes.size(), 1u);
}

TEST_F(ModelSoundFile, OtherTypesAreRefusedAndNothingChanges) {
    test::TempDir dir;
    test::writeFileBytes(dir / "clip.ogg", {1, 2, 3});
    PropertySubject audio = add(TObjectKind::Audio);
    audio.object->AudioType = "WAV";
    audio.object->AudioData = {7};
    const SoundLoadResult result = LoadSoundFile(audio, dir / "clip.ogg");
    EXPECT_EQ(result.status, SoundLoadResult::Status::InvalidFileType);
    EXPECT_EQ(result.message, "Invalid file type.");
    EXPECT_EQ(result.edit.cellText, "[WAV]");
    EXPECT_EQ(audio.object->AudioData, std::vector<std::uint8_t>{7});
    EXPECT_TRUE(changes.empty());
}

TEST_F(ModelSoundFile, MissingAndHugeFilesFailCleanly) {
    test::TempDir dir;
    PropertySubject audio = add(TObjectKind::Audio);
    SoundLoadResult missing = LoadSoundFile(audio, dir / "gone.wav");
    EXPECT_EQ(missing.status, SoundLoadResult::Status::ReadFailed);
    EXPECT_FALSE(missing.message.empty());

    // A sparse file: large on paper, no disk space and nothing allocated when refused.
    const auto huge = dir / "huge.wav";
    test::writeFileBytes(huge, {0});
    std::filesystem::resize_file(huge, kMaxSoundFileBytes + 1);
    SoundLoadResult tooLarge = LoadSoundFile(audio, huge);
    EXPECT_EQ(tooLarge.status, SoundLoadResult::Status::ReadFailed);
    EXPECT_TRUE(audio.object->AudioData.empty());
    EXPECT_EQ(audio.object->AudioType, "");
    EXPECT_TRUE(changes.empty());
}

} // namespace
} // namespace vantora
