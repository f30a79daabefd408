#include "swf/edges.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace swf {

namespace {

// The eight quarter-arc halves of an ellipse from its right-hand vertex (clockwise on screen).
constexpr int kEllipseTable[8][4] = {
    {0, 1, -1, 1}, {-1, 1, -1, 0}, {-1, 0, -1, -1}, {-1, -1, 0, -1},
    {0, -1, 1, -1}, {1, -1, 1, 0}, {1, 0, 1, 1}, {1, 1, 0, 1},
};

int64_t ceilDiv(int64_t a, int64_t b) { return (a + b - 1) / b; }

} // namespace

TFlashEdges::TFlashEdges(TShapeRecordList& records, std::function<int32_t()> unitsMultiplier)
    : records_(records), units_(std::move(unitsMultiplier)) {}

int32_t TFlashEdges::Multiplier() const {
    if (twips_ || !units_)
        return 1;
    return units_();
}

TSWFStyleChangeRecord& TFlashEdges::LastStyleChange() {
    if (records_.empty() || records_.back()->Kind != TShapeRecordKind::StyleChange)
        records_.push_back(std::make_unique<TSWFStyleChangeRecord>());
    return static_cast<TSWFStyleChangeRecord&>(*records_.back());
}

void TFlashEdges::MoveToTwips(int32_t x, int32_t y) {
    if (x == pen_.X && y == pen_.Y && records_.size() <= 1) {
        LastStyleChange();
        return;
    }
    TSWFStyleChangeRecord& r = LastStyleChange();
    pen_ = {x, y};
    r.SetMoveTo(x, y);
    subPathStart_ = pen_;
}

void TFlashEdges::MoveTo(int32_t x, int32_t y) { MoveToTwips(ToTwips(x), ToTwips(y)); }

void TFlashEdges::MoveBy(int32_t dx, int32_t dy) {
    if (dx == 0 && dy == 0) {
        LastStyleChange();
        return;
    }
    MoveToTwips(pen_.X + ToTwips(dx), pen_.Y + ToTwips(dy));
}

void TFlashEdges::LineByTwips(int32_t dx, int32_t dy) {
    const int64_t pieces = std::max(ceilDiv(std::llabs(dx), 65535), ceilDiv(std::llabs(dy), 65535));
    for (int64_t k = 1; k <= pieces; ++k) {
        const auto at = [pieces](int64_t total, int64_t step) { return int32_t(std::llround(double(step) * double(total) / double(pieces))); };
        records_.push_back(std::make_unique<TSWFStraightEdgeRecord>(at(dx, k) - at(dx, k - 1), at(dy, k) - at(dy, k - 1)));
    }
    pen_.X += dx;
    pen_.Y += dy;
}

void TFlashEdges::LineBy(int32_t dx, int32_t dy) { LineByTwips(ToTwips(dx), ToTwips(dy)); }

void TFlashEdges::LineTo(int32_t x, int32_t y) { LineByTwips(ToTwips(x) - pen_.X, ToTwips(y) - pen_.Y); }

void TFlashEdges::CurveByTwips(int32_t cdx, int32_t cdy, int32_t adx, int32_t ady) {
    if (cdx == 0 && cdy == 0) {
        LineByTwips(adx, ady);
        return;
    }
    if (adx == 0 && ady == 0) {
        LineByTwips(cdx, cdy);
        return;
    }
    if (cdy == 0 && ady == 0) {
        LineByTwips(cdx + adx, 0);
        return;
    }
    if (cdx == 0 && adx == 0) {
        LineByTwips(0, cdy + ady);
        return;
    }
    records_.push_back(std::make_unique<TSWFCurvedEdgeRecord>(cdx, cdy, adx, ady));
    pen_.X += cdx + adx;
    pen_.Y += cdy + ady;
}

void TFlashEdges::CurveBy(int32_t cdx, int32_t cdy, int32_t adx, int32_t ady) {
    CurveByTwips(ToTwips(cdx), ToTwips(cdy), ToTwips(adx), ToTwips(ady));
}

void TFlashEdges::CurveTo(int32_t controlX, int32_t controlY, int32_t anchorX, int32_t anchorY) {
    const int32_t cx = ToTwips(controlX), cy = ToTwips(controlY);
    const int32_t ax = ToTwips(anchorX), ay = ToTwips(anchorY);
    if (ax == pen_.X && ay == pen_.Y)
        return;
    CurveByTwips(cx - pen_.X, cy - pen_.Y, ax - cx, ay - cy);
}

