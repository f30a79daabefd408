#pragma once
// Reads the little-endian integers, strings and bit fields of SWF records from a byte range.
// Every read is checked against the end of the range: reading past it throws MovieError, so a
// truncated or lying record can never read outside its tag.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace player {

// Coordinates summed from a record's deltas, which a hostile file may make as large as it likes,
// stop at the ends of the 32-bit range instead of overflowing.
inline int32_t AddSaturated(int32_t a, int32_t b) {
    const int64_t sum = int64_t(a) + int64_t(b);
    return sum > INT32_MAX ? INT32_MAX : sum < INT32_MIN ? INT32_MIN : int32_t(sum);
}

class BitReader {
public:
    explicit BitReader(std::span<const uint8_t> data) : data_(data) {}

    uint8_t U8();
    uint16_t U16();
    int16_t S16() { return int16_t(U16()); }
    uint32_t U32();
    // A zero-terminated string (without the terminator); a missing terminator ends it at the end.
    std::string String();
    std::span<const uint8_t> Bytes(size_t count);
    std::span<const uint8_t> Rest();

    uint32_t UBits(int count);
    int32_t SBits(int count);
    bool Bit() { return UBits(1) != 0; }
    // Drops the bits left in the current byte.
    void Align() { bitCount_ = 0; }

    size_t Position() const { return pos_; }
    size_t Remaining() const { return data_.size() - pos_; }
    bool AtEnd() const { return pos_ >= data_.size(); }
    void Seek(size_t pos);

private:
    void Need(size_t count) const;

    std::span<const uint8_t> data_;
    size_t pos_ = 0;
    uint8_t bits_ = 0;
    int bitCount_ = 0;
};

} // namespace player
