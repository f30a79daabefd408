#include "swf/errors.h"
#include "swf/bit_counts.h"
#include "swf/font.h"
#include "swf/text.h"

#include "fake_glyph_source.h"
#include "swf_test_helpers.h"

#include <cmath>

using namespace swf;
using namespace swf_test;
using vantora::test::TempDir;

namespace {

struct Reader {
    const Bytes& b;
    size_t pos;
    uint8_t byte() { return b.at(pos++); }
    uint16_t word() { const uint16_t v = uint16_t(b.at(pos) | b.at(pos + 1) << 8); pos += 2; return v; }
};

// The body of a tag written alone (long or short header skipped).
Bytes bodyOf(TBasedSWFObject& object) {
    const Bytes tag = tagBytes(object);
    const size_t headerLength = (tag[0] & 0x3F) == 0x3F ? 6 : 2;
    return Bytes(tag.begin() + ptrdiff_t(headerLength), tag.end());
}

uint16_t codeOf(TBasedSWFObject& object) {
    const Bytes tag = tagBytes(object);
    return uint16_t((tag[0] | tag[1] << 8) >> 6);
}

struct Movie {
    FakeGlyphSource glyphs;
    TFlashMovie movie{0, 0, 400, 300, 12, true};
    Movie() { movie.SetGlyphSource(&glyphs); }
};

} // namespace

// ---------------------------------------------------------------- fonts

TEST(SwfFont, CharactersAreKeptOrderedWithoutDuplicates) {
    Movie m;
    TFlashFont* font = m.movie.AddFont({"Arial", 12, false, false, 0}, false);
    font->AddChars("cab");
    font->AddChars("ba");
    ASSERT_EQ(font->Chars().size(), 3u);
    EXPECT_EQ(font->Chars()[0]->WideCode, u'a');
    EXPECT_EQ(font->Chars()[2]->WideCode, u'c');
    EXPECT_FALSE(font->Wide());
    EXPECT_EQ(font->Size(), 240);

    EXPECT_EQ(font->MinVersion(), 3);
    m.movie.SetVersion(5);
    font->AddChar(0x4E2D);
    EXPECT_TRUE(font->Wide());
    // The font asks for version 6; the movie takes it up only when it writes.
    EXPECT_EQ(font->MinVersion(), 6);
    EXPECT_EQ(m.movie.Version(), 5);
    m.movie.MakeStream();
    EXPECT_EQ(m.movie.Version(), 6);
}

TEST(SwfFont, CharsetsGiveLanguageAndEncoding) {
    struct Case { int charset; uint8_t language; uint8_t encoding; };
    const Case cases[] = {{0, 0, feANSI}, {2, 0, feANSI}, {1, 0, feWide}, {128, 2, feShiftJIS},
                          {129, 3, feANSI}, {134, 4, feANSI}, {136, 5, feANSI}, {161, 64, feWide}};
    for (const Case& c : cases) {
        TFlashFont font(nullptr);
        font.SetCharset(c.charset);
        EXPECT_EQ(font.LanguageCode(), c.language) << c.charset;
        EXPECT_EQ(font.Encoding(), c.encoding) << c.charset;
    }
}

TEST(SwfFont, DefineFont2OfAnAnsiStaticText) {
    Movie m;
    TFlashFont* font = m.movie.AddFont({"Arial", 12, true, false, 0}, false);
    TFlashText* text = m.movie.AddCharacter(std::make_unique<TFlashText>(&m.movie, font));
    text->SetText("a c");
    const Bytes body = bodyOf(*font);
    Reader r{body, 0};
    EXPECT_EQ(r.word(), font->CharacterId());
    EXPECT_EQ(r.byte(), 0x11); // ANSI | Bold; no layout for static text alone
    EXPECT_EQ(r.byte(), 0);    // language
    ASSERT_EQ(r.byte(), 5);
    EXPECT_EQ(std::string(body.begin() + 5, body.begin() + 10), "Arial");
    r.pos = 10;
    ASSERT_EQ(r.word(), 3);
    const uint16_t offsets[4] = {r.word(), r.word(), r.word(), r.word()};
    EXPECT_EQ(offsets[0], 8);
    // The space has only the glyph header and an end record.
    EXPECT_EQ(offsets[1] - offsets[0], 2);
    EXPECT_EQ(body[12 + offsets[0]], 0x10);
    EXPECT_EQ(body[12 + offsets[0] + 1], 0x00);
    // The second glyph starts with 0x10 and a style change selecting fill 1 with its move.
    EXPECT_EQ(body[12 + offsets[1]], 0x10);
    // A style change selecting fill 1; the glyph starts at the origin, so no move (no line bits: no line flag).
    EXPECT_EQ(body[12 + offsets[1] + 1] & 0xFC, 0x10);
    // Code table right after the shapes: ' ', 'a', 'c'.
    EXPECT_EQ(body.size(), 12u + offsets[3] + 3);
    EXPECT_EQ(hex(Bytes(body.end() - 3, body.end())), "206163");
}