void TFlashEdges::CloseShape() {
    if (pen_.X != subPathStart_.X || pen_.Y != subPathStart_.Y)
        LineByTwips(subPathStart_.X - pen_.X, subPathStart_.Y - pen_.Y);
}

void TFlashEdges::EndShape() { records_.push_back(std::make_unique<TSWFEndShapeRecord>()); }

template <class Draw>
void TFlashEdges::InTwips(Draw draw) {
    const int32_t m = Multiplier();
    const bool wasTwips = twips_;
    twips_ = true;
    draw(m);
    twips_ = wasTwips;
}

void TFlashEdges::Rectangle(int32_t width, int32_t height) {
    InTwips([&](int32_t m) {
        const int32_t w = width * m, h = height * m;
        LineByTwips(w, 0);
        LineByTwips(0, h);
        LineByTwips(-w, 0);
        LineByTwips(0, -h);
    });
}

void TFlashEdges::Diamond(int32_t width, int32_t height) {
    InTwips([&](int32_t m) {
        const int32_t w = width * m, h = height * m;
        const int32_t hw = w / 2, hh = h / 2, nhw = -w / 2, nhh = -h / 2;
        LineByTwips(hw, hh);
        LineByTwips(nhw, hh);
        LineByTwips(nhw, nhh);
        LineByTwips(hw, nhh);
    });
}

void TFlashEdges::EllipseCurve(int i, int32_t w, int32_t h) {
    const int* p = kEllipseTable[i];
    const double c = i % 2 == 0 ? 0.207 : 0.1465;
    const double a = i % 2 == 0 ? 0.1465 : 0.207;
    CurveByTwips(int32_t(std::trunc(w * p[0] * c)), int32_t(std::trunc(h * p[1] * c)),
                 int32_t(std::trunc(w * p[2] * a)), int32_t(std::trunc(h * p[3] * a)));
}

void TFlashEdges::Ellipse(int32_t width, int32_t height) {
    InTwips([&](int32_t m) {
        const int32_t w = width * m, h = height * m;
        MoveToTwips(pen_.X + w, pen_.Y + h / 2);
        for (int i = 0; i < 8; ++i)
            EllipseCurve(i, w, h);
    });
}

void TFlashEdges::RoundRect(int32_t width, int32_t height, int32_t radius) {
    InTwips([&](int32_t m) {
        const int32_t w = width * m, h = height * m;
        // A rounding larger than the box allows is held to half the shorter side, as drawing a
        // round rectangle does, so that every edge stays inside the shape's bounds.
        const int32_t r = std::clamp(radius * m, 0, std::max(0, std::min(std::abs(w), std::abs(h)) / 2));
        MoveToTwips(pen_.X + w, pen_.Y + r);
        for (int i = 0; i < 8; ++i) {
            if (i == 0) LineByTwips(0, h - 2 * r);
            if (i == 2) LineByTwips(-(w - 2 * r), 0);
            if (i == 4) LineByTwips(0, -(h - 2 * r));
            if (i == 6) LineByTwips(w - 2 * r, 0);
            EllipseCurve(i, 2 * r, 2 * r);
        }
    });
}

void TFlashEdges::Polyline(const std::vector<TPoint>& points, int lastIndex) {
    if (points.empty() || lastIndex < 0)
        return;
    const int last = std::min(lastIndex, int(points.size()) - 1);
    MoveTo(points[0].X, points[0].Y);
    for (int i = 1; i <= last; ++i)
        LineTo(points[size_t(i)].X, points[size_t(i)].Y);
}

void TFlashEdges::Flip(bool horizontal, bool vertical) {
    const int32_t sx = horizontal ? -1 : 1;
    const int32_t sy = vertical ? -1 : 1;
    for (auto& r : records_) {
        switch (r->Kind) {
        case TShapeRecordKind::StraightEdge:
        case TShapeRecordKind::StyleChange: {
            auto& s = static_cast<TSWFStraightEdgeRecord&>(*r);
            s.DeltaX *= sx;
            s.DeltaY *= sy;
            break;
        }
        case TShapeRecordKind::CurvedEdge: {
            auto& c = static_cast<TSWFCurvedEdgeRecord&>(*r);
            c.ControlDeltaX *= sx;
            c.AnchorDeltaX *= sx;
            c.ControlDeltaY *= sy;
            c.AnchorDeltaY *= sy;
            break;
        }
        case TShapeRecordKind::End: break;
        }
    }
}

} // namespace swf
