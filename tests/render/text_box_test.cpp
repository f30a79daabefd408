// The plain text routine: placement by layout, clipping, hard-edged glyphs.

#include "render/text_box.h"
#include "render_test_support.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace vantora {
namespace {

struct InkRows {
    int first = -1, last = -1;
};

// Draws `text` into box (10, 20, 100 x 60) of a white 120 x 100 picture; returns the rows holding ink.
InkRows inkRows(const std::string& text, int layout, QImage* out = nullptr) {
    QImage image(120, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TObjectFont font;
        font.Height = -14;
        DrawTextBox(painter, text, QRect(10, 20, 100, 60), true, layout, taLeft, font);
    }
    InkRows rows;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu) {
                if (rows.first < 0)
                    rows.first = y;
                rows.last = y;
            }
        }
    }
    if (out)
        *out = image;
    return rows;
}

TEST(DrawTextBox, LayoutPutsTheTextAtTheTopMiddleOrBottomOfTheBox) {
    const InkRows top = inkRows("Word", tlTop);
    const InkRows centre = inkRows("Word", tlCenter);
    const InkRows bottom = inkRows("Word", tlBottom);
    ASSERT_GE(top.first, 20);
    EXPECT_LT(top.first, 26);
    EXPECT_LE(bottom.last, 79);
    EXPECT_GT(bottom.last, 72);
    const int middle = (centre.first + centre.last) / 2;
    EXPECT_NEAR(middle, 50, 4);
}

TEST(DrawTextBox, WordWrapBreaksLinesAndTheBoxClips) {
    const InkRows oneLine = inkRows("Hi", tlTop);
    const InkRows wrapped = inkRows("several words that cannot fit on a single line of this box", tlTop);
    EXPECT_GT(wrapped.last - wrapped.first, 2 * (oneLine.last - oneLine.first));
    QImage image;
    inkRows("many many many many many many many many many many many many many many many many many many many many "
            "many many many many many many many many many many many many many many many many many many many",
            tlTop, &image);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 120; ++x)
            if (x < 10 || x >= 110 || y < 20 || y >= 80) {
                ASSERT_EQ(image.pixel(x, y) & 0xFFFFFFu, 0xFFFFFFu) << x << "," << y;
            }
}

TEST(DrawTextBox, GlyphsHaveHardEdgesInTheFontColour) {
    QImage image;
    inkRows("Hard edges", tlTop, &image);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 120; ++x) {
            const QRgb p = image.pixel(x, y) & 0xFFFFFFu;
            ASSERT_TRUE(p == 0u || p == 0xFFFFFFu) << x << "," << y; // no grey anti-aliasing
        }
}

TEST(DrawTextBox, EmptyTextDrawsNothingAndLineBreaksAreNormalised) {
    EXPECT_EQ(inkRows("", tlCenter).first, -1);
    EXPECT_EQ(TextForPainting("a\r\nb\rc\nd"), QStringLiteral("a\nb\nc\nd"));
}

} // namespace
} // namespace vantora
