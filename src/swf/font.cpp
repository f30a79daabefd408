#include "swf/font.h"

#include "swf/edges.h"
#include "swf/errors.h"
#include "swf/movie.h"
#include "swf/tag_object.h"
#include "swf/text_encoding.h"
#include "base/windows1252.h"

#include <algorithm>

namespace swf {

void TFlashFont::SetFace(std::string name, bool bold, bool italic) {
    name_ = std::move(name);
    bold_ = bold;
    italic_ = italic;
}

void TFlashFont::SetCharset(int charset) {
    switch (charset) {
    case 0: case 2: language_ = 0; encoding_ = feANSI; break;
    case 1: language_ = 0; encoding_ = feWide; break;
    case 128: language_ = 2; encoding_ = feShiftJIS; break;
    case 129: language_ = 3; break;
    case 134: language_ = 4; break;
    case 136: language_ = 5; break;
    default: language_ = 64; encoding_ = feWide; break;
    }
}

void TFlashFont::AddChars(std::string_view utf8) {
    for (char32_t c : Utf8ToCodePoints(utf8))
        AddChar(c);
}

void TFlashFont::AddWideChars(std::u16string_view text) {
    for (char32_t c : Utf16ToCodePoints(text))
        AddChar(c);
    if (!text.empty())
        wide_ = true;
}

void TFlashFont::AddChar(char32_t code) {
    // The code table holds 16-bit codes: characters beyond them have no glyph.
    if (code > 0xFFFF)
        code = U'\uFFFD';
    const char16_t wide = char16_t(code);
    auto at = std::lower_bound(chars_.begin(), chars_.end(), wide,
                               [](const std::unique_ptr<TFlashChar>& c, char16_t w) { return c->WideCode < w; });
    if (at != chars_.end() && (*at)->WideCode == wide) {
        (*at)->Used = true;
        return;
    }
    auto c = std::make_unique<TFlashChar>();
    c->WideCode = wide;
    c->AnsiCode = vantora::AnsiCode(code);
    chars_.insert(at, std::move(c));
    if (code >= 256)
        wide_ = true;
}

std::vector<const TFlashChar*> TFlashFont::GlyphOrder() const {
    std::vector<const TFlashChar*> order;
    for (const auto& c : chars_)
        if (c->Used)
            order.push_back(c.get());
    if (!WideCodes()) {
        // Several characters can share the ANSI '?'; the first of them stands for all.
        std::stable_sort(order.begin(), order.end(), [](const TFlashChar* a, const TFlashChar* b) { return a->AnsiCode < b->AnsiCode; });
        order.erase(std::unique(order.begin(), order.end(), [](const TFlashChar* a, const TFlashChar* b) { return a->AnsiCode == b->AnsiCode; }),
                    order.end());
    }
    return order;
}

int TFlashFont::GlyphIndex(char32_t code) const {
    const std::vector<const TFlashChar*> order = GlyphOrder();
    const bool wideCodes = WideCodes();
    const char16_t wide = char16_t(code > 0xFFFF ? 0xFFFD : code);
    const uint8_t ansi = vantora::AnsiCode(code);
    for (size_t i = 0; i < order.size(); ++i)
        if (wideCodes ? order[i]->WideCode == wide : order[i]->AnsiCode == ansi)
            return int(i);
    return -1;
}

void TFlashFont::LoadOutline(IGlyphSource& source, TFlashChar& c) {
    TGlyph glyph;
    if (!source.Glyph(TGlyphFace{name_, bold_, italic_}, c.WideCode, glyph))
        throw Error("font \"" + name_ + "\": no glyphs can be had for this face");
    c.Outline.clear();
    c.Advance = glyph.Advance;
    TFlashEdges pen(c.Outline);
    pen.SetTwips(true);
    bool open = false;
    for (const TGlyphSegment& s : glyph.Segments) {
        switch (s.Kind) {
        case TGlyphSegmentKind::Move:
            if (open)
                pen.CloseShape();
            pen.MoveTo(s.To.X, -s.To.Y);
            open = true;
            break;
        case TGlyphSegmentKind::Line: pen.LineTo(s.To.X, -s.To.Y); break;
        case TGlyphSegmentKind::Quad: pen.CurveTo(s.Control.X, -s.Control.Y, s.To.X, -s.To.Y); break;
        }
    }
    if (open)
        pen.CloseShape();
    c.OutlineReady = true;
}

void TFlashFont::PrepareGlyphs() {
    IGlyphSource* source = Owner() != nullptr ? Owner()->GlyphSource() : nullptr;
    const bool needed = !metricsReady_ || std::any_of(chars_.begin(), chars_.end(), [](const auto& c) { return c->Used && !c->OutlineReady; });
    if (!needed)
        return;
    if (source == nullptr)
        throw Error("font \"" + name_ + "\": the movie has no glyph source for its outlines");
    if (!metricsReady_) {
        if (!source->Metrics(TGlyphFace{name_, bold_, italic_}, metrics_))
            throw Error("font \"" + name_ + "\": no metrics can be had for this face");
        metricsReady_ = true;
    }
    for (auto& c : chars_)
        if (c->Used && !c->OutlineReady)
            LoadOutline(*source, *c);
}

namespace {

// Glyphs carry one fill style (index 1) and no line styles: the first style change selects it.
void writeGlyph(TBitsEngine& be, const TShapeRecordList& records) {
    be.WriteByte(0x10);
    TShapeRecordList fixed;
    bool first = true;
    for (const auto& r : records) {
        if (r->Kind == TShapeRecordKind::StyleChange && first) {
            const auto& s = static_cast<const TSWFStyleChangeRecord&>(*r);
            auto copy = std::make_unique<TSWFStyleChangeRecord>();
            if (s.StateMoveTo)
                copy->SetMoveTo(s.MoveToX(), s.MoveToY());
            copy->SetFillStyle1(1);
            copy->SetLineStyle(0);
            fixed.push_back(std::move(copy));
        } else if (r->Kind == TShapeRecordKind::StyleChange) {
            const auto& s = static_cast<const TSWFStyleChangeRecord&>(*r);
            auto copy = std::make_unique<TSWFStyleChangeRecord>();
            copy->SetMoveTo(s.MoveToX(), s.MoveToY());
            fixed.push_back(std::move(copy));
        } else if (r->Kind == TShapeRecordKind::StraightEdge) {
            const auto& e = static_cast<const TSWFStraightEdgeRecord&>(*r);
            fixed.push_back(std::make_unique<TSWFStraightEdgeRecord>(e.DeltaX, e.DeltaY));
        } else if (r->Kind == TShapeRecordKind::CurvedEdge) {
            const auto& e = static_cast<const TSWFCurvedEdgeRecord&>(*r);
            fixed.push_back(std::make_unique<TSWFCurvedEdgeRecord>(e.ControlDeltaX, e.ControlDeltaY, e.AnchorDeltaX, e.AnchorDeltaY));
        }
        first = false;
    }
    WriteShapeRecords(be, fixed, 1, 0, false);
    be.FlushBits(true);
}

} // namespace

void TFlashFont::WriteToStream(TBitsEngine& be) {
    const std::vector<const TFlashChar*> glyphs = EmbedsGlyphs() ? GlyphOrder() : std::vector<const TFlashChar*>();
    if (!glyphs.empty())
        PrepareGlyphs();
    const int version = be.Version();
    const bool hasLayout = (layoutRequested_ || (UsageFlags() & 2) != 0) && !glyphs.empty();
    if (glyphs.size() > 0xFFFF)
        throw Error("font \"" + name_ + "\": too many glyphs");

    // Glyph shapes first, to learn whether their offsets fit 16 bits.
    std::vector<uint8_t> shapes;
    std::vector<size_t> starts;
    {
        TBitsEngine shapeWriter(shapes, be.Version());
        for (const TFlashChar* c : glyphs) {
            starts.push_back(shapes.size());
            try {
                writeGlyph(shapeWriter, c->Outline);
            } catch (const Error& e) {
                throw Error("font \"" + name_ + "\", character " + std::to_string(int(c->WideCode)) + ": " + e.what());
            }
        }
    }
    const size_t tableEntries = glyphs.size() + 1;
    const bool wideOffsets = tableEntries * 2 + shapes.size() > 0xFFFF;
    const size_t entrySize = wideOffsets ? 4 : 2;

    const size_t start = BeginTag(be);
    be.WriteWord(CharacterId());
    be.WriteBit(hasLayout);
    be.WriteBit(encoding_ == feShiftJIS);
    be.WriteBit(smallText_);
    be.WriteBit(encoding_ == feANSI || glyphs.empty());
    be.WriteBit(wideOffsets);
    be.WriteBit(WideCodes());
    be.WriteBit(italic_);
    be.WriteBit(bold_);
    be.WriteByte(language_);
    const std::vector<uint8_t> name = version >= 6 ? std::vector<uint8_t>(name_.begin(), name_.end()) : vantora::Utf8ToAnsi(name_);
    be.WriteByte(uint8_t(std::min<size_t>(name.size(), 255)));
    be.WriteBytes(name.data(), std::min<size_t>(name.size(), 255));
    be.WriteWord(uint16_t(glyphs.size()));
    auto writeOffset = [&](size_t v) {
        if (wideOffsets)
            be.WriteDWord(uint32_t(v));
        else
            be.WriteWord(uint16_t(v));
    };
    for (size_t s : starts)
        writeOffset(tableEntries * entrySize + s);
    writeOffset(tableEntries * entrySize + shapes.size());
    be.WriteBytes(shapes);
    for (const TFlashChar* c : glyphs) {
        if (WideCodes())
            be.WriteWord(uint16_t(c->WideCode));
        else
            be.WriteByte(c->AnsiCode);
    }
    if (hasLayout) {
        be.WriteWord(uint16_t(metrics_.Ascent));
        be.WriteWord(uint16_t(metrics_.Descent));
        be.WriteWord(uint16_t(metrics_.Leading));
        for (const TFlashChar* c : glyphs)
            be.WriteWord(uint16_t(int16_t(std::clamp(c->Advance, -32768, 32767))));
        for (size_t i = 0; i < glyphs.size(); ++i)
            be.WriteRect(TSWFRect());
        be.WriteWord(0); // no kerning
    }
    EndTag(be, start, tagDefineFont2);
}

} // namespace swf
