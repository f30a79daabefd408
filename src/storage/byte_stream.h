#pragma once
// The little-endian byte streams the record writers and readers work on. The writer appends to a
// memory buffer; the reader walks a span or a streamed source and refuses to read past its end, so
// a damaged length or count can never make it read or allocate beyond the bytes that are really
// there.

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

// Bytes a reader takes in order from elsewhere (a file), so that a large project never needs to
// be held twice: once read, and once in the pictures made from it.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // How many bytes the source holds in all; the reader asks for no more.
    virtual std::uint64_t size() const = 0;
    // Reads up to `count` of the next bytes into `out` and returns how many; 0 only at a failure.
    virtual std::size_t read(std::uint8_t* out, std::size_t count) = 0;
};

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : window_(bytes), size_(bytes.size()) {}
    // Reads `source` through a small window; the source must outlive the reader.
    explicit ByteReader(ByteSource& source);

    // Each read returns false, consuming nothing, when too few bytes remain.
    bool readByte(std::uint8_t& value);
    bool readBool(bool& value);
    bool readInt32(std::int32_t& value);
    // Reads `count` bytes as a view, valid until the next read (into the span read from, or into
    // the window of a streamed source).
    bool readBytes(std::size_t count, std::span<const std::uint8_t>& view);
    // Reads `count` bytes into `bytes`, replacing its content; large blocks are copied just once.
    bool readBytesInto(std::size_t count, std::vector<std::uint8_t>& bytes);
    // Reads an int32 count or length that must lie in 0 .. remaining() / unitBytes: a record of
    // `unitBytes` bytes at least follows per unit, so a larger value cannot be genuine.
    bool readCount(std::int32_t& count, std::size_t unitBytes = 1);

    std::size_t remaining() const { return static_cast<std::size_t>(size_ - position_); }
    std::size_t position() const { return static_cast<std::size_t>(position_); }
    bool atEnd() const { return remaining() == 0; }

private:
    // The bytes from position_ on that the window already holds.
    std::size_t buffered() const { return static_cast<std::size_t>(windowStart_ + window_.size() - position_); }
    const std::uint8_t* current() const { return window_.data() + (position_ - windowStart_); }
    // Makes the window hold `count` bytes from position_ on; false when the source fails.
    bool buffer(std::size_t count);

    std::span<const std::uint8_t> window_; // all bytes, or the part of the source read last
    std::uint64_t windowStart_ = 0;        // stream position of window_[0]
    std::uint64_t position_ = 0;
    std::uint64_t size_ = 0;
    ByteSource* source_ = nullptr;
    std::vector<std::uint8_t> storage_; // the window's memory when streaming
};

} // namespace vantora
