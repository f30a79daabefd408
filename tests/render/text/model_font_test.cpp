// The model's font record as the text painters see it.

#include "render/text/model_font.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <limits>

namespace vantora {
namespace {

TEST(ModelFont, NegativeHeightIsTheEmSizeInPixels) {
    TObjectFont model;
    model.Name = "Arial";
    model.Height = -13;
    model.Bold = true;
    model.Italic = true;
    model.Underline = true;
    const QFont font = QFontFromModelFont(model);
    EXPECT_EQ(font.pixelSize(), 13);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_FALSE(font.strikeOut());
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans")) << "Arial resolves to its metric twin";
}

TEST(ModelFont, PositiveHeightIsTheCellHeight) {
    TObjectFont model;
    model.Height = 30;
    const QFont font = QFontFromModelFont(model);
    EXPECT_LT(font.pixelSize(), 30);
    EXPECT_NEAR(QFontMetrics(font).ascent() + QFontMetrics(font).descent(), 30, 1);
}

TEST(ModelFont, AbsurdOrMissingSizesStayUsable) {
    TObjectFont model;
    model.Height = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(QFontFromModelFont(model).pixelSize(), kMaxFontPixels);
    model.Height = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(QFontFromModelFont(model).pixelSize(), kMaxFontPixels);
    model.Height = 0;
    EXPECT_EQ(QFontFromModelFont(model).pixelSize(), 13);
    model.Name.clear();
    EXPECT_EQ(QFontFromModelFont(model).family(), QStringLiteral("Arial"));
}

TEST(ModelFont, ColoursSwapFromTheModelLayout) {
    EXPECT_EQ(QRgbFromColor(RGB(1, 2, 3)), qRgb(1, 2, 3));
    EXPECT_EQ(QRgbFromColor(0x00FF3E00), qRgb(0, 62, 255));
}

} // namespace
} // namespace vantora
