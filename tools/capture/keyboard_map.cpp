#include "keyboard_map.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <span>

namespace vantora::grabbit {
namespace {

struct FreeReply {
    void operator()(void* p) const { std::free(p); }
};

} // namespace

KeyboardMap::KeyboardMap(xcb_connection_t* connection) : connection_(connection) {
    if (!connection_)
        return;
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    std::unique_ptr<xcb_get_keyboard_mapping_reply_t, FreeReply> reply(xcb_get_keyboard_mapping_reply(
        connection_, xcb_get_keyboard_mapping(connection_, setup->min_keycode, std::uint8_t(count)), nullptr));
    if (!reply)
        return;
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(reply.get());
    const int length = xcb_get_keyboard_mapping_keysyms_length(reply.get());
    firstKeycode_ = setup->min_keycode;
    perKeycode_ = reply->keysyms_per_keycode;
    keysyms_.assign(symbols, symbols + length);
}

std::uint32_t KeyboardMap::keysymOf(std::uint8_t keycode, const KeyModifiers& modifiers) const {
    if (perKeycode_ == 0 || keycode < firstKeycode_)
        return 0;
    const std::size_t start = std::size_t(keycode - firstKeycode_) * perKeycode_;
    if (start + perKeycode_ > keysyms_.size())
        return 0;
    return ChooseKeysym(std::span(keysyms_).subspan(start, perKeycode_), modifiers);
}

bool KeyboardMap::capsLockOn() const {
    if (!connection_)
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    std::unique_ptr<xcb_query_pointer_reply_t, FreeReply> pointer(
        xcb_query_pointer_reply(connection_, xcb_query_pointer(connection_, root), nullptr));
    return pointer && (pointer->mask & XCB_MOD_MASK_LOCK);
}

} // namespace vantora::grabbit
