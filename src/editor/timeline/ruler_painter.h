#pragma once
// Draws the timeline ruler: a bevelled face, a tick per unit (every fifth black), a seconds
// label every ten units, the scene's stop points as red marks and the playhead. The offset is
// the grid's horizontal scroll offset (zero or negative), so ruler and grid line up.

#include <QSize>

#include <cstdint>
#include <optional>
#include <vector>

class QPainter;
class QString;

namespace vantora::timeline {

struct RulerPicture {
    QSize size;
    int offset = 0;
    int unitWidth = 9;
    std::vector<std::int32_t> stopPoints;
    std::optional<int> playhead;
};

void PaintRuler(QPainter& painter, const RulerPicture& ruler);

// The label of tick i (every tenth unit): whole seconds followed by "s".
QString RulerLabel(std::int64_t tick);

} // namespace vantora::timeline
