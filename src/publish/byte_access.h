#pragma once
// Little-endian reads and writes on byte buffers that come from files we do not trust: every
// access is checked against the buffer's end, and a read that would run past it reports failure
// instead of touching memory.

#include "base/little_endian.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vantora::publish {

// True when [offset, offset + length) lies inside a buffer of `size` bytes, without overflow.
constexpr bool RangeInside(std::uint64_t offset, std::uint64_t length, std::uint64_t size) {
    return offset <= size && length <= size - offset;
}

inline std::optional<std::uint16_t> ReadU16(std::span<const std::uint8_t> bytes, std::uint64_t offset) {
    if (!RangeInside(offset, 2, bytes.size()))
        return std::nullopt;
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline std::optional<std::uint32_t> ReadU32(std::span<const std::uint8_t> bytes, std::uint64_t offset) {
    if (!RangeInside(offset, 4, bytes.size()))
        return std::nullopt;
    return static_cast<std::uint32_t>(bytes[offset]) | (static_cast<std::uint32_t>(bytes[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[offset + 2]) << 16) | (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

// Writes into an existing range; the caller has checked that it fits.
inline void PutU16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void PutU32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Appends to a growing buffer.
using vantora::AppendU16;
using vantora::AppendU32;

} // namespace vantora::publish
