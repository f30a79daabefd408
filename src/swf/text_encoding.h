#pragma once
// Text conversions the SWF writer needs: strings are UTF-8 in memory; files below version 6 carry
// text in the ANSI code page (Windows-1252).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace swf {

// UTF-8 to Windows-1252; characters it cannot hold (and malformed bytes) become '?'.
std::vector<uint8_t> Utf8ToAnsi(std::string_view utf8);

} // namespace swf

namespace swf {

// UTF-8 to code points; malformed bytes become U+FFFD.
std::u32string Utf8ToCodePoints(std::string_view utf8);
std::string CodePointsToUtf8(std::u32string_view text);
// UTF-16 (surrogate pairs joined) to code points and back.
std::u32string Utf16ToCodePoints(std::u16string_view text);
// The Windows-1252 byte of a character, '?' when it has none.
uint8_t AnsiCode(char32_t c);

} // namespace swf
