#include "render/balloon_masks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace vantora {
namespace {

// Sampling grid per pixel side.
constexpr int kSamples = 8;
constexpr double kCornerRadius = 9.0;

struct Point {
    double x;
    double y;
};

// Where a sample falls: outside (depth < 0), or `depth` pixels inside an edge whose outward
// normal faces up/left (lit) or down/right (shaded).
struct Depth {
    double depth = -1e9;
    bool lit = true;
};

int rampCode(const Depth& d) {
    const int ring = static_cast<int>(std::floor(d.depth));
    if (ring == 0)
        return kRampOutline;
    if (ring >= 1 && ring <= 4)
        return d.lit ? kRampHighlight[ring - 1] : kRampShade[ring - 1];
    return kRampBody;
}

// The body rectangle with the painter's edge layout: column L and row T lie outside, L+1 and T+1
// are outline; columns R-1, R and rows B-1, B lie outside, R-2 and B-2 are outline.
struct Body {
    double left, top, right, bottom; // pixel indices L, T, R, B

    Depth at(Point s) const {
        const double fromLeft = s.x - left - 1;
        const double fromTop = s.y - top - 1;
        const double fromRight = right + 1 - s.x - 2;
        const double fromBottom = bottom + 1 - s.y - 2;
        const double vertical = std::min(fromLeft, fromRight);
        const double horizontal = std::min(fromTop, fromBottom);
        const bool verticalLit = fromLeft <= fromRight;
        const bool horizontalLit = fromTop <= fromBottom;
        if (vertical < kCornerRadius && horizontal < kCornerRadius) {
            const double dx = kCornerRadius - vertical;
            const double dy = kCornerRadius - horizontal;
            return {kCornerRadius - std::hypot(dx, dy), vertical < horizontal ? verticalLit : horizontalLit};
        }
        return vertical < horizontal ? Depth{vertical, verticalLit} : Depth{horizontal, horizontalLit};
    }
};

// A convex polygon (the arrow), its depth being the distance to the nearest edge.
struct Tail {
    std::array<Point, 3> points; // clockwise on screen (y down)

    Depth at(Point s) const {
        Depth nearest{1e9, true};
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point a = points[i];
            const Point b = points[(i + 1) % points.size()];
            const double ex = b.x - a.x;
            const double ey = b.y - a.y;
            const double length = std::hypot(ex, ey);
            // Outward normal of a clockwise polygon in y-down coordinates.
            const double nx = ey / length;
            const double ny = -ex / length;
            const double inside = -((s.x - a.x) * nx + (s.y - a.y) * ny);
            if (inside < nearest.depth)
                nearest = {inside, nx + ny < 0};
        }
        return nearest;
    }
};

// Samples the union of body and tail over a window of the virtual balloon.
BalloonMask sampleMask(const Body& body, const Tail* tail, int firstRow, int firstColumn, int rows, int columns) {
    BalloonMask mask{rows, columns, std::vector<std::uint32_t>(static_cast<std::size_t>(rows) * columns)};
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            std::map<int, int> codeCounts;
            int covered = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Point s{firstColumn + column + (sx + 0.5) / kSamples, firstRow + row + (sy + 0.5) / kSamples};
                    Depth d = body.at(s);
                    if (tail) {
                        const Depth t = tail->at(s);
                        if (t.depth > d.depth)
                            d = t;
                    }
                    if (d.depth < 0)
                        continue;
                    ++covered;
                    ++codeCounts[rampCode(d)];
                }
            }
            int code = kRampBody;
            if (!codeCounts.empty()) {
                std::vector<std::pair<int, int>> byCount; // (count, code)
                for (const auto& [c, n] : codeCounts)
                    byCount.emplace_back(n, c);
                std::sort(byCount.rbegin(), byCount.rend());
                code = byCount[0].second;
                // Two tones sharing a pixel: average them (no index is 0, so the pair is >= 256).
                if (byCount.size() > 1 && byCount[1].first * 4 >= covered)
                    code = byCount[0].second | (byCount[1].second << 8);
            }
            const int alpha = (covered * 255 + (kSamples * kSamples) / 2) / (kSamples * kSamples);
            mask.entries[static_cast<std::size_t>(row) * columns + column] = MaskEntry(alpha, code);
        }
    }
    return mask;
}

