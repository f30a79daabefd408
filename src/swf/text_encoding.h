#pragma once
// Text conversions the SWF writer needs: strings are UTF-8 in memory. Files below version 6 carry
// text in the ANSI code page (Windows-1252), converted by base/windows1252.h.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace swf {

// UTF-8 to code points; malformed bytes become U+FFFD.
std::u32string Utf8ToCodePoints(std::string_view utf8);
std::string CodePointsToUtf8(std::u32string_view text);
// UTF-16 (surrogate pairs joined) to code points and back.
std::u32string Utf16ToCodePoints(std::u16string_view text);

} // namespace swf
