#include "swf/shape_records.h"

#include "swf/bit_counts.h"
#include "swf/errors.h"

#include <algorithm>

namespace swf {

void TSWFColorFill::Write(TBitsEngine& be, bool withAlpha) const {
    be.WriteByte(0x00);
    if (withAlpha)
        be.WriteRGBA(Color);
    else
        be.WriteRGB(Color);
}

void TSWFImageFill::Write(TBitsEngine& be, bool) const {
    be.WriteByte(Type);
    be.WriteWord(BitmapId);
    be.WriteMatrix(Matrix);
}

bool TSWFGradientFill::HasAlpha() const {
    return std::any_of(Records.begin(), Records.end(), [](const TSWFGradientRecord& r) { return r.Color.Alpha() != 255; });
}

void TSWFGradientFill::Write(TBitsEngine& be, bool withAlpha) const {
    be.WriteByte(Type);
    be.WriteMatrix(Matrix);
    const size_t count = std::min<size_t>(Records.size(), 15);
    be.WriteByte(uint8_t(count)); // spread and interpolation modes 0
    for (size_t i = 0; i < count; ++i) {
        be.WriteByte(Records[i].Ratio);
        if (withAlpha)
            be.WriteRGBA(Records[i].Color);
        else
            be.WriteRGB(Records[i].Color);
    }
}

void TSWFFocalGradientFill::Write(TBitsEngine& be, bool withAlpha) const {
    TSWFGradientFill::Write(be, withAlpha);
    be.WriteWord(uint16_t(int16_t(std::clamp(FocalPoint, -1.0, 1.0) * 256.0)));
}

void TSWFLineStyle::Write(TBitsEngine& be, bool withAlpha) const {
    be.WriteWord(Width);
    if (withAlpha)
        be.WriteRGBA(Color);
    else
        be.WriteRGB(Color);
}

namespace {

void writeStyleCount(TBitsEngine& be, size_t count) {
    if (count < 255) {
        be.WriteByte(uint8_t(count));
    } else {
        be.WriteByte(0xFF);
        be.WriteWord(uint16_t(std::min<size_t>(count, 0xFFFF)));
    }
}

void writeStyleChange(TBitsEngine& be, const TSWFStyleChangeRecord& r, int& fillBits, int& lineBits, bool withAlpha) {
    const bool newStyles = r.StateNewStyles;
    const bool fill0 = r.StateFillStyle0 && (fillBits > 0 || newStyles);
    const bool fill1 = r.StateFillStyle1 && (fillBits > 0 || newStyles);
    const bool line = r.StateLineStyle && (lineBits > 0 || newStyles);
    // A record with no flags at all would read as an end record: it always moves then.
    const bool moveTo = r.StateMoveTo || !(newStyles || line || fill1 || fill0);
    be.WriteBit(false);
    be.WriteBit(newStyles);
    be.WriteBit(line);
    be.WriteBit(fill1);
    be.WriteBit(fill0);
    be.WriteBit(moveTo);
    if (moveTo) {
        const int n = FieldWidth({r.MoveToX(), r.MoveToY()});
        be.WriteBits(uint32_t(n), 5);
        be.WriteSignedBits(r.MoveToX(), n);
        be.WriteSignedBits(r.MoveToY(), n);
    }
    if (fill0)
        be.WriteBits(r.FillStyle0, fillBits);
    if (fill1)
        be.WriteBits(r.FillStyle1, fillBits);
    if (line)
        be.WriteBits(r.LineStyle, lineBits);
    if (newStyles) {
        be.FlushBits(true);
        WriteFillStyles(be, r.NewFillStyles, withAlpha);
        WriteLineStyles(be, r.NewLineStyles, withAlpha);
        fillBits = UnsignedBitCount(uint32_t(r.NewFillStyles.size()));
        lineBits = UnsignedBitCount(uint32_t(r.NewLineStyles.size()));
        be.WriteBits(uint32_t(fillBits), 4);
        be.WriteBits(uint32_t(lineBits), 4);
    }
}

int edgeBits(int width, const char* what) {
    const int n = std::max(width, 2);
    if (n > 17)
        throw Error(std::string(what) + " delta needs " + std::to_string(n) + " bits; edges hold at most 17");
    return n;
}

void writeStraightEdge(TBitsEngine& be, int32_t dx, int32_t dy) {
    if (dx == 0 && dy == 0)
        return;
    const int n = edgeBits(FieldWidth({dx, dy}), "straight edge");
    be.WriteBits(0b11, 2);
    be.WriteBits(uint32_t(n - 2), 4);
    if (dx != 0 && dy != 0) {
        be.WriteBit(true);
        be.WriteSignedBits(dx, n);
        be.WriteSignedBits(dy, n);
    } else {
        be.WriteBit(false);
        be.WriteBit(dx == 0); // vertical
        be.WriteSignedBits(dx == 0 ? dy : dx, n);
    }
}

void writeCurvedEdge(TBitsEngine& be, const TSWFCurvedEdgeRecord& c) {
    if (c.ControlDeltaX == 0 && c.ControlDeltaY == 0 && c.AnchorDeltaX == 0 && c.AnchorDeltaY == 0)
        return;
    const int n = edgeBits(FieldWidth({c.ControlDeltaX, c.ControlDeltaY, c.AnchorDeltaX, c.AnchorDeltaY}), "curved edge");
    be.WriteBits(0b10, 2);
    be.WriteBits(uint32_t(n - 2), 4);
    be.WriteSignedBits(c.ControlDeltaX, n);
    be.WriteSignedBits(c.ControlDeltaY, n);
    be.WriteSignedBits(c.AnchorDeltaX, n);
    be.WriteSignedBits(c.AnchorDeltaY, n);
}

} // namespace

void WriteFillStyles(TBitsEngine& be, const TFillStyleList& fills, bool withAlpha) {
    writeStyleCount(be, fills.size());
    for (const auto& f : fills)
        f->Write(be, withAlpha);
}

void WriteLineStyles(TBitsEngine& be, const TLineStyleList& lines, bool withAlpha) {
    writeStyleCount(be, lines.size());
    for (const auto& l : lines)
        l->Write(be, withAlpha);
}

void WriteShapeRecords(TBitsEngine& be, const TShapeRecordList& records, int numFillBits, int numLineBits, bool withAlpha) {
    int fillBits = numFillBits;
    int lineBits = numLineBits;
    for (size_t i = 0; i < records.size(); ++i) {
        const TSWFShapeRecord& r = *records[i];
        switch (r.Kind) {
        case TShapeRecordKind::End:
            if (i + 1 == records.size())
                be.WriteBits(0, 6);
            break;
        case TShapeRecordKind::StyleChange:
            writeStyleChange(be, static_cast<const TSWFStyleChangeRecord&>(r), fillBits, lineBits, withAlpha);
            break;
        case TShapeRecordKind::StraightEdge: {
            const auto& s = static_cast<const TSWFStraightEdgeRecord&>(r);
            writeStraightEdge(be, s.DeltaX, s.DeltaY);
            break;
        }
        case TShapeRecordKind::CurvedEdge:
            writeCurvedEdge(be, static_cast<const TSWFCurvedEdgeRecord&>(r));
            break;
        }
    }
    if (records.empty() || records.back()->Kind != TShapeRecordKind::End)
        be.WriteBits(0, 6);
}

} // namespace swf
