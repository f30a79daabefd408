// Texts: static text drawn with the embedded glyphs of its font, text fields with embedded glyphs
// and with the system face of a device font, inside the field's bounds only.
#include "player_test_support.h"

#include "player/text_layout.h"

#include "fake_glyph_source.h"
#include "swf/font.h"
#include "swf/text.h"

using namespace player_test;

namespace {

int DarkPixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ++count;
    return count;
}

} // namespace

// The test glyph source draws every character as a square of (100 + code % 50) / 1024 of the
// font height, standing on the baseline; the ascent is 900/1024.
TEST(PlayerText, StaticTextDrawsItsGlyphsAtTheirAdvances) {
    swf_test::FakeGlyphSource glyphs;
    auto movie = NewMovie(300, 200);
    movie->SetGlyphSource(&glyphs);
    auto* font = movie->AddFont({"Arial", 100, false, false, 0}, false);
    auto* text = movie->AddText(u"a a", swf::TSWFRGBA(0, 0, 200), font, {10, 10, 290, 190});
    movie->PlaceObject(text, 1);
    movie->ShowFrame();
    const QImage frame = FirstFrame(*movie);
    // 'a' (97): a square of 147/1024 x 100 = 14.4 pixels from x = 10, baseline 10 + 87.9.
    EXPECT_TRUE(PixelNear(frame, 17, 92, 0x0000c8, 2));
    EXPECT_TRUE(PixelNear(frame, 30, 92, 0xffffff, 0)); // the gap after it, before the space's advance ends
    // The second 'a' after two advances of about 50 pixels each.
    EXPECT_TRUE(PixelNear(frame, 10 + 98 + 7, 92, 0x0000c8, 2));
    EXPECT_TRUE(PixelNear(frame, 17, 80, 0xffffff, 0)); // above the square
}

TEST(PlayerText, FieldWithEmbeddedGlyphsStartsInsideItsGutter) {
    swf_test::FakeGlyphSource glyphs;
    auto movie = NewMovie(300, 200);
    movie->SetGlyphSource(&glyphs);
    auto* font = movie->AddFont({"Arial", 100, false, false, 0}, false);
    auto* field = movie->AddText(u"a", swf::TSWFRGBA(200, 0, 0), font, {10, 10, 290, 190});
    field->SetEditText(true);
    movie->PlaceObject(field, 1);
    movie->ShowFrame();
    const QImage frame = FirstFrame(*movie);
    EXPECT_TRUE(PixelNear(frame, 19, 94, 0xc80000, 2));
    EXPECT_TRUE(PixelNear(frame, 11, 94, 0xffffff, 0)); // the 2-pixel gutter
}

TEST(PlayerText, DeviceFontFieldDrawsWithTheSystemFaceInsideItsBounds) {
    auto movie = NewMovie(300, 200);
    auto* font = movie->AddFont({"Arial", 30, false, false, 0}, true);
    auto* field = movie->AddText(u"HHHH HHHH HHHH HHHH", swf::TSWFRGBA(0, 0, 0), font, {10, 10, 150, 50});
    field->SetEditText(true);
    movie->PlaceObject(field, 1);
    movie->ShowFrame();
    const QImage frame = FirstFrame(*movie);
    EXPECT_GT(DarkPixels(frame, QRect(10, 10, 140, 40)), 200);
    // Clipped to the field: nothing below or right of it, although the text is longer.
    EXPECT_EQ(DarkPixels(frame, QRect(0, 51, 300, 149)), 0);
    EXPECT_EQ(DarkPixels(frame, QRect(151, 0, 149, 200)), 0);
}

TEST(PlayerText, LinesBreakAtLineEndsAndWordGaps) {
    auto width = [](char16_t) { return 10.0; };
    EXPECT_EQ(player::BreakLines(u"ab\r\ncd\ne", false, 100, width),
              (std::vector<std::u16string>{u"ab", u"cd", u"e"}));
    EXPECT_EQ(player::BreakLines(u"aaa bbb ccc", true, 75, width),
              (std::vector<std::u16string>{u"aaa bbb", u"ccc"}));
    EXPECT_EQ(player::BreakLines(u"abcdefgh", true, 35, width),
              (std::vector<std::u16string>{u"abc", u"def", u"gh"})); // a word longer than a line
    EXPECT_EQ(player::BreakLines(u"", true, 35, width), (std::vector<std::u16string>{u""}));
}
