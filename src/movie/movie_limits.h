#pragma once
// Bounds the movie builder keeps, so that a damaged project gives a clear error instead of an
// overflowing field, a hang or an allocation of gigabytes.

#include "swf/flash_object.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace vantora {

// Failures of a build that the caller shows as they are (damaged project, full work folder...).
class MovieBuildError : public std::runtime_error {
public:
    explicit MovieBuildError(const std::string& message) : std::runtime_error(message) {}
};

// The header's frame count is 16 bits wide.
inline constexpr std::int64_t kMaxMovieFrames = 65535;
// Character IDs are 16 bits wide and start at 1.
inline constexpr std::uint16_t kMaxCharacterId = 65535;
// Depths are 16 bits wide; objects start at depth 2.
inline constexpr std::int64_t kMaxObjectsPerScene = 65535 - 2;
// Pixel coordinates whose twips (x 20) still fit the signed 31-bit fields of RECT and MATRIX.
inline constexpr std::int64_t kMaxPixelCoordinate = ((std::int64_t{1} << 30) - 1) / 20;
// The demo size the model allows; the scene background is drawn at that size.
inline constexpr std::int32_t kMaxMovieSide = 9999;

constexpr std::int32_t ClampPixel(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp(value, -kMaxPixelCoordinate, kMaxPixelCoordinate));
}

// Checks a character the movie has just created: the library's 16-bit ID counter wraps to 0
// after 65535, which would make later characters replace earlier ones.
template <class T>
T* CheckedCharacter(T* character) {
    if (character == nullptr || character->CharacterId() == 0)
        throw MovieBuildError("The movie needs more than 65535 characters; split the demo into smaller demos.");
    return character;
}

} // namespace vantora
