#pragma once
// Appending little-endian integers to a growing byte buffer, as the RIFF, BMP, ICO and Windows
// program formats store them.

#include <cstdint>
#include <vector>

namespace vantora {

inline void AppendU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void AppendU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

} // namespace vantora
