#pragma once
// Keys seen on the X11 keyboard turned into the text they type. The capture tool sees keys as
// key codes (it never has the focus), so it reads the server's key map itself: each key code
// has a row of key symbols (plain, shifted, then the second group, then AltGr levels), and a key
// symbol of Latin-1 or of the Unicode range stands for one character. Dead keys, compose
// sequences and input methods are not followed.

#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>

namespace vantora::grabbit {

// The modifier state of the keyboard when a key went down (X11's modifier mask bits).
struct KeyModifiers {
    bool shift = false;
    bool capsLock = false;
    bool control = false;
    bool alt = false;   // Mod1
    bool altGr = false; // Mod5, where ISO_Level3_Shift sits on common layouts
};

inline constexpr std::uint32_t kBackSpaceKeysym = 0xFF08;

// Follows the modifier keys from their own presses and releases, in the order the server sent
// them: asking the server for its modifier state when a key is handled would be too late for
// fast typing, where Shift is often up again by then.
class ModifierTracker {
public:
    explicit ModifierTracker(bool capsLockOn = false) : capsLock_(capsLockOn) {}
    // A key went down or up; `plainKeysym` is its unshifted symbol. False for keys that are no
    // modifiers.
    bool key(std::uint32_t plainKeysym, bool down);
    KeyModifiers held() const;

private:
    std::set<std::uint32_t> down_;
    bool capsLock_;
};

// The key symbol a key types with these modifiers, from its row of the key map.
std::uint32_t ChooseKeysym(std::span<const std::uint32_t> row, const KeyModifiers& modifiers);

// The character a key symbol stands for; nothing for function, cursor and modifier keys.
std::optional<char32_t> KeysymCharacter(std::uint32_t keysym);

// Collects what the author types between two clicks. Keys held with Control or Alt are
// shortcuts, not text; BackSpace takes back the last character typed.
class TypedText {
public:
    void key(std::uint32_t keysym, const KeyModifiers& modifiers);
    // The text so far (UTF-8), and empty again.
    std::string take();
    bool empty() const { return text_.empty(); }

private:
    std::u32string text_;
};

} // namespace vantora::grabbit
