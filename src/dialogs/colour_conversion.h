#pragma once
// Model colours (0x00BBGGRR) to and from Qt colours, and their text forms.

#include "model/colour.h"

#include <QColor>
#include <QString>

namespace vantora {

inline QColor ToQColor(TColor colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

inline TColor FromQColor(const QColor& colour) {
    return RGB(std::uint8_t(colour.red()), std::uint8_t(colour.green()), std::uint8_t(colour.blue()));
}

// The colour as red, green and blue in the HTML form the system colour dialog shows: a colour
// stored as 0x0002C5FD is "#FDC502".
inline QString ColourRgbText(TColor colour) { return ToQColor(colour).name(QColor::HexRgb).toUpper(); }

} // namespace vantora
