#include "player/shape_reader.h"

#include "player/bit_reader.h"
#include "player/movie_error.h"

#include <unordered_map>

namespace player {

namespace {

// Bounds on what one shape may hold, far above anything a real movie uses.
constexpr size_t kMaxStyles = 4096;
constexpr size_t kMaxEdges = 1 << 20;

struct Point {
    int32_t x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

struct Edge {
    Point from, control, to;
    bool curve = false;
    Edge Reversed() const { return {to, control, from, curve}; }
};

struct StyleGroup {
    std::vector<FillStyle> fills;
    std::vector<LineStyle> lines;
    // Edges per fill style (index - 1), directed so that the fill lies on one side; edges per line.
    std::vector<std::vector<Edge>> fillEdges;
    std::vector<std::vector<Edge>> lineEdges;
};

Rgba ReadColor(BitReader& r, bool alpha) { return alpha ? ReadRgba(r) : ReadRgb(r); }

size_t ReadCount(BitReader& r, bool extended) {
    size_t n = r.U8();
    if (n == 0xff && extended)
        n = r.U16();
    if (n > kMaxStyles)
        throw MovieError("shape has too many styles");
    return n;
}

FillStyle ReadFillStyle(BitReader& r, int shapeVersion) {
    FillStyle f;
    const uint8_t type = r.U8();
    switch (type) {
    case 0x00:
        f.type = FillStyle::Type::Solid;
        f.color = ReadColor(r, shapeVersion >= 3);
        break;
    case 0x10:
    case 0x12:
    case 0x13: {
        f.type = type == 0x10 ? FillStyle::Type::LinearGradient : FillStyle::Type::RadialGradient;
        f.matrix = ReadMatrix(r);
        const uint8_t head = r.U8();
        f.spread = head >> 6;
        const int count = head & 0x0f;
        for (int i = 0; i < count; ++i) {
            GradientStop stop;
            stop.ratio = r.U8() / 255.0;
            stop.color = ReadColor(r, shapeVersion >= 3);
            f.stops.push_back(stop);
        }
        if (type == 0x13)
            r.U16(); // focal point: drawn as a plain radial gradient
        break;
    }
    case 0x40:
    case 0x41:
    case 0x42:
    case 0x43:
        f.type = FillStyle::Type::Bitmap;
        f.bitmapId = r.U16();
        f.matrix = ReadMatrix(r);
        f.bitmapRepeats = (type & 1) == 0;
        f.bitmapSmoothed = (type & 2) == 0;
        break;
    default: throw MovieError("unknown fill style type " + std::to_string(type));
    }
    return f;
}

void ReadStyles(BitReader& r, int shapeVersion, StyleGroup& group) {
    const size_t fills = ReadCount(r, shapeVersion >= 2);
    for (size_t i = 0; i < fills; ++i)
        group.fills.push_back(ReadFillStyle(r, shapeVersion));
    const size_t lines = ReadCount(r, shapeVersion >= 2);
    for (size_t i = 0; i < lines; ++i) {
        LineStyle l;
        l.width = r.U16();
        l.color = ReadColor(r, shapeVersion >= 3);
        group.lines.push_back(l);
    }
    group.fillEdges.resize(group.fills.size());
    group.lineEdges.resize(group.lines.size());
}

uint64_t Key(Point p) { return uint64_t(uint32_t(p.x)) << 32 | uint32_t(p.y); }

void AddEdge(QPainterPath& path, const Edge& e) {
    if (e.curve)
        path.quadTo(e.control.x, e.control.y, e.to.x, e.to.y);
    else
        path.lineTo(e.to.x, e.to.y);
}

// Joins directed edges into contours: each contour follows edges end to start until it closes or
// no edge continues it.
QPainterPath ChainContours(const std::vector<Edge>& edges) {
    std::unordered_multimap<uint64_t, size_t> byStart;
    byStart.reserve(edges.size());
    for (size_t i = 0; i < edges.size(); ++i)
        byStart.emplace(Key(edges[i].from), i);
    std::vector<bool> used(edges.size(), false);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (size_t first = 0; first < edges.size(); ++first) {
        if (used[first])
            continue;
        used[first] = true;
        path.moveTo(edges[first].from.x, edges[first].from.y);
        AddEdge(path, edges[first]);
        Point end = edges[first].to;
        const Point start = edges[first].from;
        while (!(end == start)) {
            auto [lo, hi] = byStart.equal_range(Key(end));
            size_t next = edges.size();
            for (auto it = lo; it != hi; ++it)
                if (!used[it->second]) {
                    next = it->second;
                    break;
                }
            if (next == edges.size())
                break;
            used[next] = true;
            AddEdge(path, edges[next]);
            end = edges[next].to;
        }
        path.closeSubpath();
    }
    return path;
}

QPainterPath LinePath(const std::vector<Edge>& edges) {
    QPainterPath path;
    bool started = false;
    Point at;
    for (const Edge& e : edges) {
        if (!started || !(e.from == at))
            path.moveTo(e.from.x, e.from.y);
        AddEdge(path, e);
        at = e.to;
        started = true;
    }
    return path;
}

void FlushGroup(StyleGroup& group, std::vector<ShapeLayer>& layers) {
    for (size_t i = 0; i < group.fills.size(); ++i) {
        if (group.fillEdges[i].empty())
            continue;
        ShapeLayer layer;
        layer.path = ChainContours(group.fillEdges[i]);
        layer.fill = group.fills[i];
        layers.push_back(std::move(layer));
    }
    for (size_t i = 0; i < group.lines.size(); ++i) {
        if (group.lineEdges[i].empty())
            continue;
        ShapeLayer layer;
        layer.path = LinePath(group.lineEdges[i]);
        layer.isLine = true;
        layer.line = group.lines[i];
        layers.push_back(std::move(layer));
    }
}

// Reads the shape records. Glyphs (no style arrays) collect every edge of fill 0 or 1 into
// group.fillEdges[0].
void ReadRecords(BitReader& r, int shapeVersion, StyleGroup& group, std::vector<ShapeLayer>& layers, bool glyph) {
    int fillBits = int(r.UBits(4));
    int lineBits = int(r.UBits(4));
    uint32_t fill0 = 0, fill1 = 0, line = 0;
    Point at;
    size_t edgeCount = 0;
    for (;;) {
        if (r.Bit()) {
            Edge e;
            e.from = at;
            if (r.Bit()) { // straight
                const int n = int(r.UBits(4)) + 2;
                if (r.Bit()) {
                    at.x = AddSaturated(at.x, r.SBits(n));
                    at.y = AddSaturated(at.y, r.SBits(n));
                } else if (r.Bit()) {
                    at.y = AddSaturated(at.y, r.SBits(n));
                } else {
                    at.x = AddSaturated(at.x, r.SBits(n));
                }
            } else {
                const int n = int(r.UBits(4)) + 2;
                e.curve = true;
                e.control.x = AddSaturated(at.x, r.SBits(n));
                e.control.y = AddSaturated(at.y, r.SBits(n));
                at.x = AddSaturated(e.control.x, r.SBits(n));
                at.y = AddSaturated(e.control.y, r.SBits(n));
            }
            e.to = at;
            if (++edgeCount > kMaxEdges)
                throw MovieError("shape has too many edges");
            if (glyph) {
                if (fill1)
                    group.fillEdges[0].push_back(e);
                else if (fill0)
                    group.fillEdges[0].push_back(e.Reversed());
                continue;
            }
            if (fill0 != fill1) {
                if (fill0 && fill0 <= group.fillEdges.size())
                    group.fillEdges[fill0 - 1].push_back(e.Reversed());
                if (fill1 && fill1 <= group.fillEdges.size())
                    group.fillEdges[fill1 - 1].push_back(e);
            }
            if (line && line <= group.lineEdges.size())
                group.lineEdges[line - 1].push_back(e);
            continue;
        }
        const uint32_t flags = r.UBits(5);
        if (flags == 0)
            break;
        if (flags & 1) {
            const int n = int(r.UBits(5));
            at.x = r.SBits(n);
            at.y = r.SBits(n);
        }
        if (flags & 2)
            fill0 = r.UBits(fillBits);
        if (flags & 4)
            fill1 = r.UBits(fillBits);
        if (flags & 8)
            line = r.UBits(lineBits);
        if ((flags & 16) && !glyph) {
            if (shapeVersion < 2)
                throw MovieError("new styles in a DefineShape");
            FlushGroup(group, layers);
            group = StyleGroup{};
            ReadStyles(r, shapeVersion, group);
            fillBits = int(r.UBits(4));
            lineBits = int(r.UBits(4));
        }
    }
}

} // namespace

std::shared_ptr<ShapeDef> ReadShape(uint16_t code, std::span<const uint8_t> body) {
    const int version = code == 2 ? 1 : code == 22 ? 2 : 3;
    BitReader r(body);
    auto shape = std::make_shared<ShapeDef>();
    shape->id = r.U16();
    shape->bounds = ReadRect(r);
    StyleGroup group;
    ReadStyles(r, version, group);
    ReadRecords(r, version, group, shape->layers, false);
    FlushGroup(group, shape->layers);
    return shape;
}

QPainterPath ReadGlyphShape(std::span<const uint8_t> data) {
    BitReader r(data);
    StyleGroup group;
    group.fills.resize(1);
    group.fillEdges.resize(1);
    std::vector<ShapeLayer> unused;
    ReadRecords(r, 1, group, unused, true);
    return ChainContours(group.fillEdges[0]);
}

} // namespace player
