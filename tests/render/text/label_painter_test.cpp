// The Label painter: coverage as alpha, the font colour, and clipping at the object's edges.

#include "model/demo_object.h"
#include "render/text/text_painters.h"

#include <QImage>

#include <gtest/gtest.h>

namespace vantora {
namespace {

TDemoObject NewLabel() {
    TDemoObject label;
    label.Kind = TObjectKind::Label;
    label.Text = "New Label";
    label.Font.Name = "Arial";
    label.Font.Height = -13;
    label.Font.Color = RGB(200, 30, 10);
    label.Width = 105;
    label.Height = 25;
    return label;
}

struct AlphaCounts {
    int transparent = 0;
    int partial = 0;
    int opaque = 0;
    bool partialInFontColour = true;
    bool opaqueInFontColour = true;
};

AlphaCounts Count(const QImage& picture, QRgb fontColour) {
    AlphaCounts counts;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (qAlpha(p) == 0) {
                ++counts.transparent;
            } else if (qAlpha(p) == 255) {
                ++counts.opaque;
                counts.opaqueInFontColour &= (p & 0xFFFFFF) == (fontColour & 0xFFFFFF);
            } else {
                ++counts.partial;
                counts.partialInFontColour &= (p & 0xFFFFFF) == (fontColour & 0xFFFFFF);
            }
        }
    }
    return counts;
}

TEST(PaintLabel, CaptionCoverageBecomesAlphaInTheFontColour) {
    QImage picture;
    PaintLabel(NewLabel(), picture);
    ASSERT_EQ(picture.size(), QSize(105, 25));
    EXPECT_EQ(picture.format(), QImage::Format_ARGB32);
    const AlphaCounts counts = Count(picture, qRgb(200, 30, 10));
    EXPECT_GT(counts.opaque, 5);
    EXPECT_GT(counts.partial, 20) << "anti-aliased edges";
    EXPECT_GT(counts.transparent, 105 * 25 / 2);
    EXPECT_TRUE(counts.opaqueInFontColour);
    EXPECT_TRUE(counts.partialInFontColour);
    EXPECT_EQ(picture.pixel(104, 24), 0u);
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << "text starts at the top left, glyphs have side bearings";
}

int LastInkedColumn(const QImage& picture) {
    int last = -1;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(picture.pixel(x, y)) != 0) {
                last = std::max(last, x);
            }
        }
    }
    return last;
}

TEST(PaintLabel, TextWiderThanTheLabelIsClippedNotWrapped) {
    TDemoObject label = NewLabel();
    label.Text = "A caption much wider than the label it sits in";
    label.Width = 60;
    label.Height = 40;
    QImage picture;
    PaintLabel(label, picture);
    // The text box is (0, 0, W-1, H-1) with exclusive right and bottom edges.
    const int last = LastInkedColumn(picture);
    EXPECT_LE(last, 58) << "column W-1 lies outside the text box";
    EXPECT_GE(last, 52) << "the text runs on to the edge";
    int inkedRowsBelowFirstLine = 0;
    for (int y = 20; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            inkedRowsBelowFirstLine += qAlpha(picture.pixel(x, y)) != 0;
        }
    }
    EXPECT_EQ(inkedRowsBelowFirstLine, 0) << "no second row";
}

TEST(PaintLabel, TallTextIsClippedAboveTheLastRow) {
    TDemoObject label = NewLabel();
    label.Text = "Hgjy";
    label.Font.Height = -20;
    label.Height = 12;
    QImage picture;
    PaintLabel(label, picture);
    auto rowInk = [&](int y) {
        int ink = 0;
        for (int x = 0; x < picture.width(); ++x) {
            ink += qAlpha(picture.pixel(x, y)) != 0;
        }
        return ink;
    };
    EXPECT_GT(rowInk(10), 0);
    EXPECT_EQ(rowInk(11), 0) << "row H-1 lies outside the text box";
}

TEST(PaintLabel, EmptyCaptionIsFullyTransparent) {
    TDemoObject label = NewLabel();
    label.Text.clear();
    QImage picture;
    PaintLabel(label, picture);
    ASSERT_EQ(picture.size(), QSize(105, 25));
    EXPECT_EQ(Count(picture, 0).transparent, 105 * 25);
}

TEST(PaintLabel, TabsAreExpandedAndNoPrefixIsProcessed) {
    TDemoObject label = NewLabel();
    label.Text = "&&A";
    label.Width = 200;
    QImage withAmpersands;
    PaintLabel(label, withAmpersands);
    label.Text = "A";
    QImage plain;
    PaintLabel(label, plain);
    EXPECT_GT(LastInkedColumn(withAmpersands), LastInkedColumn(plain) + 10) << "both ampersands drawn";

    label.Text = "\tA";
    QImage tabbed;
    PaintLabel(label, tabbed);
    EXPECT_GT(LastInkedColumn(tabbed), LastInkedColumn(plain) + 20);
}

TEST(PaintLabel, UnusableSizesGiveNoPicture) {
    TDemoObject label = NewLabel();
    for (auto [w, h] : {std::pair{0, 25}, {105, -1}, {100000, 25}, {105, 2000000}}) {
        label.Width = w;
        label.Height = h;
        QImage picture(5, 5, QImage::Format_ARGB32);
        PaintLabel(label, picture);
        EXPECT_TRUE(picture.isNull()) << w << " x " << h;
    }
    label.Width = 1;
    label.Height = 1;
    QImage tiny;
    PaintLabel(label, tiny);
    EXPECT_EQ(tiny.size(), QSize(1, 1));
    EXPECT_EQ(tiny.pixel(0, 0), 0u);
}

} // namespace
} // namespace vantora
