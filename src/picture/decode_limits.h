#pragma once
// Bounds every picture decoder checks before it allocates pixels. Picture files are treated as
// hostile: a header may claim any size, so the size is checked against these limits first.

#include "picture/rgba_image.h"

#include <cstdint>
#include <string>

namespace vantora {

struct DecodeLimits {
    // Largest width and height of a decoded picture.
    int maxSide = 16384;
    // Largest number of pixels (width x height). Fuzzing and other constrained callers lower it.
    std::int64_t maxPixels = std::int64_t{16384} * 16384;
};

// Checks a claimed picture size; on failure fills `error` and returns false.
bool checkPictureSize(std::int64_t width, std::int64_t height, const DecodeLimits& limits, std::string& error);

// Allocates a width x height picture (all pixels transparent black) after checking the size;
// returns an empty image and fills `error` when the size is refused or memory runs out.
RgbaImage allocatePicture(std::int64_t width, std::int64_t height, const DecodeLimits& limits, std::string& error);

} // namespace vantora