TEST(SwfFont, WideFontsWithLayoutCarryCodesMetricsAndAdvances) {
    Movie m;
    TFlashFont* font = m.movie.AddFont({"Arial", 10, false, true, 0}, false);
    TFlashText* text = m.movie.AddText(u"\u4E2Da", TSWFRGBA(0, 0, 0), font, {0, 0, 100, 20});
    text->SetAlign(taCenter);
    const Bytes body = bodyOf(*font);
    EXPECT_EQ(body[2], 0x80 | 0x10 | 0x04 | 0x02); // layout, ANSI encoding, wide codes, italic
    Reader r{body, 3 + 1 + 1 + 5};
    ASSERT_EQ(r.word(), 2);
    r.word();
    r.word();
    const uint16_t codeTable = r.word();
    r.pos = 12 + codeTable;
    EXPECT_EQ(r.word(), u'a');
    EXPECT_EQ(r.word(), 0x4E2D);
    EXPECT_EQ(r.word(), 900);
    EXPECT_EQ(r.word(), 200);
    EXPECT_EQ(r.word(), 50);
    EXPECT_EQ(r.word(), 500 + 'a' % 10);
    EXPECT_EQ(r.word(), 500 + 0x4E2D % 10);
    EXPECT_EQ(r.byte(), 0); // empty RECTs
    EXPECT_EQ(r.byte(), 0);
    EXPECT_EQ(r.word(), 0); // kerning
    EXPECT_EQ(r.pos, body.size());
}

TEST(SwfFont, GlyphDataPast64KTakesWideOffsets) {
    Movie m;
    TFlashFont* font = m.movie.AddFont({"Arial", 12, false, false, 0}, false);
    const char32_t count = 8000;
    for (char32_t c = 0x4E00; c < 0x4E00 + count; ++c)
        font->AddChar(c);
    const Bytes body = bodyOf(*font);
    EXPECT_EQ(body[2] & 0x08, 0x08); // WideOffsets
    Reader r{body, 10};
    ASSERT_EQ(r.word(), count);
    const uint32_t firstOffset = uint32_t(body[12] | body[13] << 8 | body[14] << 16 | body[15] << 24);
    EXPECT_EQ(firstOffset, (count + 1) * 4);
    const size_t codeTable = 12 + size_t(body[12 + count * 4] | body[13 + count * 4] << 8 | body[14 + count * 4] << 16);
    EXPECT_GT(codeTable, 0x10000u);
    EXPECT_EQ(body[codeTable] | body[codeTable + 1] << 8, 0x4E00);
}

TEST(SwfFont, DeviceFontsOfTextFieldsEmbedNoGlyphsAndNeedNoSource) {
    TFlashMovie movie(0, 0, 400, 300, 12, true);
    TFlashFont* font = movie.AddFont({"Arial", 12, false, false, 0}, true);
    TFlashText* field = movie.AddText(u"Hi", TSWFRGBA(1, 2, 3), font, {0, 0, 100, 20});
    field->SetEditText(true);
    EXPECT_EQ(font->UsageFlags(), 2);
    const Bytes body = bodyOf(*font);
    EXPECT_EQ(body[2], 0x10 | 0x04); // ANSI (no glyphs) | wide codes
    EXPECT_EQ(body[body.size() - 4], 0); // NumGlyphs 0, then the code-table offset 2
    EXPECT_EQ(body[body.size() - 2], 2);
}

TEST(SwfFont, GlyphsWithoutASourceOrFaceAreAnError) {
    TFlashMovie movie(0, 0, 400, 300, 12, true);
    TFlashFont* font = movie.AddFont({"Arial", 12, false, false, 0}, false);
    font->AddChars("x");
    EXPECT_THROW(tagBytes(*font), Error);
    FakeGlyphSource glyphs;
    movie.SetGlyphSource(&glyphs);
    TFlashFont* missing = movie.AddFont({"Missing", 12, false, false, 0}, false);
    missing->AddChars("x");
    try {
        tagBytes(*missing);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("Missing"), std::string::npos) << e.what();
    }
}

