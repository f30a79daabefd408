#pragma once
// The soft drop shadow of a text: a blurred copy of the text mask blended in its own colour.

#include <QRgb>

namespace vantora {

struct TAAShadow {
    bool Enabled = false;
    int Blur = 80;                    // 0..100
    int Alpha = 70;                   // 0..100, percent
    QRgb Color = qRgb(0x44, 0x44, 0x44);
    int OffsetX = 2;                  // -20..20
    int OffsetY = 2;                  // -20..20
};

} // namespace vantora
