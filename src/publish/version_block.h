#pragma once
// The nested blocks of a version resource: length, value length, type, a UTF-16 key, the value
// and the children, each aligned to 4 bytes from the start of the resource.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vantora::publish {

struct VersionBlock {
    std::uint32_t offset = 0;      // of the block, from the start of the resource
    std::uint32_t end = 0;         // offset + length
    std::uint16_t valueLength = 0; // in characters for text values, in bytes otherwise
    std::uint16_t type = 0;        // 1 text, 0 binary
    std::uint32_t valueOffset = 0;
    std::uint32_t childrenOffset = 0;
};

// The block at `offset`, which must lie within [offset, limit) of `resource`.
std::optional<VersionBlock> ReadVersionBlock(std::span<const std::uint8_t> resource, std::uint32_t offset, std::uint32_t limit);

// True when the block's key equals `key`, ignoring the case of ASCII letters.
bool VersionKeyIs(std::span<const std::uint8_t> resource, const VersionBlock& block, std::string_view key);

// The child of `parent` whose key is `key`.
std::optional<VersionBlock> FindVersionChild(std::span<const std::uint8_t> resource, const VersionBlock& parent,
                                             std::string_view key);

} // namespace vantora::publish
