#include "player/text_reader.h"

#include "player/bit_reader.h"
#include "player/movie_error.h"
#include "player/shape_reader.h"

#include <QString>

#include <algorithm>

namespace player {

int FontDef::GlyphOf(uint16_t code) const {
    const auto it = std::find(codes.begin(), codes.end(), code);
    return it == codes.end() ? -1 : int(it - codes.begin());
}

std::u16string DecodeMovieText(const std::string& bytes, int version) {
    const QString text = version >= 6 ? QString::fromUtf8(bytes.data(), qsizetype(bytes.size()))
                                      : QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    return text.toStdU16String();
}

std::shared_ptr<FontDef> ReadFont2(std::span<const uint8_t> body) {
    BitReader r(body);
    auto font = std::make_shared<FontDef>();
    font->id = r.U16();
    const uint8_t flags = r.U8();
    const bool hasLayout = flags & 0x80;
    const bool wideOffsets = flags & 0x08;
    const bool wideCodes = flags & 0x04;
    font->italic = flags & 0x02;
    font->bold = flags & 0x01;
    r.U8(); // language
    const uint8_t nameLength = r.U8();
    const auto name = r.Bytes(nameLength);
    font->name.assign(name.begin(), name.end());
    while (!font->name.empty() && font->name.back() == 0)
        font->name.pop_back();
    const uint16_t glyphCount = r.U16();
    const size_t tableStart = r.Position();
    std::vector<uint32_t> offsets(size_t(glyphCount) + 1);
    for (auto& offset : offsets)
        offset = wideOffsets ? r.U32() : r.U16();
    for (size_t i = 0; i < glyphCount; ++i) {
        const size_t from = tableStart + offsets[i];
        const size_t to = tableStart + offsets[i + 1];
        QPainterPath glyph;
        if (from <= to && to <= body.size()) {
            try {
                glyph = ReadGlyphShape(body.subspan(from, to - from));
            } catch (const MovieError&) {
                // A damaged glyph shows as blank; the rest of the font is still good.
            }
        }
        font->glyphs.push_back(glyph);
    }
    r.Seek(std::min<size_t>(tableStart + offsets[glyphCount], body.size()));
    for (size_t i = 0; i < glyphCount; ++i)
        font->codes.push_back(wideCodes ? r.U16() : r.U8());
    if (hasLayout && r.Remaining() >= 6) {
        font->ascent = r.S16();
        font->descent = r.S16();
        font->leading = r.S16();
        for (size_t i = 0; i < glyphCount; ++i)
            font->advances.push_back(r.S16());
    }
    return font;
}

std::shared_ptr<TextDef> ReadText(uint16_t code, std::span<const uint8_t> body) {
    BitReader r(body);
    auto text = std::make_shared<TextDef>();
    text->id = r.U16();
    text->bounds = ReadRect(r);
    text->matrix = ReadMatrix(r);
    const int glyphBits = r.U8();
    const int advanceBits = r.U8();
    TextRun current;
    for (;;) {
        const uint8_t flags = r.U8();
        if (flags == 0)
            break;
        if (flags & 0x08)
            current.fontId = r.U16();
        if (flags & 0x04)
            current.color = code == 33 ? ReadRgba(r) : ReadRgb(r);
        if (flags & 0x01)
            current.x = r.S16();
        if (flags & 0x02)
            current.y = r.S16();
        if (flags & 0x08)
            current.height = r.U16();
        const uint8_t count = r.U8();
        TextRun run = current;
        run.glyphs.clear();
        for (int i = 0; i < count; ++i) {
            GlyphEntry entry;
            entry.index = r.UBits(glyphBits);
            entry.advance = r.SBits(advanceBits);
            run.glyphs.push_back(entry);
            current.x = AddSaturated(current.x, entry.advance);
        }
        r.Align();
        text->runs.push_back(std::move(run));
    }
    return text;
}

std::shared_ptr<EditTextDef> ReadEditText(std::span<const uint8_t> body, int version) {
    BitReader r(body);
    auto field = std::make_shared<EditTextDef>();
    field->id = r.U16();
    field->bounds = ReadRect(r);
    const uint8_t f1 = r.U8();
    const uint8_t f2 = r.U8();
    const bool hasText = f1 & 0x80;
    field->wordWrap = f1 & 0x40;
    field->multiline = f1 & 0x20;
    field->password = f1 & 0x10;
    field->readOnly = f1 & 0x08;
    const bool hasColor = f1 & 0x04;
    const bool hasMaxLength = f1 & 0x02;
    const bool hasFont = f1 & 0x01;
    const bool hasFontClass = f2 & 0x80;
    field->autoSize = f2 & 0x40;
    const bool hasLayout = f2 & 0x20;
    field->noSelect = f2 & 0x10;
    field->border = f2 & 0x08;
    field->html = f2 & 0x02;
    field->useOutlines = f2 & 0x01;
    if (hasFont)
        field->fontId = r.U16();
    if (hasFontClass)
        r.String();
    if (hasFont || hasFontClass)
        field->fontHeight = r.U16();
    if (hasColor)
        field->color = ReadRgba(r);
    if (hasMaxLength)
        field->maxLength = r.U16();
    if (hasLayout) {
        field->align = r.U8();
        field->leftMargin = r.U16();
        field->rightMargin = r.U16();
        field->indent = r.U16();
        field->leading = r.S16();
    }
    field->variableName = r.String();
    if (hasText)
        field->initialText = DecodeMovieText(r.String(), version);
    return field;
}

} // namespace player
