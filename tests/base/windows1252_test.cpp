// Windows-1252 conversion at the file boundary.

#include "base/windows1252.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(AnsiText, AsciiAndLatin1PassThroughAsSingleBytes) {
    EXPECT_EQ(Utf8ToAnsi("Demo 1"), (Bytes{'D', 'e', 'm', 'o', ' ', '1'}));
    EXPECT_EQ(Utf8ToAnsi("é\u00FF\u00A0"), (Bytes{0xE9, 0xFF, 0xA0}));
    EXPECT_EQ(AnsiToUtf8(Bytes{0xE9, 0xFF, 0xA0}), "é\u00FF\u00A0");
}

TEST(AnsiText, TheHighControlRangeMapsAsWindowsDoes) {
    // Euro sign, curly quotes, en and em dash, trade mark, Ÿ.
    EXPECT_EQ(Utf8ToAnsi("€“”–—™Ÿ"), (Bytes{0x80, 0x93, 0x94, 0x96, 0x97, 0x99, 0x9F}));
    EXPECT_EQ(AnsiToUtf8(Bytes{0x80, 0x8A, 0x8C, 0x9C}), "€ŠŒœ");
}

TEST(AnsiText, EveryByteSurvivesARoundTrip) {
    Bytes all(256);
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<std::uint8_t>(i);
    const std::string utf8 = AnsiToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Utf8ToAnsi(utf8), all);
}

TEST(AnsiText, UndefinedPositionsBecomeControlCharactersOfTheSameNumber) {
    EXPECT_EQ(AnsiToUtf8(Bytes{0x81}), "\u0081");
    EXPECT_EQ(AnsiToUtf8(Bytes{0x9D}), "\u009D");
    EXPECT_EQ(Utf8ToAnsi("\u008D\u008F\u0090"), (Bytes{0x8D, 0x8F, 0x90}));
}

TEST(AnsiText, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToAnsi("a\u4E2Db"), (Bytes{'a', '?', 'b'}));   // CJK
    EXPECT_EQ(Utf8ToAnsi("\U0001F600"), (Bytes{'?'}));           // emoji: one character, one '?'
    EXPECT_EQ(Utf8ToAnsi("\u0100"), (Bytes{'?'}));               // Ā has no best-fit here
    EXPECT_EQ(Utf8ToAnsi("\u0085"), (Bytes{'?'}));               // a C1 control 1252 puts an ellipsis on
}

TEST(AnsiText, MalformedUtf8BecomesQuestionMarksWithoutSwallowingText) {
    EXPECT_EQ(Utf8ToAnsi("a\xFF" "b"), (Bytes{'a', '?', 'b'}));
    EXPECT_EQ(Utf8ToAnsi("\xC3"), (Bytes{'?'}));                 // truncated sequence at the end
    EXPECT_EQ(Utf8ToAnsi("\xE2\x82" "A"), (Bytes{'?', '?', 'A'})); // truncated in the middle
    EXPECT_EQ(Utf8ToAnsi("\xC0\xAF"), (Bytes{'?', '?'}));       // overlong encoding of '/'
    EXPECT_EQ(Utf8ToAnsi("\xED\xA0\x80"), (Bytes{'?', '?', '?'})); // surrogate
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));
}

TEST(AnsiText, EmptyTextStaysEmpty) {
    EXPECT_TRUE(Utf8ToAnsi("").empty());
    EXPECT_EQ(AnsiToUtf8(Bytes{}), "");
}

} // namespace
} // namespace vantora
