#pragma once
// Limits for fuzzing the picture decoders: the real side limit, but far fewer pixels, so that a
// tiny input claiming a huge picture does not spend the fuzzer's time filling memory.

#include "picture/decode_limits.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vantora::fuzz {

inline DecodeLimits pictureFuzzLimits() {
    DecodeLimits limits;
    limits.maxPixels = std::int64_t{1024} * 1024;
    return limits;
}

inline std::span<const std::uint8_t> inputBytes(const std::uint8_t* data, std::size_t size) { return {data, size}; }

// A decoder's result must be consistent: empty with a reason, or a full pixel buffer.
inline void checkResult(const RgbaImage& image, const std::string& error) {
    if (image.empty() ? error.empty() : image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        __builtin_trap();
}

} // namespace vantora::fuzz
