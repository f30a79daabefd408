// The text editor: what counts as a change, line breaks, loading in both encodings, saving, and
// files it refuses.

#include "dialogs/text_editor_form.h"
#include "dialogs/text_file.h"
#include "fake_prompts.h"
#include "test_support.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace vantora {
namespace {

using test::Child;
using test::ClickButton;
using test::FakePrompts;

using test::EditThenPress;

QString PathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

TEST(TextEditorForm, OkWithoutEditReturnsFalse) {
    FakePrompts prompts;
    std::string text = "one\r\ntwo";
    EXPECT_FALSE(RunTextEditorForm(text, nullptr, prompts, EditThenPress("&OK", [](QDialog&) {})));
    EXPECT_EQ(text, "one\r\ntwo");
}

TEST(TextEditorForm, TypedLinesComeBackJoinedByLineBreaks) {
    FakePrompts prompts;
    std::string text = "one\r\ntwo";
    const auto type = [](QDialog& dialog) {
        auto* memo = Child<QPlainTextEdit>(dialog, "Memo");
        QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, "three");
        EXPECT_TRUE(dialog.isVisible()); // Enter made a line, it did not press OK
    };
    EXPECT_TRUE(RunTextEditorForm(text, nullptr, prompts, EditThenPress("&OK", type)));
    EXPECT_EQ(text, "one\r\ntwo\r\nthree");
}

TEST(TextEditorForm, CancelKeepsTheText) {
    FakePrompts prompts;
    std::string text = "keep";
    EXPECT_FALSE(RunTextEditorForm(text, nullptr, prompts, EditThenPress("&Cancel", [](QDialog& dialog) {
        QTest::keyClicks(Child<QPlainTextEdit>(dialog, "Memo"), "lost");
    })));
    EXPECT_EQ(text, "keep");
}

TEST(TextEditorForm, ClearAndLoadOfTheSameTextCountAsChanges) {
    FakePrompts prompts;
    std::string text = "gone";
    EXPECT_TRUE(RunTextEditorForm(text, nullptr, prompts, EditThenPress("&OK", [](QDialog& dialog) {
        ClickButton(dialog, "Clear");
    })));
    EXPECT_EQ(text, "");

    test::TempDir dir;
    test::writeFileBytes(dir / "same.txt", {'s', 'a', 'm', 'e'});
    prompts.openNames = {PathText(dir / "same.txt")};
    text = "same";
    EXPECT_TRUE(RunTextEditorForm(text, nullptr, prompts, EditThenPress("&OK", [](QDialog& dialog) {
        ClickButton(dialog, "&Load...");
    })));
    EXPECT_EQ(text, "same");
    EXPECT_EQ(prompts.openFilters.value(0), kTextFileFilter);
}

TEST(TextEditorForm, SaveAsWritesUtf8) {
    FakePrompts prompts;
    test::TempDir dir;
    prompts.saveNames = {PathText(dir / "out.txt")};
    std::string text = "caf\xC3\xA9\r\nzwei";
    EXPECT_FALSE(RunTextEditorForm(text, nullptr, prompts, EditThenPress("&Cancel", [](QDialog& dialog) {
        ClickButton(dialog, "&Save As...");
    })));
    EXPECT_EQ(test::readFileBytes(dir / "out.txt"),
              (std::vector<unsigned char>{'c', 'a', 'f', 0xC3, 0xA9, '\n', 'z', 'w', 'e', 'i'}));
    EXPECT_EQ(prompts.saveFilters.value(0), kTextFileFilter);
}

TEST(TextFile, ReadsUtf8WithOrWithoutMarkAndWindows1252) {
    test::TempDir dir;
    test::writeFileBytes(dir / "bom.txt", {0xEF, 0xBB, 0xBF, 'a', 0xC3, 0xA9});
    test::writeFileBytes(dir / "ansi.txt", {'a', 0xE9, 0x80});
    EXPECT_EQ(ReadTextFile(dir / "bom.txt").text, QString::fromUtf8("a\xC3\xA9"));
    EXPECT_EQ(ReadTextFile(dir / "ansi.txt").text, QString::fromUtf8("a\xC3\xA9\xE2\x82\xAC"));
}

TEST(TextFile, MissingAndOversizedFilesAreRefusedWithAReason) {
    test::TempDir dir;
    const TextFileResult missing = ReadTextFile(dir / "none.txt");
    EXPECT_FALSE(missing.text.has_value());
    EXPECT_TRUE(missing.error.contains("none.txt"));
    test::writeFileBytes(dir / "big.txt", std::vector<unsigned char>(kMaxTextFileBytes + 1, 'x'));
    const TextFileResult big = ReadTextFile(dir / "big.txt");
    EXPECT_FALSE(big.text.has_value());
    EXPECT_TRUE(big.error.contains("too large"));

    FakePrompts prompts;
    prompts.openNames = {QString::fromStdString((dir / "big.txt").string())};
    std::string text = "old";
    EXPECT_FALSE(RunTextEditorForm(text, nullptr, prompts, EditThenPress("&OK", [](QDialog& dialog) {
        ClickButton(dialog, "&Load...");
    })));
    EXPECT_EQ(text, "old");
    ASSERT_EQ(prompts.informations.size(), 1u);
}

} // namespace
} // namespace vantora
