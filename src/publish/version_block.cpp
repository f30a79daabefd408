#include "publish/version_block.h"

#include "publish/byte_access.h"

namespace vantora::publish {
namespace {

constexpr std::uint32_t kBlockHeader = 6;

std::uint32_t align4(std::uint32_t value) { return (value + 3) & ~3u; }

char16_t lowerAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }

} // namespace

std::optional<VersionBlock> ReadVersionBlock(std::span<const std::uint8_t> resource, std::uint32_t offset, std::uint32_t limit) {
    const auto length = ReadU16(resource, offset);
    const auto valueLength = ReadU16(resource, offset + 2);
    const auto type = ReadU16(resource, offset + 4);
    if (!length || !valueLength || !type || *length < kBlockHeader + 2 || std::uint64_t{offset} + *length > limit ||
        limit > resource.size())
        return std::nullopt;
    VersionBlock block;
    block.offset = offset;
    block.end = offset + *length;
    block.valueLength = *valueLength;
    block.type = *type;
    // The key runs to its terminating zero character, inside the block.
    std::uint32_t at = offset + kBlockHeader;
    while (true) {
        const auto c = ReadU16(resource, at);
        if (!c || at + 2 > block.end)
            return std::nullopt;
        at += 2;
        if (*c == 0)
            break;
    }
    block.valueOffset = align4(at);
    const std::uint32_t valueBytes = block.type == 1 ? 2u * block.valueLength : block.valueLength;
    if (std::uint64_t{block.valueOffset} + valueBytes > block.end)
        return std::nullopt;
    block.childrenOffset = align4(block.valueOffset + valueBytes);
    return block;
}

bool VersionKeyIs(std::span<const std::uint8_t> resource, const VersionBlock& block, std::string_view key) {
    std::uint32_t at = block.offset + kBlockHeader;
    for (char expected : key) {
        const auto c = ReadU16(resource, at);
        if (!c || lowerAscii(static_cast<char16_t>(*c)) != lowerAscii(static_cast<char16_t>(expected)))
            return false;
        at += 2;
    }
    const auto terminator = ReadU16(resource, at);
    return terminator && *terminator == 0;
}

std::optional<VersionBlock> FindVersionChild(std::span<const std::uint8_t> resource, const VersionBlock& parent,
                                             std::string_view key) {
    std::uint32_t at = parent.childrenOffset;
    while (at + kBlockHeader <= parent.end) {
        const auto child = ReadVersionBlock(resource, at, parent.end);
        if (!child)
            return std::nullopt;
        if (VersionKeyIs(resource, *child, key))
            return child;
        at = align4(child->end); // each child is at least 8 bytes long, so this ends
    }
    return std::nullopt;
}

} // namespace vantora::publish
