// Keys seen on the X11 keyboard turned into typed text: the key map's columns, Shift and Caps
// Lock, AltGr, shortcuts left out, BackSpace, and modifiers followed in the order they came.

#include "typed_keys.h"

#include <gtest/gtest.h>

#include <array>

namespace vantora::grabbit {
namespace {

// Rows of a US key map with a second group and an AltGr level, as the server gives them.
constexpr std::array<std::uint32_t, 6> kKeyA{'a', 'A', 'a', 'A', 0xE6, 0xC6}; // AltGr: æ Æ
constexpr std::array<std::uint32_t, 2> kKey1{'1', '!'};
constexpr std::array<std::uint32_t, 1> kKeyQOnlyPlain{'q'};

KeyModifiers with(bool shift, bool caps, bool altGr = false) {
    KeyModifiers m;
    m.shift = shift;
    m.capsLock = caps;
    m.altGr = altGr;
    return m;
}

TEST(TypedKeys, ShiftAndCapsLockPickTheColumn) {
    struct Case {
        std::span<const std::uint32_t> row;
        KeyModifiers modifiers;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {kKeyA, with(false, false), 'a'},    {kKeyA, with(true, false), 'A'},
        {kKeyA, with(false, true), 'A'},     {kKeyA, with(true, true), 'a'}, // Shift undoes Caps Lock
        {kKey1, with(false, true), '1'},     {kKey1, with(true, true), '!'}, // Caps Lock leaves digits
        {kKeyA, with(false, false, true), 0xE6}, {kKeyA, with(true, false, true), 0xC6},
        {kKey1, with(false, false, true), '1'}, // no AltGr level: the plain one
        {kKeyQOnlyPlain, with(true, false), 'Q'}, // no shifted symbol: the letter made capital
        {{}, with(false, false), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseKeysym(c.row, c.modifiers), c.expected) << std::hex << c.expected;
}

TEST(TypedKeys, LatinAndUnicodeSymbolsAreCharactersOthersAreNot) {
    EXPECT_EQ(KeysymCharacter(' '), U' ');
    EXPECT_EQ(KeysymCharacter('~'), U'~');
    EXPECT_EQ(KeysymCharacter(0xE9), U'é');
    EXPECT_EQ(KeysymCharacter(0x010020AC), U'€');
    EXPECT_FALSE(KeysymCharacter(0x7F));
    EXPECT_FALSE(KeysymCharacter(0xFF0D)); // Return
    EXPECT_FALSE(KeysymCharacter(0xFFE1)); // Shift_L
    EXPECT_FALSE(KeysymCharacter(0xFF51)); // Left
    EXPECT_FALSE(KeysymCharacter(0x0100D800)); // a lone surrogate
}

TEST(TypedKeys, TextSkipsShortcutsAndBackSpaceTakesBack) {
    TypedText text;
    const KeyModifiers plain;
    KeyModifiers control;
    control.control = true;
    KeyModifiers alt;
    alt.alt = true;
    for (std::uint32_t k : {'H', 'i', 'x'})
        text.key(k, plain);
    text.key(kBackSpaceKeysym, plain);
    text.key('c', control); // Ctrl+C copies, it types nothing
    text.key('f', alt);
    text.key(0xE9, plain);
    text.key(0x010020AC, plain);
    text.key(0xFF0D, plain); // Return
    EXPECT_EQ(text.take(), "Hi\xC3\xA9\xE2\x82\xAC");
    EXPECT_TRUE(text.empty());
    text.key(kBackSpaceKeysym, plain); // nothing to take back
    EXPECT_EQ(text.take(), "");
}

TEST(TypedKeys, ModifiersFollowPressesAndReleasesInOrder) {
    ModifierTracker tracker;
    EXPECT_FALSE(tracker.key('a', true));
    EXPECT_TRUE(tracker.key(0xFFE1, true)); // Shift_L
    EXPECT_TRUE(tracker.key(0xFFE2, true)); // Shift_R
    EXPECT_TRUE(tracker.key(0xFFE1, false));
    EXPECT_TRUE(tracker.held().shift); // the right one is still down
    EXPECT_TRUE(tracker.key(0xFFE2, false));
    EXPECT_FALSE(tracker.held().shift);
    tracker.key(0xFFE3, true);
    EXPECT_TRUE(tracker.held().control);
    tracker.key(0xFE03, true);
    EXPECT_TRUE(tracker.held().altGr);
    // Caps Lock turns with each press; a held (repeating) key turns it once.
    tracker.key(0xFFE5, true);
    tracker.key(0xFFE5, true);
    tracker.key(0xFFE5, false);
    EXPECT_TRUE(tracker.held().capsLock);
    tracker.key(0xFFE5, true);
    EXPECT_FALSE(tracker.held().capsLock);
    EXPECT_TRUE(ModifierTracker(true).held().capsLock);
}

} // namespace
} // namespace vantora::grabbit
