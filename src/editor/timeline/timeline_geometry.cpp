#include "editor/timeline/timeline_geometry.h"

#include "model/object_kind.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace vantora::timeline {
namespace {

constexpr std::array<int, 8> kZoomLadder{3, 4, 6, 9, 12, 18, 24, 36};
static_assert(kZoomLadder.front() == kMinUnitWidth && kZoomLadder.back() == kMaxUnitWidth);

bool IsCursor(const TDemoObject* object) { return object && object->Kind == TObjectKind::Cursor; }

int ClampCoordinate(std::int64_t value) { return int(std::clamp(value, -kMaxCoordinate, kMaxCoordinate)); }

} // namespace

int ZoomedUnitWidth(int unitWidth, int steps) {
    // The ladder entry the width stands on, or the first one above it.
    const auto at = std::lower_bound(kZoomLadder.begin(), kZoomLadder.end(), unitWidth);
    const int index = int(at - kZoomLadder.begin());
    const int last = int(kZoomLadder.size()) - 1;
    return kZoomLadder[std::size_t(std::clamp(index + steps, 0, last))];
}

int UnitX(std::int64_t units, int unitWidth) { return ClampCoordinate(units * unitWidth); }

TimelineGeometry::TimelineGeometry(const TDemoFrame* scene, int unitWidth)
    : scene_(scene), unitWidth_(std::clamp(unitWidth, kMinUnitWidth, kMaxUnitWidth)) {
    if (!scene)
        return;
    const bool anyCursor = std::any_of(scene->Objects.begin(), scene->Objects.end(),
                                       [](const auto& object) { return IsCursor(object.get()); });
    int next = anyCursor ? 1 : 0;
    extent_ = scene->Length;
    for (const auto& object : scene->Objects) {
        if (!object)
            continue;
        rows_.push_back({object.get(), IsCursor(object.get()) ? 0 : next++});
        extent_ = std::max(extent_, object->EndTime);
    }
    rowCount_ = std::max(1, next);
}

int TimelineGeometry::rowOf(const TDemoObject* object) const {
    for (const RowEntry& entry : rows_)
        if (entry.object == object)
            return entry.row;
    return -1;
}

QSize TimelineGeometry::gridSize() const {
    const int width = std::max(sceneEndX(), 0) + kGridRightMargin;
    return QSize(width, rowsBottom() + kGridBottomMargin);
}

int TimelineGeometry::rowsBottom() const { return ClampCoordinate(std::int64_t(rowCount_) * kRowHeight); }

QRect TimelineGeometry::barRect(const TDemoObject& object) const {
    const int row = std::max(0, rowOf(&object));
    const int top = ClampCoordinate(std::int64_t(row) * kRowHeight + 1);
    const int left = ClampCoordinate(std::int64_t(UnitX(object.StartTime, unitWidth_)) + 2);
    const int right = ClampCoordinate(std::int64_t(UnitX(object.EndTime, unitWidth_)) - 1);
    // Drawn like a GDI rectangle: the right and bottom coordinates are just outside.
    return QRect(QPoint(left, top), QPoint(right - 1, top + kRowHeight - 3));
}

GridHit TimelineGeometry::hitTest(QPoint point) const {
    const int x = point.x();
    const int y = point.y();
    for (const RowEntry& entry : rows_) {
        const std::int64_t rowTop = std::int64_t(entry.row) * kRowHeight;
        if (!(rowTop < y && y < rowTop + kRowHeight))
            continue;
        const int start = UnitX(entry.object->StartTime, unitWidth_);
        const int end = UnitX(entry.object->EndTime, unitWidth_);
        GrabPart part = GrabPart::None;
        if (start < x && x < end)
            part = GrabPart::Body;
        if (std::abs(x - start) <= kEdgeReach)
            part = GrabPart::StartEdge;
        if (std::abs(x - end) <= kEdgeReach)
            part = GrabPart::EndEdge;
        if (part != GrabPart::None)
            return {part, entry.object};
    }
    if (scene_ && sceneEndX() <= x && x <= sceneEndX() + kSceneEndReach)
        return {GrabPart::SceneEnd, nullptr};
    return {};
}

int RulerPosition(int x, int offset, int unitWidth) {
    return int((std::int64_t(x) - offset + unitWidth / 2) / unitWidth);
}

std::optional<std::size_t> RulerStopPointAt(const TDemoFrame& scene, int x, int offset, int unitWidth) {
    const std::int64_t wanted = std::int64_t(RulerPosition(x, offset, unitWidth)) - 1;
    for (std::size_t i = 0; i < scene.StopPoints.size(); ++i)
        if (scene.StopPoints[i] == wanted)
            return i;
    return std::nullopt;
}

int StopPointX(std::int32_t stopPoint, int unitWidth) { return UnitX(std::int64_t(stopPoint) + 1, unitWidth); }

QRect RulerStopPointRect(std::int32_t stopPoint, int offset, int unitWidth, int height) {
    const int left = ClampCoordinate(std::int64_t(StopPointX(stopPoint, unitWidth)) + offset - 2);
    return QRect(left, 0, 5, height);
}

} // namespace vantora::timeline
