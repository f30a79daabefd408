#include "storage/byte_stream.h"

#include <algorithm>
#include <cstring>

namespace vantora {
namespace {

// Large enough that the many small fields of a record cost few source reads, small enough to stay
// in the cache while a block is copied through it.
constexpr std::size_t kWindowBytes = 64 * 1024;

} // namespace

void ByteWriter::writeInt32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        bytes_.push_back(static_cast<std::uint8_t>(bits >> shift));
}

void ByteWriter::writeBytes(std::span<const std::uint8_t> bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }

ByteReader::ByteReader(ByteSource& source) : size_(source.size()), source_(&source) {}

bool ByteReader::buffer(std::size_t count) {
    if (buffered() >= count)
        return true;
    if (!source_)
        return false;
    // Keep the unread tail, then fill the rest of the window (no further than the source's end).
    const std::size_t kept = buffered();
    const auto keptFrom = static_cast<std::size_t>(position_ - windowStart_);
    const std::size_t capacity = std::max(kWindowBytes, count);
    if (storage_.size() < capacity)
        storage_.resize(capacity); // keeps the window's bytes, perhaps at a new address
    if (kept > 0)
        std::memmove(storage_.data(), storage_.data() + keptFrom, kept);
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(capacity, size_ - position_));
    std::size_t have = kept;
    while (have < wanted) {
        const std::size_t n = source_->read(storage_.data() + have, wanted - have);
        if (n == 0)
            break;
        have += n;
    }
    window_ = std::span<const std::uint8_t>(storage_.data(), have);
    windowStart_ = position_;
    if (have < wanted)
        size_ = position_ + have; // the source failed or ended early: the stream ends there
    return have >= count;
}

bool ByteReader::readByte(std::uint8_t& value) {
    if (remaining() < 1 || !buffer(1))
        return false;
    value = *current();
    ++position_;
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
    if (remaining() < 4 || !buffer(4))
        return false;
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= std::uint32_t{current()[i]} << (8 * i);
    position_ += 4;
    value = static_cast<std::int32_t>(bits);
    return true;
}

bool ByteReader::readBytes(std::size_t count, std::span<const std::uint8_t>& view) {
    if (remaining() < count || !buffer(count))
        return false;
    view = std::span<const std::uint8_t>(current(), count);
    position_ += count;
    return true;
}

bool ByteReader::readBytesInto(std::size_t count, std::vector<std::uint8_t>& bytes) {
    if (remaining() < count)
        return false;
    const std::uint64_t start = position_;
    std::vector<std::uint8_t> result;
    result.reserve(count);
    // A window at a time, so that a block of any size passes through the cache once on its way in.
    while (result.size() < count) {
        const std::size_t part = std::min(count - result.size(), kWindowBytes);
        if (!buffer(part)) {
            // The bytes from `start` on are gone from the window: the stream ends where this read began.
            window_ = {};
            windowStart_ = size_ = position_ = start;
            return false;
        }
        result.insert(result.end(), current(), current() + part);
        position_ += part;
    }
    bytes = std::move(result);
    return true;
}

bool ByteReader::readCount(std::int32_t& count, std::size_t unitBytes) {
    const std::uint64_t start = position_;
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
