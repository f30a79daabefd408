#pragma once
// Draws the timeline grid: unit and row lines, the scene end with its handle, one bar per object
// (kind icon and name, blue with white bold text when selected), the stop point lines and the
// playhead. Only what lies in the exposed rectangle is drawn, so a damaged scene of absurd
// length costs no more than a short one.

#include "editor/timeline/timeline_geometry.h"
#include "model/object_kind.h"

#include <QFont>
#include <QPixmap>

#include <functional>
#include <map>
#include <optional>

class QPainter;

namespace vantora::timeline {

class GridPainter {
public:
    using IsSelected = std::function<bool(const TDemoObject*)>;

    // The text after a cursor's name on its bar.
    static constexpr const char* kCursorSuffix = " (motion...)";

    // Paints nothing without a scene.
    void paint(QPainter& painter, const TDemoFrame* scene, const TimelineGeometry& geometry,
               const IsSelected& isSelected, std::optional<int> playhead, const QRect& exposed);

private:
    void paintLines(QPainter& painter, const TimelineGeometry& geometry, const QRect& exposed);
    void paintBar(QPainter& painter, const TDemoObject& object, const QRect& bar, bool selected);
    const QPixmap& kindIcon(TObjectKind kind);

    std::map<TObjectKind, QPixmap> icons_;
};

// The text a bar shows for an object: its name, and for a cursor the motion suffix.
QString BarLabel(const TDemoObject& object);

} // namespace vantora::timeline
