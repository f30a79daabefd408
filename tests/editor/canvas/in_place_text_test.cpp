// Editing an object's text where it stands on the canvas: which kinds take a double click, the
// keys that end or take back an edit, line breaks as stored, and one undo step per edit.

#include "editor/canvas/in_place_text.h"
#include "editor/canvas/scene_canvas.h"

#include "../document_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace vantora::test {
namespace {

using canvas::InPlaceText;

TEST(InPlaceText, CaptionsAreOneLineAndBodiesSeveral) {
    const std::pair<TObjectKind, InPlaceText> table[] = {
        {TObjectKind::Balloon, InPlaceText::MultiLine},    {TObjectKind::RoundBalloon, InPlaceText::MultiLine},
        {TObjectKind::Note, InPlaceText::MultiLine},       {TObjectKind::Text, InPlaceText::MultiLine},
        {TObjectKind::Label, InPlaceText::SingleLine},     {TObjectKind::Button, InPlaceText::SingleLine},
        {TObjectKind::InputText, InPlaceText::SingleLine}, {TObjectKind::Shape, InPlaceText::None},
        {TObjectKind::Image, InPlaceText::None},           {TObjectKind::Cursor, InPlaceText::None},
        {TObjectKind::Audio, InPlaceText::None},
    };
    for (const auto& [kind, style] : table)
        EXPECT_EQ(canvas::InPlaceTextOf(kind), style) << ObjectKindName(kind);
}

TEST(InPlaceText, LineBreaksAreStoredAsCrLf) {
    EXPECT_EQ(canvas::ShownText("one\r\ntwo\r\n"), QStringLiteral("one\ntwo\n"));
    EXPECT_EQ(canvas::StoredText(QStringLiteral("one\ntwo")), "one\r\ntwo");
    EXPECT_EQ(canvas::StoredText(QStringLiteral("pasted\r\nline")), "pasted\r\nline"); // not CR CR LF
    EXPECT_EQ(canvas::StoredText(QString::fromUtf8("Größe")), "Größe");
    EXPECT_TRUE(canvas::IsSingleLine(""));
    EXPECT_TRUE(canvas::IsSingleLine("Click Here..."));
    EXPECT_FALSE(canvas::IsSingleLine("a\r\nb"));
    EXPECT_FALSE(canvas::IsSingleLine("a\nb"));
}

class InPlaceEditTest : public DocumentFixture {
protected:
    std::unique_ptr<SceneCanvas> canvas;

    void SetUp() override {
        DocumentFixture::SetUp();
        document.demo().Width = 320;
        document.demo().Height = 240;
        canvas = std::make_unique<SceneCanvas>(document);
        canvas->show();
        canvas->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(canvas.get())); // focus moves only in an active window
    }
    void TearDown() override { canvas.reset(); }

    TDemoObject& object(TObjectKind kind, std::string text) {
        TDemoObject& o = place(kind, 40, 40);
        o.Width = 120;
        o.Height = 60;
        o.Text = std::move(text);
        canvas->resetScene();
        return o;
    }
    void doubleClick(QPoint scenePoint) {
        const QPoint at = scenePoint + QPoint(SceneCanvas::kFrameWidth, SceneCanvas::kFrameWidth);
        QTest::mouseDClick(canvas.get(), Qt::LeftButton, Qt::NoModifier, at);
    }
    QWidget* box() { return canvas->inPlaceText().box(); }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(box(), k, mods); }
};

