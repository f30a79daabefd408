#pragma once
// The glyphs of the preview window's three speed buttons: play (a triangle), pause (two bars)
// and stop (a square), drawn for any size.

#include <QIcon>

namespace vantora {

enum class SpeedGlyph { Play, Pause, Stop };

QIcon SpeedButtonIcon(SpeedGlyph glyph, int size = 16);

} // namespace vantora
