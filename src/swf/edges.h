#pragma once
// TFlashEdges: the pen that appends shape records. It keeps the current position in twips, converts
// coordinates from the movie's units, splits long lines to fit the edge records, and draws the
// stock figures (rectangle, ellipse, rounded rectangle, diamond, polyline).

#include "swf/shape_records.h"

#include <functional>

namespace swf {

class TFlashEdges {
public:
    // `unitsMultiplier` gives the factor from the caller's coordinates to twips (1 without an owner).
    TFlashEdges(TShapeRecordList& records, std::function<int32_t()> unitsMultiplier = {});

    // Coordinates are taken as twips while on.
    void SetTwips(bool on) { twips_ = on; }
    bool Twips() const { return twips_; }
    TPoint Pen() const { return pen_; }

    void MoveTo(int32_t x, int32_t y);
    void MoveBy(int32_t dx, int32_t dy);
    void LineTo(int32_t x, int32_t y);
    void LineBy(int32_t dx, int32_t dy);
    void CurveTo(int32_t controlX, int32_t controlY, int32_t anchorX, int32_t anchorY);
    void CurveBy(int32_t controlDX, int32_t controlDY, int32_t anchorDX, int32_t anchorDY);
    // A line back to the start of the sub-path when the pen is elsewhere.
    void CloseShape();
    void EndShape();

    void Rectangle(int32_t width, int32_t height);
    void Ellipse(int32_t width, int32_t height);
    void RoundRect(int32_t width, int32_t height, int32_t radius);
    void Diamond(int32_t width, int32_t height);
    void Polyline(const std::vector<TPoint>& points, int lastIndex);

    // Negates the X and/or Y deltas of every edge and the MoveTo points of style changes.
    void Flip(bool horizontal, bool vertical);

private:
    int32_t Multiplier() const;
    int32_t ToTwips(int32_t v) const { return v * Multiplier(); }
    TSWFStyleChangeRecord& LastStyleChange();
    void MoveToTwips(int32_t x, int32_t y);
    void LineByTwips(int32_t dx, int32_t dy);
    void CurveByTwips(int32_t cdx, int32_t cdy, int32_t adx, int32_t ady);
    void EllipseCurve(int i, int32_t w, int32_t h);
    // Runs a stock figure in twips: arguments already scaled, the twips switch on meanwhile.
    template <class Draw>
    void InTwips(Draw draw);

    TShapeRecordList& records_;
    std::function<int32_t()> units_;
    bool twips_ = false;
    TPoint pen_;
    TPoint subPathStart_;
};

} // namespace swf
