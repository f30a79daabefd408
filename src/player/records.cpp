#include "player/records.h"

#include <algorithm>
#include <cmath>

namespace player {

namespace {

uint8_t Channel(double v) { return uint8_t(std::clamp(std::lround(std::floor(v)), 0l, 255l)); }

} // namespace

Rgba ColorTransform::Apply(Rgba c) const {
    return {Channel(c.r * mr + ar), Channel(c.g * mg + ag), Channel(c.b * mb + ab), Channel(c.a * ma + aa)};
}

QColor ColorTransform::ApplyToColor(Rgba c) const {
    const Rgba t = Apply(c);
    return QColor(t.r, t.g, t.b, t.a);
}

ColorTransform ColorTransform::Then(const ColorTransform& outer) const {
    ColorTransform t;
    t.mr = mr * outer.mr;
    t.mg = mg * outer.mg;
    t.mb = mb * outer.mb;
    t.ma = ma * outer.ma;
    t.ar = ar * outer.mr + outer.ar;
    t.ag = ag * outer.mg + outer.ag;
    t.ab = ab * outer.mb + outer.ab;
    t.aa = aa * outer.ma + outer.aa;
    return t;
}

Rgba ReadRgb(BitReader& r) {
    Rgba c;
    c.r = r.U8();
    c.g = r.U8();
    c.b = r.U8();
    return c;
}

Rgba ReadRgba(BitReader& r) {
    Rgba c = ReadRgb(r);
    c.a = r.U8();
    return c;
}

SwfRect ReadRect(BitReader& r) {
    r.Align();
    SwfRect rect;
    const int n = int(r.UBits(5));
    rect.xMin = r.SBits(n);
    rect.xMax = r.SBits(n);
    rect.yMin = r.SBits(n);
    rect.yMax = r.SBits(n);
    r.Align();
    return rect;
}

Matrix ReadMatrix(BitReader& r) {
    r.Align();
    Matrix m;
    if (r.Bit()) {
        const int n = int(r.UBits(5));
        m.a = r.SBits(n) / 65536.0;
        m.d = r.SBits(n) / 65536.0;
    }
    if (r.Bit()) {
        const int n = int(r.UBits(5));
        m.b = r.SBits(n) / 65536.0;
        m.c = r.SBits(n) / 65536.0;
    }
    const int n = int(r.UBits(5));
    m.tx = r.SBits(n);
    m.ty = r.SBits(n);
    r.Align();
    return m;
}

ColorTransform ReadColorTransform(BitReader& r, bool withAlpha) {
    r.Align();
    ColorTransform t;
    const bool hasAdd = r.Bit();
    const bool hasMult = r.Bit();
    const int n = int(r.UBits(4));
    if (hasMult) {
        t.mr = r.SBits(n) / 256.0;
        t.mg = r.SBits(n) / 256.0;
        t.mb = r.SBits(n) / 256.0;
        if (withAlpha)
            t.ma = r.SBits(n) / 256.0;
    }
    if (hasAdd) {
        t.ar = r.SBits(n);
        t.ag = r.SBits(n);
        t.ab = r.SBits(n);
        if (withAlpha)
            t.aa = r.SBits(n);
    }
    r.Align();
    return t;
}

} // namespace player
