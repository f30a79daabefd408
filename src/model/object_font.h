#pragma once
// The font of an object, kept as plain data so that storage, rendering and the text engine can
// read it without any toolkit. The height is kept the way the platform stores it: a negative
// value is the character height in pixels at 96 dots per inch (-13 is a 10 point font).

#include "model/colour.h"

#include <cstdint>
#include <string>

namespace vantora {

constexpr int kScreenPixelsPerInch = 96;
constexpr std::uint8_t kDefaultCharset = 1;

// Face and size given to new objects whose kind names no font of its own.
inline constexpr const char* kDefaultFontFace = "Arial";
constexpr std::int32_t kDefaultFontHeight = -13;

// The style bits of project files: bit 0 bold, 1 italic, 2 underline, 3 strike-out.
enum TFontStyleBit : std::uint8_t {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};

struct TObjectFont {
    std::string Name = kDefaultFontFace;
    std::int32_t Height = kDefaultFontHeight;
    TColor Color = clBlack;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    std::uint8_t Charset = kDefaultCharset;

    // Size in points, as project files store it (rounded like the platform does).
    std::int32_t Size() const;
    void SetSize(std::int32_t points);

    std::uint8_t StyleBits() const;
    void SetStyleBits(std::uint8_t bits);

    bool operator==(const TObjectFont&) const = default;
};

// Point size <-> platform height at 96 dots per inch, rounding half away from zero.
std::int32_t FontSizeFromHeight(std::int32_t height);
std::int32_t FontHeightFromSize(std::int32_t points);

} // namespace vantora
