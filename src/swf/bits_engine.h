#pragma once
// TBitsEngine: the byte and bit writer every tag body goes through. It appends to a byte buffer
// that it does not own; bit fields fill each byte from its most significant bit. It also carries
// the SWF version being written, which decides how strings and some records are encoded.

#include "swf/records.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace swf {

class TBitsEngine {
public:
    // The version this system's movies are written at.
    static constexpr int kDefaultVersion = 6;

    explicit TBitsEngine(std::vector<uint8_t>& target, int version = kDefaultVersion) : out_(target), version_(version) {}

    // The SWF version of the file being written.
    int Version() const { return version_; }

    std::vector<uint8_t>& Buffer() { return out_; }
    // Bytes written so far (not counting bits still pending).
    size_t Position() const { return out_.size(); }

    // The low `count` bits of value (0..32), most significant first; signed values in two's complement.
    void WriteBits(uint32_t value, int count) {
        if (count <= 0)
            return;
        const uint64_t mask = count >= 32 ? 0xFFFFFFFFull : ((uint64_t(1) << count) - 1);
        acc_ = (acc_ << count) | (uint64_t(value) & mask);
        pending_ += count;
        while (pending_ >= 8) {
            pending_ -= 8;
            out_.push_back(uint8_t(acc_ >> pending_));
        }
        acc_ &= (uint64_t(1) << pending_) - 1;
    }
    void WriteSignedBits(int32_t value, int count) { WriteBits(uint32_t(value), count); }
    void WriteBit(bool flag) { WriteBits(flag ? 1u : 0u, 1); }
    // Completes a pending byte with zero bits when `pad`; always clears the pending state.
    void FlushBits(bool pad = true) {
        if (pending_ > 0 && pad)
            out_.push_back(uint8_t(acc_ << (8 - pending_)));
        pending_ = 0;
        acc_ = 0;
    }
    int PendingBits() const { return pending_; }

    // Unaligned when bits are pending: the byte continues the bit stream.
    void WriteByte(uint8_t value) {
        if (pending_ == 0)
            out_.push_back(value);
        else
            WriteBits(value, 8);
    }
    void WriteWord(uint16_t value) {
        FlushBits(true);
        out_.push_back(uint8_t(value));
        out_.push_back(uint8_t(value >> 8));
    }
    void WriteDWord(uint32_t value) {
        FlushBits(true);
        out_.push_back(uint8_t(value));
        out_.push_back(uint8_t(value >> 8));
        out_.push_back(uint8_t(value >> 16));
        out_.push_back(uint8_t(value >> 24));
    }
    void WriteFixed(double x);
    void WriteSingle(float x);
    void WriteDouble(double x); // the SWF action layout: high 32 bits first, each half little-endian

    // Packed colours: Red | Green << 8 | Blue << 16 (| Alpha << 24). Neither aligns first.
    void WriteRGB(uint32_t packed);
    void WriteRGBA(uint32_t packed);
    void WriteRGB(const TSWFRGB& c) { WriteRGB(c.Packed()); }
    void WriteRGBA(const TSWFRGBA& c) { WriteRGBA(c.Packed()); }

    // `text` is UTF-8. With utf8 the bytes go out as they are; otherwise the text is converted to
    // the ANSI code page (Windows-1252) first, as files below version 6 expect.
    void WriteString(std::string_view text, bool terminate = true, bool utf8 = false);
    void WriteBytes(const uint8_t* data, size_t length, bool terminate = false);
    void WriteBytes(const std::vector<uint8_t>& data) { WriteBytes(data.data(), data.size()); }

    // Records; each ends byte-aligned.
    void WriteRect(const TSWFRect& rect);
    void WriteRectFromTRect(const TRect& rect, bool toTwips);
    void WriteMatrix(const TSWFMatrix& matrix);
    void WriteColorTransform(const TSWFColorTransform& transform);

private:
    std::vector<uint8_t>& out_;
    int version_;
    uint64_t acc_ = 0;
    int pending_ = 0;
};

} // namespace swf
