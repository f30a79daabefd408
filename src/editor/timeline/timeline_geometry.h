#pragma once
// The arithmetic of the timeline, free of widgets: which row each object's bar lies in, where
// bars, the scene end and stop points are drawn, and what a grid or ruler position hits. One
// timeline unit is `unitWidth` pixels wide (9 unless the view is zoomed); rows are 20 pixels.

#include "model/demo_frame.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <optional>
#include <vector>

namespace vantora::timeline {

inline constexpr int kDefaultUnitWidth = 9;
inline constexpr int kMinUnitWidth = 3;
inline constexpr int kMaxUnitWidth = 36;
inline constexpr int kRowHeight = 20;
inline constexpr int kEdgeReach = 3;       // pixels either side of a bar edge that grab the edge
inline constexpr int kSceneEndReach = 5;   // pixels right of the scene end that grab it
inline constexpr int kGridRightMargin = 100;
inline constexpr int kGridBottomMargin = 5;
inline constexpr std::int32_t kMinimumSceneLength = 10;
inline constexpr std::int32_t kMinimumBarDuration = 2;
// Pixel coordinates are kept below the largest widget size, so that damaged times (an end in
// the billions) give a wide grid rather than overflowing arithmetic.
inline constexpr std::int64_t kMaxCoordinate = 16'000'000;

// What a press on the grid grabs.
enum class GrabPart : int { None = 0, SceneEnd = 1, Body = 2, StartEdge = 3, EndEdge = 4 };

struct GridHit {
    GrabPart part = GrabPart::None;
    TDemoObject* object = nullptr; // set for Body, StartEdge and EndEdge
};

// The unit width one zoom step above or below `unitWidth`, within kMinUnitWidth..kMaxUnitWidth.
int ZoomedUnitWidth(int unitWidth, int steps);

// The pixel position of a time at the given unit width, clamped to +-kMaxCoordinate.
int UnitX(std::int64_t units, int unitWidth);

class TimelineGeometry {
public:
    // `scene` may be null (no scene selected): one empty row and no extent.
    TimelineGeometry(const TDemoFrame* scene, int unitWidth);

    int unitWidth() const { return unitWidth_; }
    int rowCount() const { return rowCount_; }
    // The row of an object of the scene: 0 for every cursor when the scene has one, the next
    // row in list order for everything else. -1 for an object not in the scene.
    int rowOf(const TDemoObject* object) const;

    // E: the scene's Length or the last object end, whichever is larger.
    std::int32_t extent() const { return extent_; }
    int sceneEndX() const { return UnitX(extent_, unitWidth_); }
    // The grid picture: E units plus a margin wide, every row plus a margin high.
    QSize gridSize() const;
    // The bottom of the last row.
    int rowsBottom() const;

    // The bar of an object: StartTime x unit + 2 to EndTime x unit - 2, one pixel inside its row
    // (QRect semantics: right and bottom are the last pixels covered).
    QRect barRect(const TDemoObject& object) const;

    // What a grid press at `point` grabs: the first object in list order whose row holds the
    // point and whose bar body or an edge is under it (an end edge wins over the start edge and
    // both over the body); else the scene end when the point is on its handle.
    GridHit hitTest(QPoint point) const;

private:
    struct RowEntry {
        TDemoObject* object;
        int row;
    };

    const TDemoFrame* scene_;
    int unitWidth_;
    std::vector<RowEntry> rows_;
    int rowCount_ = 1;
    std::int32_t extent_ = 0;
};

// The ruler position under x: (x - offset + unit div 2) div unit, where offset is the grid's
// horizontal scroll offset (zero or negative). Stop point p - 1 is drawn around it.
int RulerPosition(int x, int offset, int unitWidth);
// The index of the stop point the ruler shows under x (the one equal to position - 1).
std::optional<std::size_t> RulerStopPointAt(const TDemoFrame& scene, int x, int offset, int unitWidth);
// The red mark of a stop point on the ruler: 5 pixels wide, centred on its grid line.
QRect RulerStopPointRect(std::int32_t stopPoint, int offset, int unitWidth, int height);
// The grid line of a stop point: it halts the movie after unit `stopPoint`.
int StopPointX(std::int32_t stopPoint, int unitWidth);

} // namespace vantora::timeline
