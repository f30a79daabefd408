// The scene card's layout: where the thumbnail box lands for demos of many shapes (never enlarged
// beyond 1:1), the fixed parts of the card, and the length and name texts.

#include "editor/scene_list/scene_card_geometry.h"

#include <gtest/gtest.h>

namespace vantora::scene_list {
namespace {

struct BoxCase {
    std::int64_t width, height;
    QRect expected;
};

class ThumbnailBoxTest : public testing::TestWithParam<BoxCase> {};

TEST_P(ThumbnailBoxTest, DemoSizeIsScaledDownAndCentredInTheInnerArea) {
    const BoxCase& c = GetParam();
    EXPECT_EQ(ThumbnailBox(kCardSize, c.width, c.height), c.expected) << c.width << " x " << c.height;
}

INSTANTIATE_TEST_SUITE_P(
    DemoSizes, ThumbnailBoxTest,
    testing::Values(
        // 4:3 screens are limited by the height (74 / 480): 98.67 rounds to 99 pixels across.
        BoxCase{640, 480, QRect(13, 6, 99, 74)}, BoxCase{800, 600, QRect(13, 6, 99, 74)},
        BoxCase{1024, 768, QRect(13, 6, 99, 74)},
        // A wide demo is limited by the width (113 / 1280) and sits in the middle of the height.
        BoxCase{1280, 400, QRect(6, 26, 113, 35)},
        // A tall one is limited by the height and sits in the middle of the width.
        BoxCase{400, 1000, QRect(48, 6, 30, 74)},
        // Smaller than the box: shown 1:1, never enlarged.
        BoxCase{100, 50, QRect(13, 18, 100, 50)}, BoxCase{1, 1, QRect(62, 43, 1, 1)},
        // Exactly the largest box.
        BoxCase{113, 74, QRect(6, 6, 113, 74)}));

TEST(ThumbnailBox, ADemoWithoutAreaOrOfAbsurdSizeGivesAnEmptyBox) {
    EXPECT_TRUE(ThumbnailBox(kCardSize, 0, 480).isEmpty());
    EXPECT_TRUE(ThumbnailBox(kCardSize, 640, -1).isEmpty());
    // Scaled to 113 pixels across, the height rounds to nothing.
    EXPECT_TRUE(ThumbnailBox(kCardSize, 2147483647, 1).isEmpty());
    const QRect huge = ThumbnailBox(kCardSize, 2147483647, 2147483647);
    EXPECT_EQ(huge.size(), QSize(74, 74));
}

TEST(CardLayout, FixedPartsOfA128By100Card) {
    EXPECT_EQ(CardFrame(kCardSize), QRect(2, 2, 122, 94));
    EXPECT_EQ(CardInnerArea(kCardSize), QRect(6, 6, 114, 75));
    EXPECT_EQ(LengthTextOrigin(kCardSize), QPoint(30, 81));
    EXPECT_EQ(NameTextBox(kCardSize), QRect(60, 81, 60, 14));
    EXPECT_EQ(NumberBox(kCardSize), QRect(6, 81, 22, 13));
    EXPECT_EQ(SelectionFrame(kCardSize), QRect(3, 3, 119, 90));
}

TEST(CardTexts, LengthInSecondsWithOneDecimal) {
    EXPECT_EQ(LengthText(100), QStringLiteral("10.0s"));
    EXPECT_EQ(LengthText(15), QStringLiteral("1.5s"));
    EXPECT_EQ(LengthText(0), QStringLiteral("0.0s"));
    EXPECT_EQ(LengthText(1234), QStringLiteral("123.4s"));
    EXPECT_EQ(LengthText(-10), QStringLiteral("-1.0s"));
    EXPECT_EQ(LengthText(2147483647), QStringLiteral("214748364.7s"));
}

TEST(CardTexts, AnEmptyNameShowsARowOfUnderscores) {
    EXPECT_EQ(CardNameText(""), QStringLiteral("_____________"));
    EXPECT_EQ(CardNameText("Intro"), QStringLiteral("Intro"));
    EXPECT_EQ(CardNameText(" "), QStringLiteral(" ")); // only a truly empty name is replaced
    EXPECT_EQ(CardNameText("Gr\xC3\xB6\xC3\x9F" "e"), QString::fromUtf8("Gr\xC3\xB6\xC3\x9F" "e"));
}

} // namespace
} // namespace vantora::scene_list
