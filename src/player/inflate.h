#pragma once
// zlib inflation with a ceiling on the output size.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace player {

// Inflates a zlib stream. A stream that would inflate past `maxBytes` or is damaged throws
// MovieError; a stream cut short returns what it held (movies are often truncated in transit and
// the tags that arrived are still good).
std::vector<uint8_t> InflateLimited(std::span<const uint8_t> data, size_t maxBytes);

} // namespace player
