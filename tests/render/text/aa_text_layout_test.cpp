// The note text control: wrap points, row pitch, alignment and where painting stops.

#include "render/text/aa_text.h"
#include "render/text/aa_word_wrap.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

namespace vantora {
namespace {

struct WrapCase {
    const char* line;
    int limit;
    QStringList rows;
};

TEST(AAWordWrap, BreaksAfterBlanksAndPunctuation) {
    const WrapCase cases[] = {
        {"aaa bbb ccc", 5, {"aaa ", "bbb ", "ccc"}},
        {"a,b,c,d", 2, {"a,", "b,", "c,", "d"}},
        {"one-two!three?four", 5, {"one-", "two!", "three?", "four"}},
        {"x.y:z;w", 2, {"x.", "y:", "z;", "w"}},
        {"short", 10, {"short"}},
        {"", 4, {""}},
    };
    for (const WrapCase& c : cases) {
        EXPECT_EQ(WrapByColumns(QString::fromUtf8(c.line), c.limit), c.rows) << c.line;
    }
}

TEST(AAWordWrap, RowWithoutABreakRunsOnToTheNextOne) {
    EXPECT_EQ(WrapByColumns(QStringLiteral("abcdefghij"), 3), QStringList{"abcdefghij"});
    EXPECT_EQ(WrapByColumns(QStringLiteral("aaaa bbbb"), 2), (QStringList{"aaaa ", "bbbb"}));
}

TEST(AAWordWrap, BlanksAfterABreakStayOnTheBrokenRow) {
    EXPECT_EQ(WrapByColumns(QStringLiteral("aaa   bbb"), 4), (QStringList{"aaa   ", "bbb"}));
    EXPECT_EQ(WrapByColumns(QStringLiteral("aaa\tbbb"), 4), (QStringList{"aaa\t", "bbb"}));
}

TEST(AAWordWrap, NothingInsideQuotationMarksIsBroken) {
    EXPECT_EQ(WrapByColumns(QStringLiteral("say \"a b c d\" now"), 4), (QStringList{"say ", "\"a b c d\" ", "now"}));
    EXPECT_EQ(WrapByColumns(QStringLiteral("x 'p q r' y"), 3), (QStringList{"x ", "'p q r' ", "y"}));
}

TEST(AAWordWrap, ApostropheInsideAWordIsNoQuotationMark) {
    EXPECT_EQ(WrapByColumns(QStringLiteral("don't stop me now"), 6), (QStringList{"don't ", "stop ", "me now"}));
}

TEST(AAWordWrap, LimitIsAtLeastTwo) {
    EXPECT_EQ(WrapByColumns(QStringLiteral("a b c"), 0), WrapByColumns(QStringLiteral("a b c"), 2));
    EXPECT_EQ(WrapByColumns(QStringLiteral("a b c"), -7), (QStringList{"a ", "b ", "c"}));
}

// --- the control ---

QFont Arial13() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    return font;
}

class AATextTest : public ::testing::Test {
protected:
    AATextTest() {
        text.Font = Arial13();
        text.FontColor = qRgb(0, 0, 0);
    }
    TAAText text;
    TAARandom random{1};
    TAAFontEx font{random};
};

TEST_F(AATextTest, RowsStartAtTheTopAndAdvanceByTheirHeight) {
    text.Lines = {"first", "second", "third"};
    const auto rows = text.LayOut(QSize(200, 200), font);
    ASSERT_EQ(rows.size(), 3u);
    const int h = font.TextExtent(QStringLiteral("first ")).height();
    EXPECT_EQ(rows[0].y, 0);
    EXPECT_EQ(rows[1].y, h);
    EXPECT_EQ(rows[2].y, 2 * h);
    EXPECT_EQ(rows[0].x, 0);
}

TEST_F(AATextTest, RowPitchScalesTheStep) {
    text.Lines = {"a", "b", "c"};
    text.RowPitch = 50;
    auto rows = text.LayOut(QSize(200, 200), font); // also sets the font up
    const int h = font.TextExtent(QStringLiteral("a ")).height();
    EXPECT_EQ(rows[1].y, static_cast<int>(std::lround(1.5 * h)));
    EXPECT_EQ(rows[2].y, 2 * static_cast<int>(std::lround(1.5 * h)));
    text.RowPitch = -100;
    rows = text.LayOut(QSize(200, 200), font);
    EXPECT_EQ(rows[2].y, 0) << "-100 % puts every row on the first";
    text.RowPitch = 40000; // kept to signed 16 bits: 32767 %
    rows = text.LayOut(QSize(200, 100000), font);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[1].y, static_cast<int>(std::lround((32767 / 100.0 + 1) * h)));
}

