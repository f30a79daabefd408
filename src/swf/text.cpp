#include "swf/text.h"

#include "swf/bit_counts.h"
#include "swf/errors.h"
#include "swf/font.h"
#include "swf/movie.h"
#include "swf/tag_object.h"
#include "swf/text_encoding.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace swf {

TFlashText::TFlashText(TFlashMovie* owner, TFlashFont* font) : TFlashVisualObject(owner), font_(font) {
    if (font_ != nullptr) {
        font_->AddUser(false);
        fontHeight_ = font_->Size();
        useOutlines_ = !font_->DeviceFont();
    }
}

TFlashText::~TFlashText() = default;

void TFlashText::SetText(std::string utf8) {
    text_ = Utf8ToCodePoints(utf8);
    wide_ = false;
    if (font_ != nullptr)
        font_->AddChars(utf8);
}

void TFlashText::SetWideText(std::u16string text) {
    text_ = Utf16ToCodePoints(text);
    wide_ = true;
    if (font_ != nullptr)
        font_->AddWideChars(text);
}

void TFlashText::SetFontHeight(int32_t height) { fontHeight_ = height * UnitsMultiplier(); }

void TFlashText::SetBounds(const TRect& r) {
    const int32_t m = UnitsMultiplier();
    bounds_ = TSWFRect(r.Left * m, r.Top * m, r.Right * m, r.Bottom * m);
}

void TFlashText::SetEditText(bool on) {
    if (on == editText_)
        return;
    editText_ = on;
    if (font_ != nullptr) {
        font_->RemoveUser(!on);
        font_->AddUser(on);
    }
    if (on) {
        ReadOnly = false;
        NoSelect = false;
    }
}

void TFlashText::TurnLayoutOn() {
    hasLayout_ = true;
    if (font_ != nullptr)
        font_->RequestLayout();
}

void TFlashText::SetAlign(uint8_t align) { align_ = align; TurnLayoutOn(); }
void TFlashText::SetLeftMargin(int32_t v) { leftMargin_ = v * UnitsMultiplier(); TurnLayoutOn(); }
void TFlashText::SetRightMargin(int32_t v) { rightMargin_ = v * UnitsMultiplier(); TurnLayoutOn(); }
void TFlashText::SetIndent(int32_t v) { indent_ = v * UnitsMultiplier(); TurnLayoutOn(); }
void TFlashText::SetLeading(int32_t v) { leading_ = v * UnitsMultiplier(); TurnLayoutOn(); }

void TFlashText::SetHTML(bool on) {
    html_ = on;
    if (on)
        SetEditText(true);
}

void TFlashText::SetUseOutlines(bool on) {
    useOutlines_ = on;
    if (on && font_ != nullptr)
        font_->SetDeviceFont(false);
}

void TFlashText::WriteToStream(TBitsEngine& be) {
    if (editText_)
        WriteEditText(be);
    else
        WriteStaticText(be);
}

