#include "swf/bits_engine.h"
#include "base/windows1252.h"

#include "swf/bit_counts.h"
#include "swf/text_encoding.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace swf {

void TBitsEngine::WriteFixed(double x) { WriteDWord(uint32_t(int32_t(std::trunc(x * 65536.0)))); }

void TBitsEngine::WriteSingle(float x) {
    uint32_t bits;
    std::memcpy(&bits, &x, 4);
    WriteDWord(bits);
}

void TBitsEngine::WriteDouble(double x) {
    uint64_t bits;
    std::memcpy(&bits, &x, 8);
    WriteDWord(uint32_t(bits >> 32));
    WriteDWord(uint32_t(bits));
}

void TBitsEngine::WriteRGB(uint32_t packed) {
    WriteByte(uint8_t(packed));
    WriteByte(uint8_t(packed >> 8));
    WriteByte(uint8_t(packed >> 16));
}

void TBitsEngine::WriteRGBA(uint32_t packed) {
    WriteRGB(packed);
    WriteByte(uint8_t(packed >> 24));
}

void TBitsEngine::WriteString(std::string_view text, bool terminate, bool utf8) {
    if (utf8) {
        for (char c : text)
            WriteByte(uint8_t(c));
    } else {
        for (uint8_t c : vantora::Utf8ToAnsi(text))
            WriteByte(c);
    }
    if (terminate)
        WriteByte(0);
}

void TBitsEngine::WriteBytes(const uint8_t* data, size_t length, bool terminate) {
    if (pending_ == 0) {
        out_.insert(out_.end(), data, data + length);
    } else {
        for (size_t i = 0; i < length; ++i)
            WriteBits(data[i], 8);
    }
    if (terminate)
        WriteByte(0);
}

void TBitsEngine::WriteRect(const TSWFRect& r) {
    const int n = FieldWidth({r.XMin(), r.XMax(), r.YMin(), r.YMax()});
    WriteBits(uint32_t(n), 5);
    WriteSignedBits(r.XMin(), n);
    WriteSignedBits(r.XMax(), n);
    WriteSignedBits(r.YMin(), n);
    WriteSignedBits(r.YMax(), n);
    FlushBits(true);
}

void TBitsEngine::WriteRectFromTRect(const TRect& rect, bool toTwips) {
    const int32_t m = toTwips ? 20 : 1;
    WriteRect(TSWFRect(rect.Left * m, rect.Top * m, rect.Right * m, rect.Bottom * m));
}

void TBitsEngine::WriteMatrix(const TSWFMatrix& m) {
    WriteBit(m.HasScale);
    if (m.HasScale) {
        const int n = FieldWidth({m.ScaleX, m.ScaleY});
        WriteBits(uint32_t(n), 5);
        WriteSignedBits(m.ScaleX, n);
        WriteSignedBits(m.ScaleY, n);
    }
    WriteBit(m.HasRotate);
    if (m.HasRotate) {
        const int n = FieldWidth({m.RotateSkew0, m.RotateSkew1});
        WriteBits(uint32_t(n), 5);
        WriteSignedBits(m.RotateSkew0, n);
        WriteSignedBits(m.RotateSkew1, n);
    }
    const int n = FieldWidth({m.TranslateX, m.TranslateY});
    WriteBits(uint32_t(n), 5);
    if (n > 0) {
        WriteSignedBits(m.TranslateX, n);
        WriteSignedBits(m.TranslateY, n);
    }
    FlushBits(true);
}

void TBitsEngine::WriteColorTransform(const TSWFColorTransform& t) {
    WriteBit(t.HasAdd());
    WriteBit(t.HasMult());
    if (t.HasAdd() || t.HasMult()) {
        int n = 0;
        if (t.HasMult()) {
            n = std::max(n, FieldWidth({t.MultR(), t.MultG(), t.MultB()}));
            if (t.HasAlpha())
                n = std::max(n, SignedBitCount(t.MultA()));
        }
        if (t.HasAdd()) {
            n = std::max(n, FieldWidth({t.AddR(), t.AddG(), t.AddB()}));
            if (t.HasAlpha())
                n = std::max(n, SignedBitCount(t.AddA()));
        }
        WriteBits(uint32_t(n), 4);
        if (t.HasMult()) {
            WriteSignedBits(t.MultR(), n);
            WriteSignedBits(t.MultG(), n);
            WriteSignedBits(t.MultB(), n);
            if (t.HasAlpha())
                WriteSignedBits(t.MultA(), n);
        }
        if (t.HasAdd()) {
            WriteSignedBits(t.AddR(), n);
            WriteSignedBits(t.AddG(), n);
            WriteSignedBits(t.AddB(), n);
            if (t.HasAlpha())
                WriteSignedBits(t.AddA(), n);
        }
    }
    FlushBits(true);
}

} // namespace swf
