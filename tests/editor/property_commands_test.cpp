// Edits of the property grids through the document: typed, picked, font, colour, picture and
// sound rows, scene rows, and the demo settings.

#include "document_fixture.h"

#include "model/property_rows.h"
#include "test_support.h"

#include <fstream>

namespace vantora::test {
namespace {

class PropertyCommands : public DocumentFixture {
protected:
    PropertySubject subjectOf(TDemoObject* object) { return {&document.demo(), scene, object}; }

    const PropertyRow& row(const PropertySubject& subject, const std::string& name) {
        sheet_ = BuildPropertySheet(subject);
        const PropertyRow* found = sheet_.find(name);
        if (!found)
            throw std::runtime_error("no row " + name);
        return *found;
    }

private:
    PropertySheet sheet_;
};

TEST_F(PropertyCommands, ATypedNumberIsOneStepAndUndoRestoresTheBytes) {
    TDemoObject& note = place(TObjectKind::Note);
    const auto subject = subjectOf(&note);
    const auto before = bytes();
    const EditResult result = document.applyTyped(row(subject, "Margin"), subject, "999999");
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(result.cellText, std::to_string(note.Margin)); // clamped by the row
    expectUndoRedo(before, bytes());
}

TEST_F(PropertyCommands, TextThatIsNoNumberOrNoChangeLeavesNoStep) {
    TDemoObject& note = place(TObjectKind::Note);
    const auto subject = subjectOf(&note);
    const EditResult bad = document.applyTyped(row(subject, "Margin"), subject, "twelve");
    EXPECT_FALSE(bad.changed);
    EXPECT_EQ(bad.cellText, std::to_string(note.Margin)); // the stored value comes back
    document.applyTyped(row(subject, "Margin"), subject, std::to_string(note.Margin));
    EXPECT_EQ(stack().count(), 0);
    EXPECT_FALSE(document.isModified());
}

TEST_F(PropertyCommands, ANameTypedKeyByKeyIsOneStep) {
    TDemoObject& note = place(TObjectKind::Note);
    const auto subject = subjectOf(&note);
    const auto before = bytes();
    for (const char* typed : {"W", "We", "Wel", "Welcome"})
        document.applyTyped(row(subject, "Name"), subject, typed);
    EXPECT_EQ(note.Name, "Welcome");
    EXPECT_EQ(stack().count(), 1);
    expectUndoRedo(before, bytes());

    // Another row, or another object, starts a step of its own.
    TDemoObject& label = place(TObjectKind::Label);
    const auto other = subjectOf(&label);
    document.applyTyped(row(other, "Name"), other, "Title");
    EXPECT_EQ(stack().count(), 2);
    stack().undo();
    EXPECT_EQ(label.Name, "Label1");
    EXPECT_EQ(note.Name, "Welcome");
}

TEST_F(PropertyCommands, PickFontAndColourRowsUndo) {
    TDemoObject& balloon = place(TObjectKind::Balloon);
    const auto subject = subjectOf(&balloon);
    const auto before = bytes();

    document.applyPick(row(subject, "Arrow"), subject, "TopLeft");
    TObjectFont font = balloon.Font;
    font.Name = "Liberation Serif";
    font.Color = 0x000000FF;
    document.applyFont(subject, font);
    document.applyColour(row(subject, "BackColor"), subject, 0x00112233);
    EXPECT_EQ(stack().count(), 3);
    EXPECT_EQ(balloon.BackColor, 0x00112233u);

    for (int i = 0; i < 3; ++i)
        stack().undo();
    EXPECT_EQ(bytes(), before);
    stack().redo();
    stack().redo();
    EXPECT_EQ(balloon.Font, font);
    EXPECT_NE(balloon.BackColor, 0x00112233u);
}

TEST_F(PropertyCommands, APictureThatResizesTheImageIsUndoneWithItsSize) {
    TDemoObject& image = place(TObjectKind::Image);
    const auto subject = subjectOf(&image);
    const auto before = bytes();
    const Picture picture(PictureFormat::Bitmap, readFileBytes(dataFile("picture/bmp/rgb24.bmp")));
    const EditResult result = document.applyPicture(row(subject, "Image"), subject, picture, PictureSize{3, 2});
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(image.Width, 3);
    EXPECT_EQ(image.Height, 2);
    expectUndoRedo(before, bytes());
    stack().undo();
    EXPECT_EQ(image.Width, 105);
    EXPECT_TRUE(image.Picture.empty());
}

TEST_F(PropertyCommands, ASoundLoadsAsOneStepAndAWrongFileTypeAsNone) {
    TempDir dir;
    TDemoObject& audio = place(TObjectKind::Audio);
    const auto subject = subjectOf(&audio);
    writeFileBytes(dir / "click.wav", {'R', 'I', 'F', 'F', 0, 0, 0, 0});
    writeFileBytes(dir / "click.ogg", {1, 2});
    const auto before = bytes();

    const SoundLoadResult refused = document.loadSound(subject, dir / "click.ogg");
    EXPECT_EQ(refused.status, SoundLoadResult::Status::InvalidFileType);
    EXPECT_EQ(stack().count(), 0);

    const SoundLoadResult loaded = document.loadSound(subject, dir / "click.wav");
    EXPECT_EQ(loaded.status, SoundLoadResult::Status::Loaded);
    EXPECT_EQ(audio.AudioType, "WAV");
    expectUndoRedo(before, bytes());
}

TEST_F(PropertyCommands, SceneRowsUndo) {
    const PropertySubject subject{&document.demo(), scene, nullptr};
    const auto before = bytes();
    document.applyTyped(row(subject, "Name"), subject, "Intro");
    document.applyColour(row(subject, "BackColor"), subject, 0x00ABCDEF);
    EXPECT_EQ(scene->Name, "Intro");
    stack().undo();
    stack().undo();
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(scene->Name, "Scene1");
}

TEST_F(PropertyCommands, DemoSettingsUndoAndAreKeptAsTheModelClampsThem) {
    const auto before = bytes();
    document.setDemoSettings({"Tour", 20000, 300, 0x00010203, 4});
    EXPECT_EQ(document.demo().Width, kMaxDemoSize);
    expectUndoRedo(before, bytes());
    document.setDemoSettings(DemoSettingsOf(document.demo())); // unchanged: no step
    EXPECT_EQ(stack().count(), 1);
}

} // namespace
} // namespace vantora::test