void TFlashText::WriteStaticText(TBitsEngine& be) {
    if (font_ == nullptr)
        throw Error("text " + std::to_string(CharacterId()) + ": static text needs a font");
    font_->PrepareGlyphs();
    const bool withAlpha = color_.Alpha() != 255;

    // Index and advance of every character, in the font's glyph order.
    std::map<char32_t, std::pair<int, int32_t>> lookup;
    const std::vector<const TFlashChar*> order = font_->GlyphOrder();
    std::vector<std::pair<uint32_t, int32_t>> entries;
    for (char32_t c : text_) {
        auto it = lookup.find(c);
        if (it == lookup.end()) {
            const int index = font_->GlyphIndex(c);
            const int32_t advance = index < 0 ? 0
                : int32_t(std::lround(double(order[size_t(index)]->Advance) / 1024.0 * fontHeight_)) + letterSpacing_;
            it = lookup.emplace(c, std::make_pair(index, advance)).first;
        }
        if (it->second.first >= 0)
            entries.emplace_back(uint32_t(it->second.first), it->second.second);
    }
    int glyphBits = 0;
    int advanceBits = 0;
    for (const auto& [index, advance] : entries) {
        glyphBits = std::max(glyphBits, UnsignedBitCount(index));
        advanceBits = std::max(advanceBits, SignedBitCount(advance));
    }

    const size_t start = BeginTag(be);
    be.WriteWord(CharacterId());
    be.WriteRect(bounds_);
    be.WriteMatrix(matrix_.value_or(TSWFMatrix()));
    be.WriteByte(uint8_t(glyphBits));
    be.WriteByte(uint8_t(advanceBits));
    // A record holds at most 255 glyphs; later records carry on from where the previous ended.
    const bool hasX = bounds_.XMin() != 0;
    for (size_t first = 0; first < entries.size() || first == 0; first += 255) {
        const size_t count = std::min<size_t>(255, entries.size() - first);
        if (first == 0) {
            be.WriteByte(uint8_t(0x80 | 0x08 | 0x04 | 0x02 | (hasX ? 0x01 : 0)));
            be.WriteWord(font_->CharacterId());
            if (withAlpha)
                be.WriteRGBA(color_);
            else
                be.WriteRGB(color_);
            if (hasX)
                be.WriteWord(uint16_t(bounds_.XMin()));
            const int32_t y = int32_t(std::lround(font_->Metrics().Ascent / 1024.0 * fontHeight_)) + bounds_.YMin();
            be.WriteWord(uint16_t(y));
            be.WriteWord(uint16_t(fontHeight_));
        } else {
            be.WriteByte(0x80);
        }
        be.WriteByte(uint8_t(count));
        for (size_t i = first; i < first + count; ++i) {
            be.WriteBits(entries[i].first, glyphBits);
            be.WriteSignedBits(entries[i].second, advanceBits);
        }
        be.FlushBits(true);
        if (entries.empty())
            break;
    }
    be.WriteByte(0);
    EndTag(be, start, withAlpha ? tagDefineText2 : tagDefineText);
}

void TFlashText::WriteEditText(TBitsEngine& be) {
    const int version = be.Version();
    const bool hasFont = font_ != nullptr;
    const size_t start = BeginTag(be);
    be.WriteWord(CharacterId());
    be.WriteRect(bounds_);
    be.WriteBit(!text_.empty());
    be.WriteBit(WordWrap);
    be.WriteBit(Multiline);
    be.WriteBit(Password);
    be.WriteBit(ReadOnly);
    be.WriteBit(true); // colour
    be.WriteBit(hasMaxLength_);
    be.WriteBit(hasFont);
    be.WriteBit(false); // no font class
    be.WriteBit(AutoSize);
    be.WriteBit(hasLayout_);
    be.WriteBit(NoSelect);
    be.WriteBit(Border);
    be.WriteBit(false);
    be.WriteBit(html_);
    be.WriteBit(useOutlines_ || (hasFont && !font_->DeviceFont()));
    if (hasFont) {
        be.WriteWord(font_->CharacterId());
        be.WriteWord(uint16_t(fontHeight_));
    }
    be.WriteRGBA(color_);
    if (hasMaxLength_)
        be.WriteWord(maxLength_);
    if (hasLayout_) {
        be.WriteByte(align_);
        be.WriteWord(uint16_t(leftMargin_));
        be.WriteWord(uint16_t(rightMargin_));
        be.WriteWord(uint16_t(int16_t(indent_)));
        be.WriteWord(uint16_t(int16_t(leading_)));
    }
    be.WriteString(variableName_, true, version >= 6);
    if (!text_.empty()) {
        // Wide text is UTF-8 whatever the version; so is any text from version 6 on.
        const bool utf8 = version >= 6 || (hasFont && font_->Wide());
        be.WriteString(CodePointsToUtf8(text_), true, utf8);
    }
    EndTag(be, start, tagDefineEditText);
}

} // namespace swf