constexpr double kFar = 1000;

BalloonMask makeCorner(BalloonCorner corner) {
    // A virtual body large enough that only the wanted corner is near the window.
    constexpr double kEdge = 100;
    switch (corner) {
    case BalloonCorner::TopLeft: return sampleMask({0, 0, kFar, kFar}, nullptr, 0, 0, 12, 12);
    case BalloonCorner::TopRight: return sampleMask({-kFar, 0, kEdge, kFar}, nullptr, 0, kEdge - 12, 12, 12);
    case BalloonCorner::BottomRight:
        return sampleMask({-kFar, -kFar, kEdge, kEdge}, nullptr, kEdge - 12, kEdge - 12, 12, 12);
    case BalloonCorner::BottomLeft: return sampleMask({0, -kFar, kFar, kEdge}, nullptr, kEdge - 12, 0, 12, 12);
    }
    return {};
}

// The arrow points away from the body next to its corner: its tip sits two pixels in from the
// window's outer column, its base spans 13 pixels of the edge, and its sides run on into the body.
Point pointOnLine(Point a, Point b, double y) {
    return {a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y};
}

BalloonMask makeArrow(BalloonCorner corner) {
    constexpr double kEdge = 100;
    const bool bottom = corner == BalloonCorner::BottomLeft || corner == BalloonCorner::BottomRight;
    const bool left = corner == BalloonCorner::TopLeft || corner == BalloonCorner::BottomLeft;
    // Window: 22 rows reaching 16 rows beyond the body edge, 18 columns starting 12 in from the
    // corner (left arrows) or ending 13 in from it (right arrows).
    const Body body{left ? 0 : -kFar, bottom ? -kFar : 16, left ? kFar : kEdge, bottom ? kEdge : kFar};
    const int firstRow = bottom ? int(kEdge) - 6 : 0;
    const int firstColumn = left ? 12 : int(kEdge) - 30;
    // Base on the outline's outer edge, tip on the window's outer edge.
    const double baseY = bottom ? kEdge - 1 : 17;
    const double tipY = bottom ? kEdge + 16 : 0;
    // The near side runs straight along a pixel edge, so its outline stays crisp; the far side
    // slants back to the body.
    const double baseNear = left ? firstColumn + 2.0 : firstColumn + 16.0;
    const double tipX = baseNear;
    const double baseFar = left ? firstColumn + 15.0 : firstColumn + 3.0;
    const Point tip{tipX, tipY};
    const double deepY = bottom ? baseY - 20 : baseY + 20;
    const Point nearDeep = pointOnLine(tip, {baseNear, baseY}, deepY);
    const Point farDeep = pointOnLine(tip, {baseFar, baseY}, deepY);
    Tail tail{{tip, nearDeep, farDeep}};
    // Clockwise on screen (y down) means a positive signed area; swap two points otherwise.
    const auto& p = tail.points;
    const double area = (p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[2].x - p[0].x) * (p[1].y - p[0].y);
    if (area < 0)
        std::swap(tail.points[1], tail.points[2]);
    return sampleMask(body, &tail, firstRow, firstColumn, kArrowMaskRows, kArrowMaskColumns);
}

std::size_t index(BalloonCorner corner) { return static_cast<std::size_t>(corner); }

} // namespace

const BalloonMask& BalloonCornerMask(BalloonCorner corner) {
    static const std::array<BalloonMask, 4> masks{makeCorner(BalloonCorner::TopLeft), makeCorner(BalloonCorner::TopRight),
                                                  makeCorner(BalloonCorner::BottomRight),
                                                  makeCorner(BalloonCorner::BottomLeft)};
    return masks[index(corner)];
}

const BalloonMask& BalloonArrowMask(BalloonCorner corner) {
    static const std::array<BalloonMask, 4> masks{makeArrow(BalloonCorner::TopLeft), makeArrow(BalloonCorner::TopRight),
                                                  makeArrow(BalloonCorner::BottomRight),
                                                  makeArrow(BalloonCorner::BottomLeft)};
    return masks[index(corner)];
}

} // namespace vantora
