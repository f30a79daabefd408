#include "swf/tag_object.h"

#include <cstring>

namespace swf {

bool AlwaysLongHeader(uint16_t code) {
    return code == tagDefineBitsLossless || code == tagDefineBitsLossless2 || code == tagDefineVideoStream;
}

size_t BeginTag(TBitsEngine& be) {
    be.FlushBits(true);
    std::vector<uint8_t>& out = be.Buffer();
    const size_t start = out.size();
    out.resize(start + 6);
    return start;
}

uint32_t EndTag(TBitsEngine& be, size_t start, uint16_t code) {
    be.FlushBits(true);
    std::vector<uint8_t>& out = be.Buffer();
    const size_t length = out.size() - start - 6;
    uint8_t* header = out.data() + start;
    if (length > 62 || AlwaysLongHeader(code)) {
        const uint16_t word = uint16_t(code << 6 | 63);
        header[0] = uint8_t(word);
        header[1] = uint8_t(word >> 8);
        header[2] = uint8_t(length);
        header[3] = uint8_t(length >> 8);
        header[4] = uint8_t(length >> 16);
        header[5] = uint8_t(length >> 24);
    } else {
        // Short bodies move down over the four unused header bytes.
        const uint16_t word = uint16_t(code << 6 | length);
        header[0] = uint8_t(word);
        header[1] = uint8_t(word >> 8);
        std::memmove(header + 2, header + 6, length);
        out.resize(out.size() - 4);
    }
    return uint32_t(length);
}

void TSWFObject::WriteToStream(TBitsEngine& be) {
    if (tagCode_ == tagEnd || tagCode_ == tagShowFrame) {
        be.WriteWord(uint16_t(tagCode_ << 6));
        bodyLength_ = 0;
        return;
    }
    const size_t start = BeginTag(be);
    WriteTagBody(be);
    bodyLength_ = int32_t(EndTag(be, start, tagCode_));
}

} // namespace swf
