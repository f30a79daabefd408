// The grids in the main window ask through the window's own message boxes and dialog runner, so
// that whoever answers the window answers the grids too.

#include "main_form_fixture.h"

#include "editor/document/editor_document.h"
#include "editor/document/editor_selection.h"
#include "editor/grids/property_grid.h"

namespace vantora::test {
namespace {

class GridPromptsTest : public MainFormTest {
protected:
    TPropertyGrid* grid() {
        auto* found = form->findChild<TPropertyGrid*>(QStringLiteral("PropertyGrid"));
        EXPECT_NE(found, nullptr);
        return found;
    }
    void pick(TObjectKind kind) {
        TDemoObject* object = form->document().addObject(kind, 10, 10);
        ASSERT_NE(object, nullptr);
        form->document().selection().selectOnly(object);
        QApplication::processEvents();
    }
    void press(const QString& row) {
        const int at = grid()->table()->tableRowOf(row);
        ASSERT_GT(at, 0) << row.toStdString();
        emit grid()->table()->ellipsisPressed(at - 1);
        QApplication::processEvents();
    }
};

TEST_F(GridPromptsTest, InvalidSoundFileTypeIsToldThroughTheWindowsMessageBox) {
    form->New1Click();
    pick(TObjectKind::Audio);
    TempDir dir;
    writeFileBytes(dir / "clip.ogg", {1, 2, 3});
    dialogs.openAnswer = QString::fromStdString((dir / "clip.ogg").string());
    press("Audio");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages.front().caption, "Information");
    EXPECT_EQ(dialogs.messages.front().text, "Invalid file type.");
    EXPECT_EQ(dialogs.messages.front().icon, MessageIcon::Information);
    EXPECT_EQ(dialogs.openFilter, "All (*.wav; *.mp3)|*.wav; *.mp3|WAV files (*.wav)|*.wav|MP3 files (*.mp3)|*.mp3");
}

TEST_F(GridPromptsTest, EllipsisDialogsRunThroughTheWindowsDialogRunner) {
    form->New1Click();
    pick(TObjectKind::Shape);
    answerDialog = [](QDialog&) { return int(QDialog::Rejected); };
    dialogsRun.clear();
    press("FillColor");
    pick(TObjectKind::Image);
    press("Image");
    pick(TObjectKind::Label);
    press("Font");
    EXPECT_EQ(dialogsRun.size(), 3);
    EXPECT_EQ(dialogsRun.value(0), "Color Editor");
    EXPECT_EQ(dialogsRun.value(1), "Image Editor");
}

} // namespace
} // namespace vantora::test
