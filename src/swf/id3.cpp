#include "swf/id3.h"

namespace swf {

namespace {

std::string fixedText(const uint8_t* p, size_t n) {
    size_t len = 0;
    while (len < n && p[len] != 0)
        ++len;
    while (len > 0 && p[len - 1] == ' ')
        --len;
    return std::string(reinterpret_cast<const char*>(p), len);
}

} // namespace

bool TID3v1::Read(TSoundSource& source) {
    *this = TID3v1();
    if (source.Size() < kSize)
        return false;
    const std::vector<uint8_t> tag = source.Read(source.Size() - kSize, kSize);
    if (tag.size() != kSize || tag[0] != 'T' || tag[1] != 'A' || tag[2] != 'G')
        return false;
    exists_ = true;
    title_ = fixedText(tag.data() + 3, 30);
    artist_ = fixedText(tag.data() + 33, 30);
    return true;
}

bool TID3v2::Read(TSoundSource& source) {
    *this = TID3v2();
    const std::vector<uint8_t> h = source.Read(0, 10);
    if (h.size() < 10 || h[0] != 'I' || h[1] != 'D' || h[2] != '3' || h[3] == 0xFF || h[4] == 0xFF)
        return false;
    // The size is four 7-bit groups; a set high bit means this is no tag.
    uint64_t size = 0;
    for (int i = 6; i < 10; ++i) {
        if (h[size_t(i)] & 0x80)
            return false;
        size = size << 7 | h[size_t(i)];
    }
    const bool footer = h[3] >= 4 && (h[5] & 0x10) != 0;
    exists_ = true;
    version_ = h[3];
    totalSize_ = 10 + size + (footer ? 10 : 0);
    return true;
}

} // namespace swf