TEST_F(AATextTest, LongLineWrapsAtBlanksWithinTheBox) {
    const QString line = QStringLiteral("The quick brown fox jumps over the lazy dog again and again");
    text.Lines = {line};
    const auto rows = text.LayOut(QSize(120, 300), font);
    ASSERT_GT(rows.size(), 2u);
    QString joined;
    for (const auto& row : rows) {
        joined += row.text;
        EXPECT_TRUE(row.text.endsWith(u' ') || &row == &rows.back()) << row.text.toStdString();
        EXPECT_LE(font.TextExtent(row.text.trimmed()).width(), 130) << row.text.toStdString();
    }
    EXPECT_EQ(joined, line);
}

TEST_F(AATextTest, WordLongerThanTheBoxIsNotBroken) {
    text.Lines = {"Supercalifragilistic"};
    const auto rows = text.LayOut(QSize(40, 100), font);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_GT(font.TextExtent(rows[0].text).width(), 40);
}

TEST_F(AATextTest, EmptyLineIsABlankRow) {
    text.Lines = {"a", "", "b"};
    const auto rows = text.LayOut(QSize(100, 100), font);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].text, QStringLiteral(" "));
    EXPECT_GT(rows[2].y, rows[1].y);
}

TEST_F(AATextTest, AlignmentPlacesRowsLeftRightOrCentred) {
    text.Lines = {"abc"};
    text.Border = 3;
    text.LayOut(QSize(100, 50), font); // sets the font up
    const int w = font.TextExtent(QStringLiteral("abc")).width();
    text.Alignment = TAAAlignment::taRightJustify;
    EXPECT_EQ(text.LayOut(QSize(100, 50), font)[0].x, 100 - 3 - w);
    text.Alignment = TAAAlignment::taCenter;
    EXPECT_EQ(text.LayOut(QSize(100, 50), font)[0].x, (100 - w) / 2);
    text.Alignment = TAAAlignment::taLeftJustify;
    EXPECT_EQ(text.LayOut(QSize(100, 50), font)[0].x, 3);
    EXPECT_EQ(text.LayOut(QSize(100, 50), font)[0].y, 3);
}

TEST_F(AATextTest, StopsOnceRowsPassTheBottom) {
    for (int i = 0; i < 100; ++i) {
        text.Lines.append(QStringLiteral("row"));
    }
    const auto rows = text.LayOut(QSize(100, 40), font);
    ASSERT_FALSE(rows.empty());
    EXPECT_LT(rows.size(), 6u);
    EXPECT_LE(rows.back().y, 40);
}

TEST_F(AATextTest, PaintFillsTheBackgroundAndDrawsTheRows) {
    text.Color = qRgb(0, 62, 255);
    QImage bitmap(80, 40, QImage::Format_RGB32);
    text.Paint(bitmap, random);
    EXPECT_EQ(bitmap.pixel(79, 39), qRgb(0, 62, 255));
    EXPECT_EQ(bitmap.pixel(0, 0), qRgb(0, 62, 255));

    text.Lines = {"Hello"};
    text.Paint(bitmap, random);
    int inked = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 80; ++x) {
            inked += bitmap.pixel(x, y) != qRgb(0, 62, 255);
        }
    }
    EXPECT_GT(inked, 20);
    EXPECT_EQ(bitmap.pixel(79, 39), qRgb(0, 62, 255));
}

} // namespace
} // namespace vantora
