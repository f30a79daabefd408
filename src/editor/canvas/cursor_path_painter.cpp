#include "editor/canvas/cursor_path_painter.h"

#include "model/demo_frame.h"
#include "model/object_kind.h"

#include <QPainter>

#include <cstdlib>

namespace vantora::canvas {

QLine CursorPathLine(const TDemoObject& p, const TDemoObject& q) {
    auto centre = [](const TDemoObject& o) { return o.Left + o.Width / 2; };
    auto middle = [](const TDemoObject& o) { return o.Top + o.Height / 2; };
    if (std::abs(std::int64_t(p.Left) - q.Left) < std::abs(std::int64_t(p.Top) - q.Top)) {
        if (q.Top < p.Top)
            return QLine(centre(p), p.Top, centre(q), q.Top + q.Height);
        return QLine(centre(p), p.Top + p.Height, centre(q), q.Top);
    }
    if (q.Left < p.Left)
        return QLine(p.Left, middle(p), q.Left + q.Width, middle(q));
    return QLine(p.Left + p.Width, middle(p), q.Left, middle(q));
}

namespace {

const QColor kPathGrey(0x80, 0x80, 0x80);
const QColor kPathHalo(0xFF, 0xFF, 0xFF);
// A solid line gets a light border on both sides; a dotted one shows it between its dots.
constexpr int kSolidHaloWidth = 3;

} // namespace

QRect SegmentExtent(const CursorPathSegment& segment) {
    // The halo's flat ends reach a little past the end points of a slanted line.
    return QRect(segment.line.p1(), segment.line.p2()).normalized().adjusted(-3, -3, 3, 3);
}

std::vector<CursorPathSegment> CursorPath(const TDemoFrame& scene,
                                          const std::function<bool(const TDemoObject*)>& isSelected) {
    std::vector<CursorPathSegment> path;
    const TDemoObject* previous = nullptr;
    for (const auto& object : scene.Objects) {
        if (!object || object->Kind != TObjectKind::Cursor)
            continue;
        if (previous)
            path.push_back({CursorPathLine(*previous, *object), isSelected(previous)});
        previous = object.get();
    }
    return path;
}

void CursorPathPainter::paint(QPainter& painter, const TDemoFrame& scene,
                              const std::function<bool(const TDemoObject*)>& isSelected) const {
    painter.setBrush(Qt::NoBrush);
    for (const CursorPathSegment& segment : CursorPath(scene, isSelected)) {
        // The grey line over a light one, so that the path shows on grey and dark screens too.
        painter.setPen(QPen(kPathHalo, segment.solid ? kSolidHaloWidth : 1, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(segment.line);
        painter.setPen(QPen(kPathGrey, 1, segment.solid ? Qt::SolidLine : Qt::DotLine));
        painter.drawLine(segment.line);
    }
}

} // namespace vantora::canvas
