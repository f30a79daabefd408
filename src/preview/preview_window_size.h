#pragma once
// The size the "Flash Player" window opens at.

#include <QSize>

namespace vantora {

inline constexpr QSize kPreviewMinimumSize{800, 600};

// Room for the movie at 1:1 plus `controls` (the space the buttons, track bar and status bar
// take), never below the designed minimum, and never past `available` (the screen's free area;
// an empty size means unknown and bounds nothing).
QSize PreviewWindowSize(QSize movie, QSize controls, QSize available);

} // namespace vantora
