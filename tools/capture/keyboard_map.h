#pragma once
// The X11 server's key map, read over the application's xcb connection: enough to tell which key
// symbol a watched key code typed.

#include "typed_keys.h"

#include <cstdint>
#include <vector>

struct xcb_connection_t;

namespace vantora::grabbit {

class KeyboardMap {
public:
    // Reads the map; an empty map (no connection, no reply) types nothing.
    explicit KeyboardMap(xcb_connection_t* connection);

    // The key symbol the key types with these modifiers, and its unshifted one.
    std::uint32_t keysymOf(std::uint8_t keycode, const KeyModifiers& modifiers) const;
    std::uint32_t plainKeysymOf(std::uint8_t keycode) const { return keysymOf(keycode, KeyModifiers{}); }
    // Whether Caps Lock is on now (for the start; the key presses tell the rest).
    bool capsLockOn() const;

private:
    xcb_connection_t* connection_;
    std::uint8_t firstKeycode_ = 0;
    std::uint8_t perKeycode_ = 0;
    std::vector<std::uint32_t> keysyms_;
};

} // namespace vantora::grabbit
