// The grid and ruler painters drawn into pictures: line colours, the scene-end handle, bar fills
// and text, stop points, the playhead, the seconds labels and the scroll offset.

#include "editor/timeline/grid_painter.h"
#include "editor/timeline/ruler_painter.h"
#include "editor/timeline/timeline_colours.h"

#include "../document_fixture.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <limits>

namespace vantora::test {
namespace {

using namespace timeline;

QRgb Rgb(const QColor& colour) { return colour.rgb(); }

class GridPainterTest : public DocumentFixture {
protected:
    GridPainter painter;
    std::vector<const TDemoObject*> selected;

    TDemoObject& bar(TObjectKind kind, std::int32_t start, std::int32_t end, const char* name) {
        TDemoObject& object = placeBar(kind, start, end);
        object.Name = name;
        return object;
    }

    QImage paint(int unit = 9, std::optional<int> playhead = std::nullopt, QRect exposed = {}) {
        const TimelineGeometry geometry(scene, unit);
        QImage image(geometry.gridSize(), QImage::Format_ARGB32);
        image.fill(Qt::magenta);
        QPainter p(&image);
        const auto isSelected = [this](const TDemoObject* o) {
            return std::find(selected.begin(), selected.end(), o) != selected.end();
        };
        painter.paint(p, scene, geometry, isSelected, playhead, exposed.isNull() ? image.rect() : exposed);
        return image;
    }

    // Whether any pixel of the rectangle has the colour.
    static bool Holds(const QImage& image, const QRect& area, QRgb colour) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixel(x, y) == colour)
                    return true;
        return false;
    }
    // Whether every pixel of the rectangle has the colour.
    static bool Only(const QImage& image, const QRect& area, QRgb colour) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixel(x, y) != colour)
                    return false;
        return true;
    }
};

TEST_F(GridPainterTest, UnitLinesAreFaceColouredEveryFifthDarkAndTheSceneEndHasItsHandle) {
    scene->Length = 20;
    const QImage image = paint();
    EXPECT_EQ(image.size(), QSize(20 * 9 + 100, 25));
    EXPECT_EQ(image.pixel(9, 10), Rgb(kFaceColour));
    EXPECT_EQ(image.pixel(45, 10), Rgb(kDarkColour));
    EXPECT_EQ(image.pixel(4, 10), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(4, 0), Rgb(kFaceColour));   // the row line
    EXPECT_EQ(image.pixel(4, 20), Rgb(kDarkColour));  // the bottom line
    EXPECT_EQ(image.pixel(4, 22), qRgb(255, 255, 255));
    for (const int dx : {0, 2, 3, 4})
        EXPECT_EQ(image.pixel(180 + dx, 10), Rgb(kDarkColour)) << dx;
    EXPECT_EQ(image.pixel(181, 10), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(185, 10), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(200, 0), qRgb(255, 255, 255)); // no row line past the scene end
}

TEST_F(GridPainterTest, SelectedBarsAreBlueWithWhiteTextOthersFaceWithBlackText) {
    TDemoObject& plain = bar(TObjectKind::Note, 0, 30, "Plain name");
    TDemoObject& chosen = bar(TObjectKind::Label, 0, 30, "Chosen name");
    selected = {&chosen};
    const QImage image = paint();
    const QRect plainText(QPoint(22, 2), QPoint(150, 17));
    const QRect chosenText(QPoint(22, 22), QPoint(150, 37));
    EXPECT_EQ(image.pixel(200, 10), Rgb(kFaceColour));
    EXPECT_EQ(image.pixel(200, 30), Rgb(kSelectedBarColour));
    EXPECT_TRUE(Holds(image, plainText, qRgb(0, 0, 0)));
    EXPECT_FALSE(Holds(image, plainText, qRgb(255, 255, 255)));
    EXPECT_TRUE(Holds(image, chosenText, qRgb(255, 255, 255)));
    // Left of the name room lies the kind icon; the bar's first pixels stay blue.
    EXPECT_FALSE(Only(image, QRect(QPoint(6, 22), QPoint(21, 37)), Rgb(kSelectedBarColour)));
    EXPECT_TRUE(Only(image, QRect(QPoint(3, 22), QPoint(5, 37)), Rgb(kSelectedBarColour)));
    EXPECT_EQ(plain.Name, "Plain name");
}

TEST_F(GridPainterTest, TheNameIsClippedThreePixelsBeforeTheBarEnd) {
    bar(TObjectKind::Note, 0, 5, "A very long name that cannot fit into a short bar");
    const QImage image = paint();
    // The bar covers x 2 .. 43; the name room ends at 41.
    EXPECT_TRUE(Holds(image, QRect(QPoint(22, 2), QPoint(40, 17)), qRgb(0, 0, 0)));
    EXPECT_FALSE(Holds(image, QRect(QPoint(41, 2), QPoint(43, 17)), qRgb(0, 0, 0)));
    EXPECT_FALSE(Holds(image, QRect(QPoint(45, 2), QPoint(80, 17)), qRgb(0, 0, 0)));
}

TEST_F(GridPainterTest, ACursorBarNamesItsMotion) {
    TDemoObject& cursor = bar(TObjectKind::Cursor, 0, 20, "Cursor1");
    EXPECT_EQ(BarLabel(cursor), QStringLiteral("Cursor1 (motion...)"));
    TDemoObject& note = bar(TObjectKind::Note, 0, 20, "Note1");
    EXPECT_EQ(BarLabel(note), QStringLiteral("Note1"));
}

