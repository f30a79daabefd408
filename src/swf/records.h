#pragma once
// The small records every tag uses: rectangle, colours, transformation matrix, colour transform.
// They are plain data; TBitsEngine writes them.

#include <cstdint>

namespace swf {

// A rectangle in the Windows layout: left, top, right, bottom.
struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
};

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
};

// RECT in twips, always normalised (min <= max on both axes).
class TSWFRect {
public:
    TSWFRect() = default;
    TSWFRect(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax);
    static TSWFRect FromTRect(const TRect& r) { return TSWFRect(r.Left, r.Top, r.Right, r.Bottom); }

    int32_t XMin() const { return xMin_; }
    int32_t XMax() const { return xMax_; }
    int32_t YMin() const { return yMin_; }
    int32_t YMax() const { return yMax_; }
    int32_t Width() const { return xMax_ - xMin_; }
    int32_t Height() const { return yMax_ - yMin_; }

    void SetXMin(int32_t v) { xMin_ = v; NormaliseX(); }
    void SetXMax(int32_t v) { xMax_ = v; NormaliseX(); }
    void SetYMin(int32_t v) { yMin_ = v; NormaliseY(); }
    void SetYMax(int32_t v) { yMax_ = v; NormaliseY(); }
    void SetRect(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax);

    bool operator==(const TSWFRect&) const = default;

private:
    void NormaliseX();
    void NormaliseY();
    int32_t xMin_ = 0;
    int32_t xMax_ = 0;
    int32_t yMin_ = 0;
    int32_t yMax_ = 0;
};

// A colour as the system stores it: 0x00BBGGRR.
using TColor = uint32_t;

struct TSWFRGB {
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;

    TSWFRGB() = default;
    TSWFRGB(uint8_t r, uint8_t g, uint8_t b) : Red(r), Green(g), Blue(b) {}
    // From the packed 0x00BBGGRR layout (no system-colour resolution).
    static TSWFRGB FromPacked(uint32_t packed) { return TSWFRGB(uint8_t(packed), uint8_t(packed >> 8), uint8_t(packed >> 16)); }
    uint32_t Packed() const { return uint32_t(Red) | uint32_t(Green) << 8 | uint32_t(Blue) << 16; }
    bool operator==(const TSWFRGB&) const = default;
};

class TSWFRGBA : public TSWFRGB {
public:
    TSWFRGBA() = default;
    TSWFRGBA(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) : TSWFRGB(r, g, b) { SetAlpha(a); }
    explicit TSWFRGBA(const TSWFRGB& rgb) : TSWFRGB(rgb) {}
    // From Red | Green << 8 | Blue << 16 | Alpha << 24.
    static TSWFRGBA FromPacked(uint32_t packed) {
        return TSWFRGBA(uint8_t(packed), uint8_t(packed >> 8), uint8_t(packed >> 16), uint8_t(packed >> 24));
    }
    uint32_t Packed() const { return TSWFRGB::Packed() | uint32_t(alpha_) << 24; }

    uint8_t Alpha() const { return alpha_; }
    bool HasAlpha() const { return hasAlpha_; }
    void SetAlpha(uint8_t a) { alpha_ = a; if (a != 255) hasAlpha_ = true; }
    void SetHasAlpha(bool on) { hasAlpha_ = on; if (!on) alpha_ = 255; }

private:
    uint8_t alpha_ = 255;
    bool hasAlpha_ = false;
};

// MATRIX: scale and skew in 16.16 fixed point, translation in twips.
struct TSWFMatrix {
    bool HasScale = false;
    bool HasRotate = false;
    int32_t ScaleX = 0;
    int32_t ScaleY = 0;
    int32_t RotateSkew0 = 0;
    int32_t RotateSkew1 = 0;
    int32_t TranslateX = 0;
    int32_t TranslateY = 0;

    static int32_t ToFixed(double x);
    void SetScale(double sx, double sy);
    // Degrees; composed with the current scale and skew.
    void SetRotate(double degrees);
    void SetTranslate(int32_t x, int32_t y) { TranslateX = x; TranslateY = y; }
};

// CXFORM / CXFORMWITHALPHA. Setters clamp and turn the matching has-flags on.
class TSWFColorTransform {
public:
    bool HasAdd() const { return hasAdd_; }
    bool HasMult() const { return hasMult_; }
    bool HasAlpha() const { return hasAlpha_; }
    void SetHasAlpha(bool on) { hasAlpha_ = on; }

    int32_t AddR() const { return add_[0]; }
    int32_t AddG() const { return add_[1]; }
    int32_t AddB() const { return add_[2]; }
    int32_t AddA() const { return add_[3]; }
    int32_t MultR() const { return mult_[0]; }
    int32_t MultG() const { return mult_[1]; }
    int32_t MultB() const { return mult_[2]; }
    int32_t MultA() const { return mult_[3]; }

    void SetAddR(int32_t v) { SetAdd(0, v); }
    void SetAddG(int32_t v) { SetAdd(1, v); }
    void SetAddB(int32_t v) { SetAdd(2, v); }
    void SetAddA(int32_t v) { SetAdd(3, v); hasAlpha_ = true; }
    void SetMultR(int32_t v) { SetMult(0, v); }
    void SetMultG(int32_t v) { SetMult(1, v); }
    void SetMultB(int32_t v) { SetMult(2, v); }
    void SetMultA(int32_t v) { SetMult(3, v); hasAlpha_ = true; }

private:
    void SetAdd(int i, int32_t v);
    void SetMult(int i, int32_t v);
    bool hasAdd_ = false;
    bool hasMult_ = false;
    bool hasAlpha_ = false;
    int32_t add_[4] = {0, 0, 0, 0};
    int32_t mult_[4] = {256, 256, 256, 256};
};

} // namespace swf
