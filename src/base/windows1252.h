#pragma once
// The one place where text changes encoding. In memory every string is UTF-8; project, gallery
// and clipboard data store text in Windows-1252 so that files of the original Windows program
// load unchanged.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantora {

// UTF-8 to Windows-1252. Characters 1252 cannot hold, and malformed UTF-8 sequences, become '?'.
std::vector<std::uint8_t> Utf8ToAnsi(std::string_view utf8);

// Windows-1252 to UTF-8. Every byte has a meaning: the five positions 1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number, as Windows
// converts them, so a text read and written again keeps its bytes.
std::string AnsiToUtf8(std::span<const std::uint8_t> ansi);

// The Windows-1252 byte of one character, '?' when the code page cannot hold it.
std::uint8_t AnsiCode(char32_t codePoint);

// True when `text` is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

} // namespace vantora