// ---------------------------------------------------------------- static text

TEST(SwfStaticText, RepeatedCharactersShareTheirGlyphIndex) {
    Movie m;
    TFlashFont* font = m.movie.AddFont({"Arial", 12, false, false, 0}, false);
    TFlashText* text = m.movie.AddCharacter(std::make_unique<TFlashText>(&m.movie, font));
    text->SetText("abca");
    text->SetFontHeight(12);
    text->SetBounds({10, 5, 200, 40});
    text->Color() = TSWFRGBA(0x11, 0x22, 0x33);
    EXPECT_EQ(codeOf(*text), tagDefineText);
    const Bytes body = bodyOf(*text);
    // id, RECT (nbits 13: 5 + 52 bits -> 8 bytes), empty matrix, glyph bits, advance bits.
    size_t pos = 2 + 8 + 1;
    EXPECT_EQ(body[pos], 2); // indices 0..2
    const int advanceBits = body[pos + 1];
    const int32_t advA = int32_t(std::lround((500 + 'a' % 10) / 1024.0 * 240));
    EXPECT_EQ(advanceBits, SignedBitCount(advA));
    pos += 2;
    EXPECT_EQ(body[pos++], 0x8F); // record with font, colour, Y and X offsets
    EXPECT_EQ(body[pos] | body[pos + 1] << 8, font->CharacterId());
    pos += 2;
    EXPECT_EQ(hex(Bytes(body.begin() + ptrdiff_t(pos), body.begin() + ptrdiff_t(pos + 3))), "112233");
    pos += 3;
    EXPECT_EQ(body[pos] | body[pos + 1] << 8, 200); // X = left edge in twips
    pos += 2;
    EXPECT_EQ(body[pos] | body[pos + 1] << 8, int(std::lround(900 / 1024.0 * 240)) + 100);
    pos += 2;
    EXPECT_EQ(body[pos] | body[pos + 1] << 8, 240);
    pos += 2;
    EXPECT_EQ(body[pos++], 4);
    // Read the four index/advance pairs.
    uint64_t bits = 0;
    int have = 0;
    auto take = [&](int n) {
        while (have < n) {
            bits = bits << 8 | body[pos++];
            have += 8;
        }
        const uint32_t v = uint32_t(bits >> (have - n)) & ((1u << n) - 1);
        have -= n;
        return v;
    };
    const uint32_t want[4] = {0, 1, 2, 0};
    for (uint32_t w : want) {
        EXPECT_EQ(take(2), w);
        take(advanceBits);
    }
    EXPECT_EQ(body.back(), 0);
}

TEST(SwfStaticText, AlphaMakesDefineText2AndLongTextsSplitIntoRecords) {
    Movie m;
    TFlashFont* font = m.movie.AddFont({"Arial", 12, false, false, 0}, false);
    TFlashText* text = m.movie.AddCharacter(std::make_unique<TFlashText>(&m.movie, font));
    text->SetText(std::string(300, 'x'));
    text->Color() = TSWFRGBA(1, 2, 3, 128);
    EXPECT_EQ(codeOf(*text), tagDefineText2);
    const Bytes body = bodyOf(*text);
    // RECT of zeros (1 byte), matrix, glyph bits 0 (one glyph), advance bits.
    EXPECT_EQ(body[4], 0);
    const int advanceBits = body[5];
    ASSERT_GT(advanceBits, 0);
    EXPECT_EQ(body[6], 0x8E); // no X offset: the left edge is 0
    EXPECT_EQ(hex(Bytes(body.begin() + 9, body.begin() + 13)), "01020380");
    EXPECT_EQ(body[17], 255);
    const size_t firstRecordBytes = (255 * size_t(advanceBits) + 7) / 8;
    ASSERT_GT(body.size(), 20 + firstRecordBytes);
    EXPECT_EQ(body[18 + firstRecordBytes], 0x80);
    EXPECT_EQ(body[19 + firstRecordBytes], 45);
    EXPECT_EQ(body.size(), 20 + firstRecordBytes + (45 * size_t(advanceBits) + 7) / 8 + 1);
}

// ---------------------------------------------------------------- text fields

