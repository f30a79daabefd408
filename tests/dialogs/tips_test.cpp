// "What's New?": the rich text reader and the version rule of the start-up window.

#include "dialogs/program_identity.h"
#include "dialogs/tips/rtf_reader.h"
#include "dialogs/tips/tips_form.h"
#include "fake_prompts.h"
#include "storage/app_settings_file.h"
#include "storage/editor_settings.h"
#include "test_support.h"

#include <QCheckBox>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace vantora {
namespace {

using test::Child;
using test::ClickButton;

QString Plain(std::string_view rtf) {
    QTextDocument document;
    EXPECT_TRUE(ReadRtf(rtf, document));
    return document.toPlainText();
}

// The character format at the first occurrence of `word`.
QTextCharFormat FormatAt(const QTextDocument& document, const QString& word) {
    QTextCursor cursor = document.find(word);
    EXPECT_FALSE(cursor.isNull()) << word.toStdString();
    return cursor.charFormat();
}

TEST(RtfReader, RefusesWhatIsNotRichText) {
    QTextDocument document;
    EXPECT_FALSE(ReadRtf("plain words", document));
    EXPECT_FALSE(ReadRtf("", document));
    EXPECT_TRUE(document.isEmpty());
}

TEST(RtfReader, ParagraphsEscapesAndSkippedTables) {
    const char* rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
                      "{\\*\\generator Hidden;}\\f0 One \\{braces\\}\\par Caf\\'e9 \\u8364?\\line x\\tab y}";
    EXPECT_EQ(Plain(rtf), QString::fromUtf8("One {braces}\nCaf\xC3\xA9 \xE2\x82\xAC\nx\ty"));
}

TEST(RtfReader, BoldItalicSizeColourAndAlignment) {
    QTextDocument document;
    ASSERT_TRUE(ReadRtf("{\\rtf1{\\colortbl;\\red0\\green0\\blue255;}\\qc{\\b Bold}\\par\\pard "
                        "{\\i\\fs40 Big}{\\cf1 Blue}\\b0 plain}",
                        document));
    EXPECT_EQ(FormatAt(document, "Bold").fontWeight(), QFont::Bold);
    EXPECT_EQ(document.firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(document.lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_TRUE(FormatAt(document, "Big").fontItalic());
    EXPECT_DOUBLE_EQ(FormatAt(document, "Big").fontPointSize(), 20.0);
    EXPECT_EQ(FormatAt(document, "Blue").foreground().color(), QColor(0, 0, 255));
    EXPECT_NE(FormatAt(document, "plain").fontWeight(), QFont::Bold);
}

TEST(RtfReader, DamagedInputStaysBounded) {
    EXPECT_EQ(Plain("{\\rtf1 cut off \\'"), "cut off ");
    EXPECT_EQ(Plain("{\\rtf1 a}}}} b"), "a b");
    std::string deep = "{\\rtf1 top";
    deep += std::string(100000, '{') + "deep" + std::string(100000, '}') + " end}";
    EXPECT_EQ(Plain(deep), "top end");
    EXPECT_EQ(Plain("{\\rtf1 \\fs999999999999 huge\\u-4000? \\xyz123 ok}"), QStringLiteral("huge") + QChar(0xF060) + " ok");
}

TEST(RtfReader, RandomDamageNeverBreaksIt) {
    // Control characters, braces, backslashes and hex escapes in every order.
    const std::string alphabet = "{}\\'*uc0123456789-abfsparlinqx; \r\n\xE9";
    std::uint32_t state = 12345;
    for (int round = 0; round < 300; ++round) {
        std::string rtf = "{\\rtf1 ";
        for (int i = 0; i < 200; ++i) {
            state = state * 1664525u + 1013904223u;
            rtf += alphabet[(state >> 16) % alphabet.size()];
        }
        QTextDocument document;
        EXPECT_TRUE(ReadRtf(rtf, document));
        EXPECT_LE(document.characterCount(), 400);
    }
}

TEST(TipsDecision, VersionRule) {
    // At start-up: only for a version not acknowledged yet, and only with a tips file.
    EXPECT_FALSE(DecideTips(TipsOccasion::StartUp, "1.0", "1.0", true).show);
    EXPECT_FALSE(DecideTips(TipsOccasion::StartUp, "1.0", "1.0", false).show);
    EXPECT_FALSE(DecideTips(TipsOccasion::StartUp, "0.9", "1.0", false).show);
    const TipsDecision fresh = DecideTips(TipsOccasion::StartUp, "", "1.0", true);
    EXPECT_TRUE(fresh.show);
    EXPECT_TRUE(fresh.offerCheckBox);
    // From the menu: always with a tips file; the check box only while unacknowledged.
    const TipsDecision asked = DecideTips(TipsOccasion::Menu, "1.0", "1.0", true);
    EXPECT_TRUE(asked.show);
    EXPECT_FALSE(asked.offerCheckBox);
    EXPECT_TRUE(DecideTips(TipsOccasion::Menu, "0.9", "1.0", true).offerCheckBox);
    EXPECT_FALSE(DecideTips(TipsOccasion::Menu, "1.0", "1.0", false).show);
}

class TipsWindow : public ::testing::Test {
protected:
    void writeTips() {
        test::writeFileBytes(folder_.path() / kTipsFileName,
                             {'{', '\\', 'r', 't', 'f', '1', ' ', 'H', 'e', 'l', 'l', 'o', '}'});
    }
    std::string storedVersion() const { return ReadAcknowledgedVersion(SettingsFile()); }

    test::ScopedProgramFolder folder_;
};

DialogDriver Untick(bool untick, QString* shownText = nullptr, bool* boxVisible = nullptr) {
    return [=](QDialog& dialog) {
        dialog.show();
        auto* box = Child<QCheckBox>(dialog, "ShowOnStartupBox");
        if (boxVisible)
            *boxVisible = box->isVisible();
        if (shownText)
            *shownText = Child<QTextBrowser>(dialog, "TipsText")->toPlainText();
        if (untick)
            QTest::mouseClick(box, Qt::LeftButton);
        ClickButton(dialog, "OK");
        return dialog.result();
    };
}

TEST_F(TipsWindow, WithoutTipsFileNothingShows) {
    EXPECT_FALSE(RunTipsForm(TipsOccasion::StartUp, nullptr, Untick(false)));
    EXPECT_FALSE(RunTipsForm(TipsOccasion::Menu, nullptr, Untick(false)));
}

TEST_F(TipsWindow, UntickingAcknowledgesThisVersion) {
    writeTips();
    QString text;
    bool visible = false;
    ASSERT_TRUE(RunTipsForm(TipsOccasion::StartUp, nullptr, Untick(true, &text, &visible)));
    EXPECT_EQ(text, "Hello");
    EXPECT_TRUE(visible);
    EXPECT_EQ(storedVersion(), ProgramFileVersion().toStdString());
    EXPECT_FALSE(RunTipsForm(TipsOccasion::StartUp, nullptr, Untick(false)));
    ASSERT_TRUE(RunTipsForm(TipsOccasion::Menu, nullptr, Untick(false, nullptr, &visible)));
    EXPECT_FALSE(visible);
}

TEST_F(TipsWindow, KeepingTheBoxTickedShowsItAgainNextTime) {
    writeTips();
    ASSERT_TRUE(RunTipsForm(TipsOccasion::StartUp, nullptr, Untick(false)));
    EXPECT_EQ(storedVersion(), "");
    // Ticked off and on again: still wanted at start-up.
    const auto twice = [](QDialog& dialog) {
        dialog.show();
        auto* box = Child<QCheckBox>(dialog, "ShowOnStartupBox");
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::mouseClick(box, Qt::LeftButton);
        ClickButton(dialog, "OK");
        return dialog.result();
    };
    ASSERT_TRUE(RunTipsForm(TipsOccasion::StartUp, nullptr, twice));
    EXPECT_EQ(storedVersion(), "");
}

TEST_F(TipsWindow, AnOlderAcknowledgedVersionShowsAgain) {
    writeTips();
    ASSERT_TRUE(WriteAcknowledgedVersion(SettingsFile(), "0.0.0.1"));
    EXPECT_TRUE(RunTipsForm(TipsOccasion::StartUp, nullptr, Untick(false)));
}

} // namespace
} // namespace vantora
