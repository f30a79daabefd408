#pragma once
// The little-endian byte streams the record writers and readers work on. The writer appends to a
// memory buffer; the reader walks a span and refuses to read past its end, so a damaged length or
// count can never make it read or allocate beyond the bytes that are really there.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vantora {

class ByteWriter {
public:
    void writeByte(std::uint8_t value) { bytes_.push_back(value); }
    void writeBool(bool value) { writeByte(value ? 1 : 0); }
    void writeInt32(std::int32_t value);
    void writeBytes(std::span<const std::uint8_t> bytes);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }
    std::size_t size() const { return bytes_.size(); }

private:
    std::vector<std::uint8_t> bytes_;
};

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    // Each read returns false, consuming nothing, when too few bytes remain.
    bool readByte(std::uint8_t& value);
    bool readBool(bool& value);
    bool readInt32(std::int32_t& value);
    // Reads `count` bytes as a view into the underlying buffer.
    bool readBytes(std::size_t count, std::span<const std::uint8_t>& view);
    // Reads an int32 count or length that must lie in 0 .. remaining() / unitBytes: a record of
    // `unitBytes` bytes at least follows per unit, so a larger value cannot be genuine.
    bool readCount(std::int32_t& count, std::size_t unitBytes = 1);

    std::size_t remaining() const { return bytes_.size() - position_; }
    std::size_t position() const { return position_; }
    bool atEnd() const { return remaining() == 0; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

} // namespace vantora
