// Rows, bar rectangles, the grid size, the grid hit test in its designed order and the ruler
// positions, at the normal unit width and zoomed.

#include "editor/timeline/timeline_geometry.h"

#include "../document_fixture.h"

#include <gtest/gtest.h>

#include <limits>

namespace vantora::test {
namespace {

using timeline::GrabPart;
using timeline::TimelineGeometry;

class TimelineGeometryTest : public DocumentFixture {
protected:
    TimelineGeometry geometry(int unit = 9) const { return TimelineGeometry(scene, unit); }
};

TEST_F(TimelineGeometryTest, AnEmptySceneOrNoSceneHasOneEmptyRow) {
    EXPECT_EQ(geometry().rowCount(), 1);
    EXPECT_EQ(geometry().gridSize(), QSize(100 * 9 + 100, 25));
    const TimelineGeometry none(nullptr, 9);
    EXPECT_EQ(none.rowCount(), 1);
    EXPECT_EQ(none.extent(), 0);
    EXPECT_EQ(none.hitTest({2, 5}).part, GrabPart::None); // no scene end to grab either
}

TEST_F(TimelineGeometryTest, CursorsShareRowZeroAndOtherObjectsTakeTheNextRowsInListOrder) {
    TDemoObject& c1 = placeBar(TObjectKind::Cursor, 0, 20);
    TDemoObject& c2 = placeBar(TObjectKind::Cursor, 20, 40);
    EXPECT_EQ(geometry().rowCount(), 1); // only cursors: one row
    TDemoObject& note = placeBar(TObjectKind::Note, 0, 30);
    TDemoObject& sound = placeBar(TObjectKind::Audio, 0, 30);
    TDemoObject& label = placeBar(TObjectKind::Label, 0, 30);
    const TimelineGeometry g = geometry();
    EXPECT_EQ(g.rowCount(), 4);
    EXPECT_EQ(g.rowOf(&c1), 0);
    EXPECT_EQ(g.rowOf(&c2), 0);
    // The list order (normalised: others, cursors, audio) decides the rows of the others.
    EXPECT_EQ(g.rowOf(&note), 1);
    EXPECT_EQ(g.rowOf(&label), 2);
    EXPECT_EQ(g.rowOf(&sound), 3);
    EXPECT_EQ(g.gridSize().height(), 4 * 20 + 5);
}

TEST_F(TimelineGeometryTest, WithoutCursorsTheFirstObjectTakesRowZero) {
    TDemoObject& note = placeBar(TObjectKind::Note, 0, 30);
    TDemoObject& label = placeBar(TObjectKind::Label, 0, 30);
    EXPECT_EQ(geometry().rowOf(&note), 0);
    EXPECT_EQ(geometry().rowOf(&label), 1);
    EXPECT_EQ(geometry().rowCount(), 2);
    TDemoObject stranger;
    EXPECT_EQ(geometry().rowOf(&stranger), -1);
}

TEST_F(TimelineGeometryTest, TheExtentIsTheLengthOrTheLastEnd) {
    placeBar(TObjectKind::Note, 0, 30);
    EXPECT_EQ(geometry().extent(), 100);
    placeBar(TObjectKind::Label, 50, 140); // ends after the scene (damaged or not yet raised)
    EXPECT_EQ(geometry().extent(), 140);
    EXPECT_EQ(geometry().gridSize().width(), 140 * 9 + 100);
    EXPECT_EQ(geometry(18).gridSize().width(), 140 * 18 + 100);
}

TEST_F(TimelineGeometryTest, BarsLieTwoPixelsInsideTheirTimesAndOnePixelInsideTheirRow) {
    TDemoObject& cursor = placeBar(TObjectKind::Cursor, 3, 10);
    TDemoObject& note = placeBar(TObjectKind::Note, 5, 12);
    EXPECT_EQ(geometry().barRect(cursor), QRect(QPoint(29, 1), QPoint(88, 18)));
    EXPECT_EQ(geometry().barRect(note), QRect(QPoint(47, 21), QPoint(106, 38)));
    EXPECT_EQ(geometry(4).barRect(note), QRect(QPoint(22, 21), QPoint(46, 38)));
}

TEST_F(TimelineGeometryTest, HitTestFindsBodyStartEdgeAndEndEdge) {
    TDemoObject& note = placeBar(TObjectKind::Note, 10, 20); // x 90 .. 180
    const TimelineGeometry g = geometry();
    struct Case {
        QPoint point;
        GrabPart part;
    };
    const Case cases[] = {
        {{86, 10}, GrabPart::None},      {{87, 10}, GrabPart::StartEdge}, {{93, 10}, GrabPart::StartEdge},
        {{94, 10}, GrabPart::Body},      {{176, 10}, GrabPart::Body},     {{177, 10}, GrabPart::EndEdge},
        {{183, 10}, GrabPart::EndEdge},  {{184, 10}, GrabPart::None},     {{130, 0}, GrabPart::None},
        {{130, 1}, GrabPart::Body},      {{130, 19}, GrabPart::Body},     {{130, 20}, GrabPart::None},
    };
    for (const Case& c : cases) {
        const auto hit = g.hitTest(c.point);
        EXPECT_EQ(hit.part, c.part) << c.point.x() << "," << c.point.y();
        EXPECT_EQ(hit.object, c.part == GrabPart::None ? nullptr : &note);
    }
}

TEST_F(TimelineGeometryTest, TheEndEdgeWinsOverTheStartEdgeWhenBothAreNear) {
    TDemoObject& note = placeBar(TObjectKind::Note, 10, 12);
    // At 3 pixels per unit the edges of a two-unit bar are 6 pixels apart.
    EXPECT_EQ(geometry(3).hitTest({33, 5}).part, GrabPart::EndEdge);
    EXPECT_EQ(geometry(3).hitTest({32, 5}).part, GrabPart::StartEdge);
    EXPECT_EQ(geometry(3).hitTest({32, 5}).object, &note);
}

TEST_F(TimelineGeometryTest, TheFirstObjectInListOrderThatYieldsAGrabIsTaken) {
    TDemoObject& first = placeBar(TObjectKind::Cursor, 0, 20);
    placeBar(TObjectKind::Cursor, 20, 40);
    // x = 180 is the first cursor's end and the second cursor's start: the first one's end wins.
    const auto hit = geometry().hitTest({180, 10});
    EXPECT_EQ(hit.object, &first);
    EXPECT_EQ(hit.part, GrabPart::EndEdge);
}

TEST_F(TimelineGeometryTest, TheSceneEndIsGrabbedOnItsHandleWhenNoBarIsHit) {
    placeBar(TObjectKind::Note, 0, 30);
    const TimelineGeometry g = geometry();
    EXPECT_EQ(g.hitTest({899, 50}).part, GrabPart::None);
    EXPECT_EQ(g.hitTest({900, 50}).part, GrabPart::SceneEnd);
    EXPECT_EQ(g.hitTest({905, 50}).part, GrabPart::SceneEnd);
    EXPECT_EQ(g.hitTest({906, 50}).part, GrabPart::None);
    EXPECT_EQ(g.hitTest({905, 50}).object, nullptr);
    // A bar that ends at the scene end takes the press in its own row.
    placeBar(TObjectKind::Label, 70, 100);
    EXPECT_EQ(geometry().hitTest({901, 30}).part, GrabPart::EndEdge);
    EXPECT_EQ(geometry().hitTest({901, 10}).part, GrabPart::SceneEnd);
}

TEST_F(TimelineGeometryTest, AbsurdTimesGiveABoundedGrid) {
    placeBar(TObjectKind::Note, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    const TimelineGeometry g = geometry(36);
    EXPECT_EQ(g.gridSize().width(), int(timeline::kMaxCoordinate) + 100);
    EXPECT_EQ(g.barRect(*scene->Objects[0]).left(), -int(timeline::kMaxCoordinate) + 2);
    EXPECT_EQ(g.hitTest({500, 10}).part, GrabPart::Body);
}

TEST(TimelineZoom, TheUnitWidthClimbsAndFallsAlongTheLadderWithinItsLimits) {
    EXPECT_EQ(timeline::ZoomedUnitWidth(9, 1), 12);
    EXPECT_EQ(timeline::ZoomedUnitWidth(9, -1), 6);
    EXPECT_EQ(timeline::ZoomedUnitWidth(9, -10), 3);
    EXPECT_EQ(timeline::ZoomedUnitWidth(9, 10), 36);
    EXPECT_EQ(timeline::ZoomedUnitWidth(10, 0), 12); // off the ladder: the next entry up
    EXPECT_EQ(timeline::ZoomedUnitWidth(36, 1), 36);
    EXPECT_EQ(timeline::ZoomedUnitWidth(3, -1), 3);
}

TEST_F(TimelineGeometryTest, RulerPositionsRoundToTheNearestUnitLineWithTheScrollOffset) {
    EXPECT_EQ(timeline::RulerPosition(4, 0, 9), 0);
    EXPECT_EQ(timeline::RulerPosition(5, 0, 9), 1);
    EXPECT_EQ(timeline::RulerPosition(13, 0, 9), 1);
    EXPECT_EQ(timeline::RulerPosition(14, 0, 9), 2);
    EXPECT_EQ(timeline::RulerPosition(14, -90, 9), 12);
    EXPECT_EQ(timeline::RulerPosition(14, 0, 18), 1);

    scene->StopPoints = {30, 5};
    // Stop point 5 sits on the line of unit 6 (x = 54): positions 50 .. 58 show it.
    EXPECT_EQ(timeline::RulerStopPointAt(*scene, 49, 0, 9), std::nullopt);
    EXPECT_EQ(timeline::RulerStopPointAt(*scene, 50, 0, 9), std::optional<std::size_t>(1));
    EXPECT_EQ(timeline::RulerStopPointAt(*scene, 58, 0, 9), std::optional<std::size_t>(1));
    EXPECT_EQ(timeline::RulerStopPointAt(*scene, 59, 0, 9), std::nullopt);
    EXPECT_EQ(timeline::RulerStopPointAt(*scene, 279 - 180, -180, 9), std::optional<std::size_t>(0));
    EXPECT_EQ(timeline::RulerStopPointRect(5, 0, 9, 26), QRect(52, 0, 5, 26));
    EXPECT_EQ(timeline::RulerStopPointRect(5, -18, 9, 26), QRect(34, 0, 5, 26));
    EXPECT_EQ(timeline::StopPointX(5, 9), 54);
}

} // namespace
} // namespace vantora::test
