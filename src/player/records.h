#pragma once
// The small records every tag uses: colours, matrices, colour transforms, as the player keeps
// them (plain numbers, ready for painting).

#include "player/bit_reader.h"
#include "player/swf_file.h"

#include <QColor>
#include <QTransform>

namespace player {

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 255;
    bool operator==(const Rgba&) const = default;
};

// The affine matrix of a placement; translation in twips.
struct Matrix {
    double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
    QTransform ToTransform() const { return QTransform(a, b, c, d, tx, ty); }
    bool operator==(const Matrix&) const = default;
};

// r' = r * mult + add, per channel, with mult as a factor (1 = unchanged) and add in 0..255 units.
struct ColorTransform {
    double mr = 1, mg = 1, mb = 1, ma = 1;
    double ar = 0, ag = 0, ab = 0, aa = 0;

    bool IsIdentity() const { return mr == 1 && mg == 1 && mb == 1 && ma == 1 && ar == 0 && ag == 0 && ab == 0 && aa == 0; }
    Rgba Apply(Rgba c) const;
    QColor ApplyToColor(Rgba c) const;
    // This transform applied after `inner` (a child's transform inside its parent's).
    ColorTransform Then(const ColorTransform& outer) const;
    bool operator==(const ColorTransform&) const = default;
};

Rgba ReadRgb(BitReader& r);
Rgba ReadRgba(BitReader& r);
SwfRect ReadRect(BitReader& r);
Matrix ReadMatrix(BitReader& r);
ColorTransform ReadColorTransform(BitReader& r, bool withAlpha);

} // namespace player
