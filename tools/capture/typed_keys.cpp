#include "typed_keys.h"

#include <cctype>

namespace vantora::grabbit {
namespace {

constexpr std::uint32_t kNoSymbol = 0;
// Typing longer than this between two clicks is no form being filled in: the rest is dropped,
// which also keeps the event within what readers of the shots file accept.
constexpr std::size_t kLongestText = 4096;

bool isLetter(std::uint32_t keysym) { return keysym < 0x80 && std::isalpha(static_cast<int>(keysym)); }

std::uint32_t at(std::span<const std::uint32_t> row, std::size_t column) {
    return column < row.size() ? row[column] : kNoSymbol;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::uint32_t ChooseKeysym(std::span<const std::uint32_t> row, const KeyModifiers& modifiers) {
    const std::size_t base = modifiers.altGr && at(row, 4) != kNoSymbol ? 4 : 0;
    const std::uint32_t plain = at(row, base);
    const std::uint32_t shifted = at(row, base + 1);
    // Caps Lock shifts letters only, and Shift with Caps Lock types them small again.
    const bool shift = modifiers.shift != (modifiers.capsLock && isLetter(plain));
    if (!shift)
        return plain;
    if (shifted != kNoSymbol)
        return shifted;
    return isLetter(plain) ? static_cast<std::uint32_t>(std::toupper(static_cast<int>(plain))) : plain;
}

std::optional<char32_t> KeysymCharacter(std::uint32_t keysym) {
    if ((keysym >= 0x20 && keysym <= 0x7E) || (keysym >= 0xA0 && keysym <= 0xFF))
        return static_cast<char32_t>(keysym); // Latin-1 symbols are their own code points
    if (keysym >= 0x01000020 && keysym <= 0x0110FFFF) {
        const char32_t c = keysym - 0x01000000;
        if (c < 0xD800 || c > 0xDFFF)
            return c;
    }
    return std::nullopt;
}

bool ModifierTracker::key(std::uint32_t plainKeysym, bool down) {
    switch (plainKeysym) {
    case 0xFFE5: // Caps_Lock turns on and off with each press
        if (down && !down_.contains(plainKeysym))
            capsLock_ = !capsLock_;
        break;
    case 0xFFE1: case 0xFFE2: // Shift_L, Shift_R
    case 0xFFE3: case 0xFFE4: // Control_L, Control_R
    case 0xFFE7: case 0xFFE8: // Meta_L, Meta_R
    case 0xFFE9: case 0xFFEA: // Alt_L, Alt_R
    case 0xFE03: case 0xFF7E: // ISO_Level3_Shift, Mode_switch (AltGr)
        break;
    default: return false;
    }
    if (down)
        down_.insert(plainKeysym);
    else
        down_.erase(plainKeysym);
    return true;
}

KeyModifiers ModifierTracker::held() const {
    const auto any = [this](std::uint32_t a, std::uint32_t b) { return down_.contains(a) || down_.contains(b); };
    KeyModifiers held;
    held.shift = any(0xFFE1, 0xFFE2);
    held.capsLock = capsLock_;
    held.control = any(0xFFE3, 0xFFE4);
    held.alt = any(0xFFE9, 0xFFEA) || any(0xFFE7, 0xFFE8);
    held.altGr = any(0xFE03, 0xFF7E);
    return held;
}

void TypedText::key(std::uint32_t keysym, const KeyModifiers& modifiers) {
    if (modifiers.control || modifiers.alt)
        return;
    if (keysym == kBackSpaceKeysym) {
        if (!text_.empty())
            text_.pop_back();
        return;
    }
    const std::optional<char32_t> c = KeysymCharacter(keysym);
    if (c && text_.size() < kLongestText)
        text_ += *c;
}

std::string TypedText::take() {
    std::string utf8;
    for (char32_t c : text_)
        appendUtf8(utf8, c);
    text_.clear();
    return utf8;
}

} // namespace vantora::grabbit
