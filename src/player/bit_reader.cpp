#include "player/bit_reader.h"

#include "player/movie_error.h"

namespace player {

void BitReader::Need(size_t count) const {
    if (count > data_.size() - pos_)
        throw MovieError("record runs past the end of its tag");
}

uint8_t BitReader::U8() {
    Align();
    Need(1);
    return data_[pos_++];
}

uint16_t BitReader::U16() {
    Align();
    Need(2);
    const uint16_t v = uint16_t(data_[pos_] | data_[pos_ + 1] << 8);
    pos_ += 2;
    return v;
}

uint32_t BitReader::U32() {
    Align();
    Need(4);
    const uint32_t v = uint32_t(data_[pos_]) | uint32_t(data_[pos_ + 1]) << 8 | uint32_t(data_[pos_ + 2]) << 16 |
                       uint32_t(data_[pos_ + 3]) << 24;
    pos_ += 4;
    return v;
}

std::string BitReader::String() {
    Align();
    std::string s;
    while (pos_ < data_.size()) {
        const char c = char(data_[pos_++]);
        if (c == 0)
            return s;
        s.push_back(c);
    }
    return s;
}

std::span<const uint8_t> BitReader::Bytes(size_t count) {
    Align();
    Need(count);
    const auto out = data_.subspan(pos_, count);
    pos_ += count;
    return out;
}

std::span<const uint8_t> BitReader::Rest() { return Bytes(Remaining()); }

uint32_t BitReader::UBits(int count) {
    if (count < 0 || count > 32)
        throw MovieError("bit field wider than 32 bits");
    uint32_t v = 0;
    for (int i = 0; i < count; ++i) {
        if (bitCount_ == 0) {
            Need(1);
            bits_ = data_[pos_++];
            bitCount_ = 8;
        }
        --bitCount_;
        v = v << 1 | ((bits_ >> bitCount_) & 1u);
    }
    return v;
}

int32_t BitReader::SBits(int count) {
    if (count == 0)
        return 0;
    const uint32_t v = UBits(count);
    if (count < 32 && (v & (1u << (count - 1))))
        return int32_t(v | ~((1u << count) - 1));
    return int32_t(v);
}

void BitReader::Seek(size_t pos) {
    Align();
    if (pos > data_.size())
        throw MovieError("offset past the end of its tag");
    pos_ = pos;
}

} // namespace player