TEST_F(GridPainterTest, StopPointsAndThePlayheadAreLinesOverTheWholeHeight) {
    bar(TObjectKind::Note, 0, 30, "");
    scene->StopPoints = {40};
    const QImage image = paint(9, 70);
    for (const int y : {0, 10, 24})
        EXPECT_EQ(image.pixel(41 * 9, y), Rgb(kStopPointColour)) << y;
    EXPECT_EQ(image.pixel(70 * 9, 12), Rgb(kPlayheadColour));
    const QImage zoomed = paint(18);
    EXPECT_EQ(zoomed.pixel(41 * 18, 12), Rgb(kStopPointColour));
    EXPECT_NE(zoomed.pixel(70 * 18, 12), Rgb(kPlayheadColour));
}

TEST_F(GridPainterTest, OnlyTheExposedRectangleIsDrawnEvenForAnAbsurdScene) {
    bar(TObjectKind::Note, 0, std::numeric_limits<std::int32_t>::max(), "Huge");
    scene->StopPoints = {std::numeric_limits<std::int32_t>::max() - 1};
    const TimelineGeometry geometry(scene, 9);
    QImage image(300, 25, QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    QPainter p(&image);
    painter.paint(p, scene, geometry, {}, std::nullopt, image.rect());
    p.end();
    EXPECT_EQ(image.pixel(100, 10), Rgb(kFaceColour)); // inside the bar
    EXPECT_FALSE(Holds(image, image.rect(), qRgb(255, 0, 255)));
}

class RulerPainterTest : public testing::Test {
protected:
    static QImage paint(RulerPicture ruler) {
        QImage image(ruler.size, QImage::Format_ARGB32);
        image.fill(Qt::magenta);
        QPainter p(&image);
        PaintRuler(p, ruler);
        return image;
    }
};

TEST_F(RulerPainterTest, FaceBevelAndTicks) {
    const QImage image = paint({QSize(400, 26), 0, 9, {}, std::nullopt});
    EXPECT_EQ(image.pixel(0, 10), Rgb(kDarkColour));
    EXPECT_EQ(image.pixel(399, 10), Rgb(kDarkColour));
    EXPECT_EQ(image.pixel(5, 1), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(5, 22), Rgb(kShadeColours[0]));
    EXPECT_EQ(image.pixel(5, 23), Rgb(kShadeColours[1]));
    EXPECT_EQ(image.pixel(5, 24), Rgb(kShadeColours[2]));
    EXPECT_EQ(image.pixel(5, 12), Rgb(kFaceColour));
    EXPECT_EQ(image.pixel(9, 3), Rgb(kDarkColour));   // unit 1
    EXPECT_EQ(image.pixel(45, 3), qRgb(0, 0, 0));     // unit 5
    EXPECT_EQ(image.pixel(45, 21), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(13, 3), Rgb(kFaceColour));  // between ticks
}

TEST_F(RulerPainterTest, SecondsLabelsEveryTenUnitsFollowTheOffset) {
    EXPECT_EQ(RulerLabel(10), QStringLiteral("1s"));
    EXPECT_EQ(RulerLabel(250), QStringLiteral("25s"));
    auto labelInk = [](const QImage& image, int x) {
        int ink = 0;
        for (int y = 7; y < 19; ++y)
            for (int dx = -6; dx <= 6; ++dx)
                if (image.pixel(x + dx, y) == qRgb(0, 0, 0))
                    ++ink;
        return ink;
    };
    const QImage plain = paint({QSize(400, 26), 0, 9, {}, std::nullopt});
    EXPECT_GT(labelInk(plain, 90), 0);
    EXPECT_EQ(labelInk(plain, 135), 0); // unit 15: no label
    const QImage scrolled = paint({QSize(400, 26), -45, 9, {}, std::nullopt});
    EXPECT_EQ(labelInk(scrolled, 90), 0);
    EXPECT_GT(labelInk(scrolled, 45), 0);
}

TEST_F(RulerPainterTest, StopPointsAreRedMarksCentredOnTheirLine) {
    const QImage image = paint({QSize(400, 26), 0, 9, {5}, std::nullopt});
    for (int x = 52; x <= 56; ++x)
        EXPECT_EQ(image.pixel(x, 12), Rgb(kStopPointColour)) << x;
    EXPECT_NE(image.pixel(51, 12), Rgb(kStopPointColour));
    EXPECT_NE(image.pixel(57, 12), Rgb(kStopPointColour));
    const QImage scrolled = paint({QSize(400, 26), -18, 9, {5}, std::nullopt});
    EXPECT_EQ(scrolled.pixel(34, 12), Rgb(kStopPointColour));
    EXPECT_NE(scrolled.pixel(52, 12), Rgb(kStopPointColour));
}

TEST_F(RulerPainterTest, AFarScrolledRulerStillDrawsItsVisibleTicks) {
    const QImage image = paint({QSize(400, 26), -9 * 1000000, 9, {}, 1000010});
    EXPECT_EQ(image.pixel(45, 3), qRgb(0, 0, 0));   // unit 1000005
    EXPECT_EQ(image.pixel(90, 12), Rgb(kPlayheadColour));
}

} // namespace
} // namespace vantora::test
