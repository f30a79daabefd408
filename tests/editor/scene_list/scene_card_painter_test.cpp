// A card painted into a picture: its greys and frames at their pixels, the thumbnail stretched
// into its box, the list's marks, and text kept to its places.

#include "editor/scene_list/scene_card_geometry.h"
#include "editor/scene_list/scene_card_painter.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <utility>

#include <gtest/gtest.h>

namespace vantora::scene_list {
namespace {

const QRgb kCard = qRgb(230, 230, 230);
const QRgb kFrame = qRgb(128, 128, 128);
const QRgb kInner = qRgb(250, 250, 250);
const QRgb kBorder = qRgb(200, 200, 200);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kRed = qRgb(255, 0, 0);

class CardPainting : public testing::Test {
protected:
    QImage thumbnail{99, 74, QImage::Format_ARGB32};
    SceneCard card;

    void SetUp() override {
        thumbnail.fill(kRed);
        card.thumbnail = &thumbnail;
        card.thumbnailBox = QRect(13, 6, 99, 74);
        card.length = QStringLiteral("10.0s");
        card.name = QStringLiteral("Intro");
        card.number = 3;
    }

    // The card painted at `offset` inside a larger picture, cut back out.
    QImage paint(QPoint offset = QPoint(0, 0)) const {
        QImage picture(kCardSize.width() + offset.x() + 10, kCardSize.height() + offset.y() + 10,
                       QImage::Format_ARGB32);
        picture.fill(Qt::white);
        {
            QPainter painter(&picture);
            PaintSceneCard(painter, QRect(offset, kCardSize), card);
        }
        return picture.copy(QRect(offset, kCardSize));
    }

