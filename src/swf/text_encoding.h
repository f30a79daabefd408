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
