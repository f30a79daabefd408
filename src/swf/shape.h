#pragma once
// TFlashShape: a vector shape character (DefineShape2, or DefineShape3 when a colour has alpha).

#include "swf/edges.h"
#include "swf/flash_object.h"
#include "swf/shape_records.h"

namespace swf {

class TFlashImage;

// How SetImageFill lays a bitmap into a shape.
enum class TImageFillKind { Clipped = 0, Stretched = 1, Repeating = 2 };

class TFlashShape : public TFlashVisualObject {
public:
    explicit TFlashShape(TFlashMovie* owner);

    // In the movie's units.
    void SetBounds(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax);
    const TSWFRect& Bounds() const { return bounds_; }

    // Adds the fill (once) and selects it as FillStyle1; returns the fill.
    TSWFFillStyle* AddFillStyle(std::unique_ptr<TSWFFillStyle> fill);
    // Selects an already added fill.
    void SelectFillStyle(const TSWFFillStyle* fill);
    // Adds a line style (a default one for null) and selects it.
    TSWFLineStyle* AddLineStyle(std::unique_ptr<TSWFLineStyle> line = nullptr);

    // Low 24 bits as red, green, blue (0x00BBGGRR), opaque.
    TSWFColorFill* SetSolidColor(TColor color);
    // Red | Green << 8 | Blue << 16 | Alpha << 24.
    TSWFColorFill* SetSolidColorRGBA(uint32_t rgba);
    TSWFLineStyle* SetLineStyle(int32_t width, TColor color);
    TSWFLineStyle* SetLineStyleRGBA(int32_t width, uint32_t rgba);
    void SetFillStyle0(uint16_t index);
    void SetFillStyle1(uint16_t index);
    void SetLineStyleIndex(uint16_t index);
    // Fills the shape with a bitmap; see TImageFillKind. scaleX/scaleY are pixels per bitmap pixel.
    TSWFImageFill* SetImageFill(TFlashImage* image, TImageFillKind kind, double scaleX = 1.0, double scaleY = 1.0);

    // Style selections go to the last style-change record instead of the first.
    void SetStyleTargetLast(bool on) { styleTargetLast_ = on; }

    TFlashEdges& Edges() { return edges_; }
    const TFillStyleList& FillStyles() const { return fills_; }
    const TLineStyleList& LineStyles() const { return lines_; }
    const TShapeRecordList& Records() const { return records_; }
    bool HasAlpha() const { return hasAlpha_; }

    int MinVersion() const override { return hasAlpha_ ? 3 : 2; }
    void WriteToStream(TBitsEngine& be) override;

private:
    TSWFStyleChangeRecord* StyleTarget();

    TSWFRect bounds_;
    TFillStyleList fills_;
    TLineStyleList lines_;
    TShapeRecordList records_;
    TFlashEdges edges_;
    bool hasAlpha_ = false;
    bool styleTargetLast_ = false;
};

} // namespace swf