    static bool AnyPixelOtherThan(const QImage& picture, const QRect& area, QRgb colour) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (picture.pixel(x, y) != colour)
                    return true;
        return false;
    }
};

TEST_F(CardPainting, GreysFrameAndThumbnailSitAtTheirPixels) {
    const QImage picture = paint();
    EXPECT_EQ(picture.pixel(0, 0), kCard);
    EXPECT_EQ(picture.pixel(1, 50), kCard);
    // The frame's outline runs on (2, 2) and on W - 5, H - 5; beyond it the card grey again.
    EXPECT_EQ(picture.pixel(2, 50), kFrame);
    EXPECT_EQ(picture.pixel(64, 2), kFrame);
    EXPECT_EQ(picture.pixel(123, 50), kFrame);
    EXPECT_EQ(picture.pixel(64, 95), kFrame);
    EXPECT_EQ(picture.pixel(124, 50), kCard);
    EXPECT_EQ(picture.pixel(3, 50), kCard); // inside the frame, outside the inner area
    // The inner area spans 6 .. 119 across and 6 .. 80 down.
    EXPECT_EQ(picture.pixel(6, 40), kInner);
    EXPECT_EQ(picture.pixel(119, 40), kInner);
    EXPECT_EQ(picture.pixel(5, 40), kCard);
    EXPECT_EQ(picture.pixel(120, 40), kCard);
    // One grey-200 pixel round the thumbnail, the thumbnail inside.
    EXPECT_EQ(picture.pixel(12, 40), kBorder);
    EXPECT_EQ(picture.pixel(112, 40), kBorder);
    EXPECT_EQ(picture.pixel(50, 5), kBorder);
    EXPECT_EQ(picture.pixel(50, 80), kBorder);
    EXPECT_EQ(picture.pixel(13, 6), kRed);
    EXPECT_EQ(picture.pixel(111, 79), kRed);
    EXPECT_EQ(picture.pixel(11, 40), kInner);
}

TEST_F(CardPainting, TheCardIsDrawnAtTheItemsPlace) {
    card.selected = true;
    card.name = QStringLiteral("Shifted");
    const QImage atOrigin = paint();
    const QImage shifted = paint(QPoint(17, 230));
    EXPECT_EQ(atOrigin, shifted);
}

TEST_F(CardPainting, ASmallThumbnailIsStretchedIntoItsBox) {
    QImage tiny(2, 2, QImage::Format_ARGB32);
    tiny.fill(kRed);
    card.thumbnail = &tiny;
    const QImage picture = paint();
    EXPECT_EQ(picture.pixel(13, 6), kRed);
    EXPECT_EQ(picture.pixel(111, 79), kRed);
    EXPECT_EQ(picture.pixel(60, 40), kRed);
}

TEST_F(CardPainting, WithoutAThumbnailTheBoxStaysLight) {
    card.thumbnail = nullptr;
    const QImage picture = paint();
    EXPECT_EQ(picture.pixel(60, 40), kInner);
    EXPECT_EQ(picture.pixel(12, 40), kBorder);
}

TEST_F(CardPainting, SelectionFrameIsThreeBluePixelsInsideItsEdge) {
    EXPECT_NE(paint().pixel(3, 50), kBlue);
    card.selected = true;
    const QImage picture = paint();
    for (int x : {3, 4, 5})
        EXPECT_EQ(picture.pixel(x, 50), kBlue) << x;
    EXPECT_NE(picture.pixel(6, 50), kBlue);
    for (int x : {119, 120, 121})
        EXPECT_EQ(picture.pixel(x, 50), kBlue) << x;
    EXPECT_NE(picture.pixel(118, 50), kBlue);
    EXPECT_NE(picture.pixel(122, 50), kBlue);
    for (int y : {3, 4, 5, 90, 91, 92})
        EXPECT_EQ(picture.pixel(64, y), kBlue) << y;
    EXPECT_NE(picture.pixel(64, 93), kBlue);
    EXPECT_NE(picture.pixel(64, 6), kBlue);
}

TEST_F(CardPainting, DropTargetGetsABlueLineAlongItsTop) {
    EXPECT_NE(paint().pixel(64, 0), kBlue);
    card.dropTarget = true;
    const QImage picture = paint();
    for (int x : {0, 64, 127})
        for (int y : {0, 1, 2})
            EXPECT_EQ(picture.pixel(x, y), kBlue) << x << "," << y;
    EXPECT_NE(picture.pixel(64, 3), kBlue);
}

TEST_F(CardPainting, TextsStayInTheirPlaces) {
    card.name = QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    card.length = QStringLiteral("10.0s");
    const QImage picture = paint();
    // The long name is cut at W - 8: the frame's surround right of it stays plain.
    EXPECT_TRUE(AnyPixelOtherThan(picture, NameTextBox(kCardSize), kCard));
    EXPECT_FALSE(AnyPixelOtherThan(picture, QRect(120, 81, 3, 14), kCard));
    // The length starts at x = 30 and the number lies in its own box.
    EXPECT_TRUE(AnyPixelOtherThan(picture, QRect(30, 81, 28, 13), kCard));
    EXPECT_TRUE(AnyPixelOtherThan(picture, NumberBox(kCardSize), kCard));
    EXPECT_FALSE(AnyPixelOtherThan(picture, QRect(28, 81, 1, 13), kCard));
}

TEST_F(CardPainting, TheTextsStandClearOfWhereTheSelectionFrameGoes) {
    card.name = QStringLiteral("HHHHHHHH");
    card.length = QStringLiteral("10.0s");
    const QImage plain = paint();
    // The rows (first, last) holding text in the columns [left, right) of the text row.
    auto inkRows = [&](int left, int right) {
        int top = 1000;
        int bottom = -1;
        for (int y = 81; y < 95; ++y)
            for (int x = left; x < right; ++x)
                if (plain.pixel(x, y) != kCard) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return std::pair(top, bottom);
    };
    // Capitals and digits end on the row above the frame's first blue row (90), so a selected
    // card hides none of them.
    for (const auto& [left, right] : {std::pair(60, 118), std::pair(30, 58), std::pair(7, 27)}) {
        const auto [top, bottom] = inkRows(left, right);
        EXPECT_EQ(bottom, 89) << left;
        EXPECT_GE(top, 81) << left;
        EXPECT_GE(bottom - top, 6) << left << ": at least seven rows high";
    }
    card.selected = true;
    const QImage selected = paint();
    for (int x = 3; x < 122; ++x)
        EXPECT_EQ(selected.pixel(x, 90), kBlue) << x;
    EXPECT_EQ(selected.copy(QRect(30, 81, 88, 9)), plain.copy(QRect(30, 81, 88, 9)));
}

TEST_F(CardPainting, TheLengthEndsBeforeTheNameBegins) {
    card.name = QString();
    card.length = QStringLiteral("10.0s");
    const QImage picture = paint();
    EXPECT_TRUE(AnyPixelOtherThan(picture, QRect(30, 81, 26, 9), kCard));
    EXPECT_FALSE(AnyPixelOtherThan(picture, QRect(58, 81, 2, 13), kCard));
}

TEST_F(CardPainting, TheNameIsGrey130AndTheNumberDark) {
    card.name = QStringLiteral("IIIIIIIIIIIIIIII");
    const QImage picture = paint();
    int darkest = 255;
    for (int y = 81; y < 95; ++y)
        for (int x = 60; x < 120; ++x)
            darkest = std::min(darkest, qGray(picture.pixel(x, y)));
    EXPECT_GE(darkest, 125); // never darker than its own grey
    EXPECT_LE(darkest, 170);
    int darkestNumber = 255;
    for (int y = 81; y < 94; ++y)
        for (int x = 6; x < 28; ++x)
            darkestNumber = std::min(darkestNumber, qGray(picture.pixel(x, y)));
    EXPECT_LT(darkestNumber, 100);
}

} // namespace
} // namespace vantora::scene_list
