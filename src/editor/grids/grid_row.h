#pragma once
// One row of a name/value grid as the table shows it: the texts, the edit style and what the
// value cell draws. Both grids describe their rows this way; the table does the rest.

#include "model/colour.h"
#include "model/object_font.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vantora {

enum class GridEditStyle { Typed, TypedAtOnce, Pick, Ellipsis, ReadOnly };

struct GridRow {
    QString name;
    QString value;
    GridEditStyle style = GridEditStyle::Typed;
    QStringList picks;                 // for Pick
    std::optional<TColor> colour;      // colour rows draw a swatch
    std::optional<TObjectFont> font;   // font rows draw the name in the font itself
};

} // namespace vantora
