#pragma once
// The timeline's colours: a light face with a darker edge colour, three shades for the ruler's
// bottom bevel, blue for selected bars, red for stop points.

#include <QColor>

namespace vantora::timeline {

inline const QColor kFaceColour(236, 233, 216);
inline const QColor kDarkColour(172, 168, 153);
inline const QColor kShadeColours[3] = {QColor(227, 224, 208), QColor(218, 215, 200), QColor(209, 206, 192)};
inline const QColor kSelectedBarColour(0, 0, 255);
inline const QColor kStopPointColour(255, 0, 0);
// The frame the canvas or preview shows (not part of the scene's timing).
inline const QColor kPlayheadColour(0, 150, 0);

} // namespace vantora::timeline
