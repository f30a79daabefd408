#include "storage/byte_stream.h"

namespace vantora {

void ByteWriter::writeInt32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        bytes_.push_back(static_cast<std::uint8_t>(bits >> shift));
}

void ByteWriter::writeBytes(std::span<const std::uint8_t> bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }

bool ByteReader::readByte(std::uint8_t& value) {
    if (remaining() < 1)
        return false;
    value = bytes_[position_++];
    return true;
}

bool ByteReader::readBool(bool& value) {
    std::uint8_t byte = 0;
    if (!readByte(byte))
        return false;
    value = byte != 0;
    return true;
}

bool ByteReader::readInt32(std::int32_t& value) {
    if (remaining() < 4)
        return false;
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= std::uint32_t{bytes_[position_ + i]} << (8 * i);
    position_ += 4;
    value = static_cast<std::int32_t>(bits);
    return true;
}

bool ByteReader::readBytes(std::size_t count, std::span<const std::uint8_t>& view) {
    if (remaining() < count)
        return false;
    view = bytes_.subspan(position_, count);
    position_ += count;
    return true;
}

bool ByteReader::readCount(std::int32_t& count, std::size_t unitBytes) {
    const std::size_t start = position_;
    std::int32_t value = 0;
    if (!readInt32(value))
        return false;
    if (value < 0 || static_cast<std::size_t>(value) > remaining() / (unitBytes == 0 ? 1 : unitBytes)) {
        position_ = start;
        return false;
    }
    count = value;
    return true;
}

} // namespace vantora
