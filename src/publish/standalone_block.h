#pragma once
// The block appended to a stand-alone program: the window settings, the title and the whole
// movie, then a marker and the block's own start, so that the player finds its data by reading
// the last 8 bytes of its own file.

#include "model/colour.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantora::publish {

inline constexpr std::uint32_t kStandaloneMarker = 0x37941FD2u;

struct StandaloneWindow {
    TColor backColor = 0;
    std::int32_t style = 0;   // 0 Normal, 1 Normal without border, 2 Full screen, 3 Full screen fit size
    std::int32_t exitKey = 4; // 0 None, 1 Esc, 2 Space, 3 Enter, 4 Any
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::string title; // UTF-8; stored in the ANSI code page
};

// The block for a player program of `playerSize` bytes (the block's start, P).
std::vector<std::uint8_t> StandaloneBlock(const StandaloneWindow& window, std::span<const std::uint8_t> movie,
                                          std::uint32_t playerSize);

struct StandaloneContent {
    StandaloneWindow window;
    std::uint32_t playerSize = 0;
    std::span<const std::uint8_t> movie; // inside the file's bytes
};

// Finds the block in a whole stand-alone program; nothing when the file carries no valid block.
std::optional<StandaloneContent> ReadStandaloneBlock(std::span<const std::uint8_t> file);

} // namespace vantora::publish
