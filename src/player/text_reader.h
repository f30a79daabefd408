#pragma once
// Reads DefineFont2 (glyph outlines, codes and layout), DefineText/DefineText2 (glyph runs) and
// DefineEditText (text fields). Strings are UTF-8 from version 6 on, Windows-1252 before.

#include "player/characters.h"

#include <memory>
#include <span>

namespace player {

std::shared_ptr<FontDef> ReadFont2(std::span<const uint8_t> body);
// `code` is 11 or 33.
std::shared_ptr<TextDef> ReadText(uint16_t code, std::span<const uint8_t> body);
std::shared_ptr<EditTextDef> ReadEditText(std::span<const uint8_t> body, int version);

// A movie string as UTF-16.
std::u16string DecodeMovieText(const std::string& bytes, int version);

} // namespace player
