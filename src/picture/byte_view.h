#pragma once
// Bounds-checked little- and big-endian reads from a byte span, for the small file readers here.

#include <cstddef>
#include <cstdint>
#include <span>

namespace vantora {

class ByteView {
public:
    explicit ByteView(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }
    // True when `count` bytes starting at `offset` lie inside the data (no overflow on huge values).
    bool has(std::uint64_t offset, std::uint64_t count) const {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }
    std::span<const std::uint8_t> slice(std::size_t offset, std::size_t count) const { return bytes_.subspan(offset, count); }

    // Callers check has() first.
    std::uint8_t u8(std::size_t at) const { return bytes_[at]; }
    std::uint16_t le16(std::size_t at) const { return static_cast<std::uint16_t>(bytes_[at] | (bytes_[at + 1] << 8)); }
    std::uint32_t le32(std::size_t at) const { return le16(at) | (std::uint32_t{le16(at + 2)} << 16); }
    std::int32_t le32s(std::size_t at) const { return static_cast<std::int32_t>(le32(at)); }
    std::uint32_t be32(std::size_t at) const {
        return (std::uint32_t{bytes_[at]} << 24) | (std::uint32_t{bytes_[at + 1]} << 16) | (std::uint32_t{bytes_[at + 2]} << 8) | bytes_[at + 3];
    }

private:
    std::span<const std::uint8_t> bytes_;
};

} // namespace vantora
