#pragma once
// The container of a movie: the header and the tag list, from a plain ("FWS") or zlib-compressed
// ("CWS") file. The body is inflated with a hard size limit, so a small file that claims or
// inflates to an absurd size fails instead of taking the machine's memory.

#include <cstdint>
#include <span>
#include <vector>

namespace player {

// The largest movie body the player inflates.
inline constexpr size_t kMaxMovieBytes = 256u << 20;

struct SwfRect {
    int32_t xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    int32_t Width() const { return xMax - xMin; }
    int32_t Height() const { return yMax - yMin; }
};

struct SwfTag {
    uint16_t code = 0;
    std::span<const uint8_t> body;
};

struct SwfFile {
    int version = 0;
    uint32_t fileLength = 0;
    SwfRect frameRect;   // twips
    double frameRate = 0; // frames per second
    uint16_t frameCount = 0;
    std::vector<uint8_t> bytes; // the whole file, inflated
    size_t tagsStart = 0;
};

// Throws MovieError when the file is not a movie or its compression is damaged.
SwfFile ReadSwfFile(std::span<const uint8_t> file);

// The tags of a tag list up to the End tag (or the end of the data). A tag whose length runs past
// the end throws MovieError.
std::vector<SwfTag> SplitTags(std::span<const uint8_t> data);

} // namespace player
