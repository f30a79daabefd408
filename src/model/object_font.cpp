#include "model/object_font.h"

#include <cstdint>
#include <limits>

namespace vantora {
namespace {

// value * numerator / denominator rounded half away from zero, saturated to
// +-INT32_MAX.
std::int32_t mulDiv(std::int64_t value, std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t product = value * numerator;
    const std::int64_t half = denominator / 2;
    std::int64_t result = product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    if (result > std::numeric_limits<std::int32_t>::max())
        result = std::numeric_limits<std::int32_t>::max();
    if (result < -std::numeric_limits<std::int32_t>::max()) // keeps the caller's negation defined
        result = -std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(result);
}

} // namespace

std::int32_t FontSizeFromHeight(std::int32_t height) { return -mulDiv(height, 72, kScreenPixelsPerInch); }

std::int32_t FontHeightFromSize(std::int32_t points) { return -mulDiv(points, kScreenPixelsPerInch, 72); }

std::int32_t TObjectFont::Size() const { return FontSizeFromHeight(Height); }

void TObjectFont::SetSize(std::int32_t points) { Height = FontHeightFromSize(points); }

std::uint8_t TObjectFont::StyleBits() const {
    return std::uint8_t((Bold ? fsBold : 0) | (Italic ? fsItalic : 0) | (Underline ? fsUnderline : 0) |
                        (StrikeOut ? fsStrikeOut : 0));
}

void TObjectFont::SetStyleBits(std::uint8_t bits) {
    Bold = bits & fsBold;
    Italic = bits & fsItalic;
    Underline = bits & fsUnderline;
    StrikeOut = bits & fsStrikeOut;
}

} // namespace vantora
