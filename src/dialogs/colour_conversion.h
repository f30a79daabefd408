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

// The colour value as 8 upper-case hexadecimal digits: blue is "00FF0000".
inline QString ColourHexText(TColor colour) {
    return QStringLiteral("%1").arg(colour, 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace vantora
