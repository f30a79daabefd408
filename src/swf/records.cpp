#include "swf/records.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace swf {

TSWFRect::TSWFRect(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax) { SetRect(xMin, yMin, xMax, yMax); }

void TSWFRect::SetRect(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax) {
    xMin_ = xMin;
    xMax_ = xMax;
    yMin_ = yMin;
    yMax_ = yMax;
    NormaliseX();
    NormaliseY();
}

void TSWFRect::NormaliseX() {
    if (xMin_ > xMax_)
        std::swap(xMin_, xMax_);
}

void TSWFRect::NormaliseY() {
    if (yMin_ > yMax_)
        std::swap(yMin_, yMax_);
}

int32_t TSWFMatrix::ToFixed(double x) { return int32_t(std::trunc(x * 65536.0)); }

void TSWFMatrix::SetScale(double sx, double sy) {
    ScaleX = ToFixed(sx);
    ScaleY = ToFixed(sy);
    HasScale = true;
}

void TSWFMatrix::SetRotate(double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    const double s = std::sin(radians);
    const double c = std::cos(radians);
    const double a = HasScale ? ScaleX / 65536.0 : 1.0;
    const double d = HasScale ? ScaleY / 65536.0 : 1.0;
    const double r0 = HasRotate ? RotateSkew0 / 65536.0 : 0.0;
    const double r1 = HasRotate ? RotateSkew1 / 65536.0 : 0.0;
    ScaleX = ToFixed(c * a + s * r0);
    ScaleY = ToFixed(c * d - s * r1);
    RotateSkew1 = ToFixed(s * d + c * r1);
    RotateSkew0 = ToFixed(-s * a + c * r0);
    HasScale = true;
    HasRotate = true;
}

void TSWFColorTransform::SetAdd(int i, int32_t v) {
    add_[i] = std::clamp(v, -255, 255);
    hasAdd_ = true;
}

void TSWFColorTransform::SetMult(int i, int32_t v) {
    mult_[i] = std::clamp(v, 0, 256);
    hasMult_ = true;
}

} // namespace swf
