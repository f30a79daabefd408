#pragma once
// Typed numbers of the grids: decimal integers, clamped silently to a row's bounds.

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace vantora {

constexpr std::int32_t kNoMinimum = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kNoMaximum = std::numeric_limits<std::int32_t>::max();

// A decimal integer with an optional sign, surrounding blanks allowed. nullopt for anything else,
// including numbers outside the 32-bit range.
std::optional<std::int32_t> ParseInteger(std::string_view text);

constexpr std::int32_t ClampToRange(std::int32_t value, std::int32_t minimum, std::int32_t maximum) {
    return value < minimum ? minimum : (value > maximum ? maximum : value);
}

} // namespace vantora
