#pragma once
// The nineteen built-in 32 x 32 cursor pictures (CursorType 1..19), drawn once at first use in
// black and white after the system cursors of the same names.

#include <QImage>

namespace vantora {

enum class TCursorType : int {
    Custom = 0, AppStart, Arrow, Beam, Cross, Drag, HandPoint, Help, HourGlass, HSplit, MultiDrag,
    No, NoDrop, SizeAll, SizeNESW, SizeNS, SizeNWSE, SizeWE, UpArrow, VSplit
};

constexpr int kBuiltinCursorSize = 32;
// Where the arrow's tip lies in the Arrow picture and in the pictures built on it (AppStart, Drag,
// Help, MultiDrag, NoDrop): the pointer's hot spot. Scenes made from screen shots place their
// cursors this far up and left of each click.
constexpr int kArrowTipX = 7;
constexpr int kArrowTipY = 4;

// Format_ARGB32 with alpha 0 or 255. Types outside 1..19 (and Custom) give the Arrow picture.
QImage BuiltinCursor(TCursorType type);

} // namespace vantora