TEST(SwfEditText, FlagsAndFieldsOfAnEditableField) {
    TFlashMovie movie(0, 0, 400, 300, 12, true);
    TFlashFont* font = movie.AddFont({"Arial", 13, false, false, 0}, true);
    TFlashText* field = movie.AddText(u"H\u00e9", TSWFRGBA(10, 20, 30), font, {0, 0, 10, 5});
    field->SetAlign(taCenter);
    field->SetEditText(true);
    field->Multiline = true;
    field->WordWrap = true;
    field->SetMaxLength(7);
    movie.MakeStream(); // sets the writing version (6, the font is wide)
    const Bytes body = bodyOf(*field);
    size_t pos = 2 + 6; // id, RECT: nbits 8 -> 5 + 32 bits = 5 bytes... computed below
    // RECT 0..200 x 0..100 twips: nbits 9, 5 + 36 bits = 6 bytes.
    EXPECT_EQ(body[pos], 0x80 | 0x40 | 0x20 | 0x04 | 0x02 | 0x01); // text, wrap, multiline, colour, max length, font
    EXPECT_EQ(body[pos + 1], 0x20);                               // layout; selectable, no outlines
    pos += 2;
    EXPECT_EQ(body[pos] | body[pos + 1] << 8, font->CharacterId());
    EXPECT_EQ(body[pos + 2] | body[pos + 3] << 8, 260);
    pos += 4;
    EXPECT_EQ(hex(Bytes(body.begin() + ptrdiff_t(pos), body.begin() + ptrdiff_t(pos + 4))), "0a141eff");
    pos += 4;
    EXPECT_EQ(body[pos] | body[pos + 1] << 8, 7);
    pos += 2;
    EXPECT_EQ(hex(Bytes(body.begin() + ptrdiff_t(pos), body.end())), "02" "0000" "0000" "0000" "0000" "00" "48c3a900");
}

TEST(SwfEditText, StaticAndFieldUsageFollowSetEditText) {
    TFlashMovie movie(0, 0, 400, 300, 12, true);
    TFlashFont* font = movie.AddFont({"Arial", 12, false, false, 0}, true);
    TFlashText* text = movie.AddText(u"a", TSWFRGBA(0, 0, 0), font, {0, 0, 10, 10});
    EXPECT_EQ(font->UsageFlags(), 1);
    EXPECT_TRUE(font->EmbedsGlyphs());
    EXPECT_TRUE(text->ReadOnly);
    text->SetHTML(true);
    EXPECT_TRUE(text->IsEditText());
    EXPECT_FALSE(text->ReadOnly);
    EXPECT_FALSE(text->NoSelect);
    EXPECT_EQ(font->UsageFlags(), 2);
    EXPECT_FALSE(font->EmbedsGlyphs());
    text->SetUseOutlines(true);
    EXPECT_FALSE(font->DeviceFont());
}

TEST(SwfText, ParserReadsFontsTextsAndFields) {
    TempDir dir;
    Movie m;
    m.movie.SetVersion(6);
    TFlashFont* font = m.movie.AddFont({"Arial", 20, false, false, 0}, false);
    TFlashText* label = m.movie.AddText(u"Hello", TSWFRGBA(200, 0, 0), font, {10, 10, 200, 40});
    TFlashFont* device = m.movie.AddFont({"Arial", 14, false, false, 0}, true);
    TFlashText* field = m.movie.AddText(u"Type", TSWFRGBA(0, 0, 200), device, {10, 50, 200, 80});
    field->SetEditText(true);
    m.movie.PlaceObject(label, 1);
    m.movie.PlaceObject(field, 2);
    m.movie.ShowFrame();
    const auto s = saveAndCheck(m.movie, dir);
    ASSERT_TRUE(s.ok) << s.error;
    const auto* fontTag = s.find(tagDefineFont2);
    ASSERT_NE(fontTag, nullptr);
    EXPECT_EQ(fontTag->text("fontName"), "Arial");
    EXPECT_EQ(fontTag->integer("glyphs"), 4); // H e l o
    EXPECT_EQ(fontTag->text("codeUnits"), "72,101,108,111");
    const auto* textTag = s.find(tagDefineText);
    ASSERT_NE(textTag, nullptr);
    EXPECT_EQ(textTag->text("glyphIndices"), "0,1,2,2,3");
    EXPECT_EQ(textTag->text("color"), "200,0,0,255");
    const auto* fieldTag = s.find(tagDefineEditText);
    ASSERT_NE(fieldTag, nullptr);
    EXPECT_EQ(fieldTag->text("text"), "Type");
    EXPECT_EQ(fieldTag->integer("readOnly"), 0);
    EXPECT_EQ(fieldTag->integer("fontSize"), 280);
}
