#pragma once
// Field widths of SWF bit records. Every writer asks these helpers; no width is computed by hand.

#include <cstdint>
#include <cstdlib>
#include <initializer_list>

namespace swf {

// 0 for 0, else the smallest n with v < 2^n.
constexpr int UnsignedBitCount(uint32_t v) {
    int n = 0;
    while (v != 0) {
        ++n;
        v >>= 1;
    }
    return n;
}

// 0 for 0, else the unsigned bit count of |v| plus the sign bit. (-4 takes 4 bits, one more than
// the minimum; files have always been written that way.)
constexpr int SignedBitCount(int32_t v) {
    if (v == 0)
        return 0;
    const uint32_t magnitude = v < 0 ? uint32_t(0) - uint32_t(v) : uint32_t(v);
    return UnsignedBitCount(magnitude) + 1;
}

// Width of a field shared by several signed values: the signed count of the largest magnitude.
constexpr int FieldWidth(std::initializer_list<int32_t> values) {
    int width = 0;
    for (int32_t v : values) {
        const int n = SignedBitCount(v);
        if (n > width)
            width = n;
    }
    return width;
}

} // namespace swf
