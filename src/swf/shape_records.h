#pragma once
// Shape content as plain data: fill styles, line styles and shape records (style change, straight
// edge, curved edge, end), plus the functions that write them. Shapes and font glyphs share them.

#include "swf/bits_engine.h"
#include "swf/records.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace swf {

// ---------------------------------------------------------------- fill and line styles

class TSWFFillStyle {
public:
    virtual ~TSWFFillStyle() = default;
    virtual uint8_t FillType() const = 0;
    // Whether the style needs DefineShape3 (a colour with alpha below 255).
    virtual bool HasAlpha() const { return false; }
    // Writes the FILLSTYLE record; colours are RGBA when `withAlpha`, else RGB.
    virtual void Write(TBitsEngine& be, bool withAlpha) const = 0;
};

class TSWFColorFill : public TSWFFillStyle {
public:
    explicit TSWFColorFill(TSWFRGBA color) : Color(color) {}
    uint8_t FillType() const override { return 0x00; }
    bool HasAlpha() const override { return Color.Alpha() != 255; }
    void Write(TBitsEngine& be, bool withAlpha) const override;
    TSWFRGBA Color;
};

// A bitmap fill: 0x40 repeating, 0x41 clipped (0x42/0x43 the unsmoothed forms).
class TSWFImageFill : public TSWFFillStyle {
public:
    TSWFImageFill(uint8_t type, uint16_t bitmapId) : Type(type), BitmapId(bitmapId) {}
    uint8_t FillType() const override { return Type; }
    void Write(TBitsEngine& be, bool withAlpha) const override;
    uint8_t Type;
    uint16_t BitmapId;
    TSWFMatrix Matrix;
};

struct TSWFGradientRecord {
    uint8_t Ratio = 0;
    TSWFRGBA Color;
};

// Linear (0x10) or radial (0x12) gradient.
class TSWFGradientFill : public TSWFFillStyle {
public:
    explicit TSWFGradientFill(uint8_t type) : Type(type) {}
    uint8_t FillType() const override { return Type; }
    bool HasAlpha() const override;
    void Write(TBitsEngine& be, bool withAlpha) const override;
    uint8_t Type;
    TSWFMatrix Matrix;
    std::vector<TSWFGradientRecord> Records;
};

// Focal radial gradient (0x13, DefineShape4 only in players; kept for completeness).
class TSWFFocalGradientFill : public TSWFGradientFill {
public:
    TSWFFocalGradientFill() : TSWFGradientFill(0x13) {}
    void Write(TBitsEngine& be, bool withAlpha) const override;
    double FocalPoint = 0.0; // -1..1
};

struct TSWFLineStyle {
    uint16_t Width = 0; // twips
    TSWFRGBA Color;
    void Write(TBitsEngine& be, bool withAlpha) const;
};

using TFillStyleList = std::vector<std::unique_ptr<TSWFFillStyle>>;
using TLineStyleList = std::vector<std::unique_ptr<TSWFLineStyle>>;

// Style arrays as a shape tag carries them: count (byte, or 0xFF and a word), then each style.
void WriteFillStyles(TBitsEngine& be, const TFillStyleList& fills, bool withAlpha);
void WriteLineStyles(TBitsEngine& be, const TLineStyleList& lines, bool withAlpha);

// ---------------------------------------------------------------- shape records

enum class TShapeRecordKind : uint8_t { End = 0, StyleChange = 1, StraightEdge = 2, CurvedEdge = 3 };

struct TSWFShapeRecord {
    explicit TSWFShapeRecord(TShapeRecordKind kind) : Kind(kind) {}
    virtual ~TSWFShapeRecord() = default;
    const TShapeRecordKind Kind;
};

struct TSWFEndShapeRecord : TSWFShapeRecord {
    TSWFEndShapeRecord() : TSWFShapeRecord(TShapeRecordKind::End) {}
};

struct TSWFStraightEdgeRecord : TSWFShapeRecord {
    TSWFStraightEdgeRecord(int32_t dx, int32_t dy) : TSWFShapeRecord(TShapeRecordKind::StraightEdge), DeltaX(dx), DeltaY(dy) {}
    int32_t DeltaX;
    int32_t DeltaY;

protected:
    explicit TSWFStraightEdgeRecord(TShapeRecordKind kind) : TSWFShapeRecord(kind), DeltaX(0), DeltaY(0) {}
};

// The straight-edge values double as the MoveTo point (absolute twips).
struct TSWFStyleChangeRecord : TSWFStraightEdgeRecord {
    TSWFStyleChangeRecord() : TSWFStraightEdgeRecord(TShapeRecordKind::StyleChange) {}
    int32_t MoveToX() const { return DeltaX; }
    int32_t MoveToY() const { return DeltaY; }
    void SetMoveTo(int32_t x, int32_t y) { DeltaX = x; DeltaY = y; StateMoveTo = true; }
    void SetFillStyle0(uint16_t index) { FillStyle0 = index; StateFillStyle0 = true; }
    void SetFillStyle1(uint16_t index) { FillStyle1 = index; StateFillStyle1 = true; }
    void SetLineStyle(uint16_t index) { LineStyle = index; StateLineStyle = true; }

    bool StateMoveTo = false;
    bool StateFillStyle0 = false;
    bool StateFillStyle1 = false;
    bool StateLineStyle = false;
    bool StateNewStyles = false;
    uint16_t FillStyle0 = 0;
    uint16_t FillStyle1 = 0;
    uint16_t LineStyle = 0;
    TFillStyleList NewFillStyles;
    TLineStyleList NewLineStyles;
};

struct TSWFCurvedEdgeRecord : TSWFShapeRecord {
    TSWFCurvedEdgeRecord(int32_t cdx, int32_t cdy, int32_t adx, int32_t ady)
        : TSWFShapeRecord(TShapeRecordKind::CurvedEdge), ControlDeltaX(cdx), ControlDeltaY(cdy), AnchorDeltaX(adx), AnchorDeltaY(ady) {}
    int32_t ControlDeltaX;
    int32_t ControlDeltaY;
    int32_t AnchorDeltaX;
    int32_t AnchorDeltaY;
};

using TShapeRecordList = std::vector<std::unique_ptr<TSWFShapeRecord>>;

// Writes the records with the given index widths; an end record is written only where it is the
// last record, and one is added when the list does not end with it. Does not align afterwards.
// Throws swf::Error when an edge is too long for its record.
void WriteShapeRecords(TBitsEngine& be, const TShapeRecordList& records, int numFillBits, int numLineBits, bool withAlpha);

} // namespace swf