TEST_F(InPlaceEditTest, OneLineCaptionEndsWithEnterAsOneUndoStep) {
    for (const TObjectKind kind : {TObjectKind::Label, TObjectKind::Button, TObjectKind::InputText}) {
        TDemoObject& o = object(kind, "Old");
        const auto before = bytes();
        doubleClick({60, 60});
        auto* line = qobject_cast<QLineEdit*>(box());
        ASSERT_NE(line, nullptr) << ObjectKindName(kind);
        EXPECT_EQ(line->text(), QStringLiteral("Old"));
        QTest::keyClicks(line, QStringLiteral("New caption")); // replaces the selected text
        EXPECT_EQ(o.Text, "Old"); // nothing reaches the model while typing
        key(Qt::Key_Return);
        EXPECT_EQ(o.Text, "New caption");
        EXPECT_FALSE(canvas->inPlaceText().isOpen());
        EXPECT_EQ(stack().count(), 1);
        expectUndoRedo(before, bytes());
        stack().clear();
        scene->Objects.clear();
        canvas->resetScene();
    }
}

TEST_F(InPlaceEditTest, BodiesTakeEnterAsALineBreakAndEndWithCtrlEnter) {
    TDemoObject& o = object(TObjectKind::Note, "First\r\nSecond");
    doubleClick({60, 60});
    auto* lines = qobject_cast<QPlainTextEdit*>(box());
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(lines->toPlainText(), QStringLiteral("First\nSecond"));
    QTest::keyClicks(lines, QStringLiteral("One"));
    key(Qt::Key_Return);
    QTest::keyClicks(lines, QStringLiteral("Two"));
    EXPECT_TRUE(canvas->inPlaceText().isOpen());
    key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(o.Text, "One\r\nTwo");
    EXPECT_EQ(stack().count(), 1);
    EXPECT_EQ(stack().undoText(), QStringLiteral("Text"));
}

TEST_F(InPlaceEditTest, EscapeTakesTheEditBackAndAnUnchangedTextAddsNoStep) {
    TDemoObject& o = object(TObjectKind::Balloon, "Click Here...");
    doubleClick({60, 60});
    ASSERT_NE(box(), nullptr);
    QTest::keyClicks(box(), QStringLiteral("Gone"));
    key(Qt::Key_Escape);
    EXPECT_EQ(o.Text, "Click Here...");
    EXPECT_FALSE(canvas->inPlaceText().isOpen());
    doubleClick({60, 60});
    key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(stack().count(), 0);
}

TEST_F(InPlaceEditTest, LeavingTheBoxKeepsTheText) {
    TDemoObject& o = object(TObjectKind::Label, "Old");
    auto* elsewhere = new QLineEdit(canvas.get()); // another field of the window
    elsewhere->move(250, 200);
    elsewhere->show();
    doubleClick({60, 60});
    ASSERT_NE(box(), nullptr);
    QTest::keyClicks(box(), QStringLiteral("Kept"));
    elsewhere->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(o.Text, "Kept");
    EXPECT_EQ(stack().count(), 1);
}

TEST_F(InPlaceEditTest, TopmostObjectDecidesAndOtherKindsOpenNothing) {
    TDemoObject& label = object(TObjectKind::Label, "Under");
    TDemoObject& shape = object(TObjectKind::Shape, "");
    doubleClick({60, 60}); // the shape lies over the label
    EXPECT_FALSE(canvas->inPlaceText().isOpen());
    EXPECT_TRUE(document.selection().isSelected(&shape)); // a plain press still selects
    scene->Objects.back()->Left = 200;
    canvas->resetScene();
    doubleClick({60, 60});
    EXPECT_EQ(canvas->inPlaceText().object(), &label);
}

TEST_F(InPlaceEditTest, RemovingTheObjectOrChangingTheSceneDropsTheBox) {
    object(TObjectKind::Label, "Old");
    doubleClick({60, 60});
    ASSERT_TRUE(canvas->inPlaceText().isOpen());
    document.selection().selectOnly(scene->Objects.front().get());
    document.deleteSelection(); // from the menu while the box is open
    EXPECT_FALSE(canvas->inPlaceText().isOpen());
    stack().undo();
    doubleClick({60, 60});
    ASSERT_TRUE(canvas->inPlaceText().isOpen());
    document.addScene();
    EXPECT_FALSE(canvas->inPlaceText().isOpen());
}

} // namespace
} // namespace vantora::test
