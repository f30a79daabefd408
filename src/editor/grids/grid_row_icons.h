#pragma once
// The small marks in the name column that show where a group of rows begins: the subject's own
// rows, the position rows, the click action and the note's text effects in the "Properties"
// grid, and one mark per animation channel in the "Animation" grid.

#include "model/animation_settings.h"

#include <QPixmap>

namespace vantora {

struct AnimationSheet;
struct PropertySheet;

enum class GridRowIcon {
    None,
    Subject,     // the first row: the scene or the object itself
    Position,    // "Left", the first of the position rows
    ClickAction, // "ClickAction" of a button
    TextAngle,   // "TextAngle", the first text-effect row of a note
    TextShadow,  // "TextShadow" of a note
    FadeChannel,
    AngleChannel,
    WidthChannel,
    HeightChannel,
    LocationXChannel,
    LocationYChannel,
    RedChannel,
    GreenChannel,
    BlueChannel,
};

// Every icon is this many pixels square; names start right of it.
constexpr int kGridRowIconSize = 16;

// The mark of row `index` (0-based, below the title row) of each grid.
GridRowIcon PropertyRowIcon(const PropertySheet& sheet, int index);
GridRowIcon AnimationRowIcon(const AnimationSheet& sheet, int index);
GridRowIcon ChannelIcon(TChannelId channel);

// The drawn icon; a null pixmap for None.
QPixmap GridRowIconPixmap(GridRowIcon icon);

} // namespace vantora
