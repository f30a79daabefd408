#pragma once
// One row of a name/value grid as the table shows it: the texts, the edit style and what the
// value cell draws. Both grids describe their rows this way; the table does the rest.

#include "editor/grids/grid_row_icons.h"
#include "model/colour.h"
#include "model/object_font.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vantora {

// PickOrTyped: a pick list whose cell also takes typed text, applied when the cell is left.
enum class GridEditStyle { Typed, TypedAtOnce, Pick, PickOrTyped, Ellipsis, ReadOnly };

struct GridRow {
    QString name;
    QString value;
    GridEditStyle style = GridEditStyle::Typed;
    QStringList picks;                 // for Pick
    std::optional<TColor> colour;      // colour rows draw a swatch
    std::optional<TObjectFont> font;   // font rows draw the name in the font itself
    GridRowIcon icon = GridRowIcon::None; // the mark left of the name where a group begins
    // An ellipsis row that also takes typing: the text an edit starts from, which the cell may
    // show otherwise ("[Text]" for a one-line text).
    std::optional<QString> typedText;
};

} // namespace vantora
