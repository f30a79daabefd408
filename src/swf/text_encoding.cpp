#include "swf/text_encoding.h"

namespace swf {

std::u32string Utf8ToCodePoints(std::string_view s) {
    std::u32string out;
    size_t i = 0;
    while (i < s.size()) {
        const uint8_t b = uint8_t(s[i]);
        const int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0 || i + size_t(extra) >= s.size()) {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        uint32_t cp = extra == 0 ? b : (b & (0x3F >> extra));
        bool ok = true;
        for (int k = 1; k <= extra && ok; ++k) {
            const uint8_t c = uint8_t(s[i + size_t(k)]);
            ok = (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3F);
        }
        out.push_back(ok ? char32_t(cp) : U'\uFFFD');
        i += ok ? size_t(extra) + 1 : 1;
    }
    return out;
}

std::string CodePointsToUtf8(std::u32string_view text) {
    std::string out;
    for (char32_t c : text) {
        const uint32_t cp = uint32_t(c) > 0x10FFFF ? 0xFFFD : uint32_t(c);
        if (cp < 0x80) {
            out.push_back(char(cp));
        } else if (cp < 0x800) {
            out.push_back(char(0xC0 | cp >> 6));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(char(0xE0 | cp >> 12));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(char(0xF0 | cp >> 18));
            out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

std::u32string Utf16ToCodePoints(std::u16string_view text) {
    std::u32string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            out.push_back(char32_t(0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00)));
            ++i;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

} // namespace swf
