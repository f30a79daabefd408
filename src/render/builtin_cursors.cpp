#include "render/builtin_cursors.h"

#include "render/cursor_sketch.h"

#include <array>
#include <cmath>

namespace vantora {
namespace {

constexpr double kCentre = 15.5;
// Shapes are nudged off the pixel grid so that no pixel centre sits exactly on an edge.
constexpr double kNudge = 0.02;

// The arrow with its tip at (kArrowTipX, kArrowTipY); the pictures built on it place their extras
// from the same corner.
void arrowPointer(CursorSketch& s) {
    s.Art(kArrowTipX, kArrowTipY, {"X",           "XX",          "X.X",         "X..X",        "X...X",
                 "X....X",      "X.....X",     "X......X",    "X.......X",   "X........X",
                 "X.........X", "X......XXXXX", "X...X..X",   "X..XX..X",    "X.X  X..X",
                 "XX   X..X",   "X     X..X",  "      X..X",  "       XX"});
}

// A line of `length` pixels along `angle` degrees around (cx, cy), ending in 45-degree arrow heads
// at one or both ends, as a polygon.
Outline arrowShape(double cx, double cy, double angle, double half, double head, double shaft, bool bothEnds) {
    const Outline local = bothEnds
        ? Outline{{-half, 0}, {-half + head, -head}, {-half + head, -shaft}, {half - head, -shaft}, {half - head, -head},
                  {half, 0}, {half - head, head}, {half - head, shaft}, {-half + head, shaft}, {-half + head, head}}
        : Outline{{-half, 0}, {-half + head, -head}, {-half + head, -shaft}, {half, -shaft}, {half, shaft},
                  {-half + head, shaft}, {-half + head, head}};
    const double radians = angle * 3.14159265358979 / 180.0;
    const double c = std::cos(radians), s = std::sin(radians);
    Outline placed;
    for (const auto& [x, y] : local)
        placed.emplace_back(cx + kNudge + x * c - y * s, cy + kNudge + x * s + y * c);
    return placed;
}

auto inside(const Outline& outline) {
    return [outline](double x, double y) { return InsidePolygon(outline, x, y); };
}

auto insideAny(std::vector<Outline> outlines) {
    return [outlines](double x, double y) {
        for (const Outline& o : outlines)
            if (InsidePolygon(o, x, y))
                return true;
        return false;
    };
}

auto insideRect(double left, double top, double right, double bottom) {
    return [=](double x, double y) { return x > left && x < right && y > top && y < bottom; };
}

// The circle-and-slash sign centred at (cx, cy).
void noSign(CursorSketch& s, double cx, double cy, double radius, double thickness) {
    s.Stamp(
        [=](double x, double y) {
            const double dx = x - cx, dy = y - cy;
            const double distance = std::hypot(dx, dy);
            const bool ring = distance < radius && distance > radius - thickness;
            const bool slash = distance < radius && std::abs(dx - dy) / std::sqrt(2.0) < thickness / 2;
            return ring || slash;
        },
        Ink::Black, Ink::White);
}

void smallHourGlass(CursorSketch& s, int left, int top) {
    s.Art(left, top, {"XXXXXXXXXXX", "X.........X", "XXXXXXXXXXX", " X.......X ", " X.XXXXX.X ", "  X.XXX.X  ",
                      "   X.X.X   ", "   X...X   ", "  X..X..X  ", " X..XXX..X ", " X.XXXXX.X ", "XXXXXXXXXXX",
                      "X.........X", "XXXXXXXXXXX"});
}

void documentSheet(CursorSketch& s, double left, double top) {
    s.Stamp(insideRect(left, top, left + 10, top + 8), Ink::White, Ink::Black);
    s.Stamp(insideRect(left + 2, top + 2, left + 8, top + 3), Ink::Black, Ink::None); // a line of text
    s.Stamp(insideRect(left + 2, top + 4.5, left + 6, top + 5.5), Ink::Black, Ink::None);
}

QImage draw(TCursorType type) {
    CursorSketch s;
    switch (type) {
    case TCursorType::AppStart:
        arrowPointer(s);
        smallHourGlass(s, kArrowTipX + 12, kArrowTipY + 12);
        break;
    case TCursorType::Beam:
        s.StampArt(12, 7, {"XXX XXX", "   X", "   X", "   X", "   X", "   X", "   X", "   X", "   X", "   X", "   X",
                           "   X", "   X", "   X", "   X", "   X", "   X", "XXX XXX"},
                   Ink::Black, Ink::White);
        break;
    case TCursorType::Cross:
        s.Stamp(insideAny({arrowShape(kCentre, kCentre, 0, 10.6, 0, 0.5, true),
                           arrowShape(kCentre, kCentre, 90, 10.6, 0, 0.5, true)}),
                Ink::Black, Ink::White);
        break;
    case TCursorType::Drag:
        arrowPointer(s);
        documentSheet(s, kArrowTipX + 11, kArrowTipY + 19);
        break;
    case TCursorType::HandPoint:
        s.Art(6, 1, {"     XX",         "    X..X",         "    X..X",         "    X..X",
                     "    X..X",         "    X..XXX",       "    X..X..XXX",    "    X..X..X..XX",
                     "    X..X..X..X.X", "XXX X..X..X..X..X", "X..XX........X..X", "X...X...........X",
                     " X..............X", "  X.............X", "  X............X", "   X...........X",
                     "   X..........X",  "    X.........X",  "    X........X",   "     X.......X",
                     "     X.......X",   "     XXXXXXXXX"});
        break;
    case TCursorType::Help:
        arrowPointer(s);
        s.StampArt(kArrowTipX + 14, kArrowTipY + 2, {" XXXX", "XX  XX", "XX  XX", "    XX", "   XX", "  XX", "  XX", "", "  XX", "  XX"},
                   Ink::Black, Ink::White);
        break;
    case TCursorType::HourGlass:
        s.Art(7, 5, {"XXXXXXXXXXXXXXXXX", "X...............X", "XXXXXXXXXXXXXXXXX", " X.............X ",
                     " X.............X ", " X.XXXXXXXXXXX.X ", "  X.XXXXXXXXX.X  ", "  X..XXXXXXX..X  ",
                     "   X..XXXXX..X   ", "    X..XXX..X    ", "     X..X..X     ", "     X..X..X     ",
                     "    X...X...X    ", "   X....X....X   ", "  X.....X.....X  ", "  X....XXX....X  ",
                     " X...XXXXXXX...X ", " X.XXXXXXXXXXX.X ", "XXXXXXXXXXXXXXXXX", "X...............X",
                     "XXXXXXXXXXXXXXXXX"});
        break;
    case TCursorType::HSplit:
    case TCursorType::VSplit: {
        const bool vertical = type == TCursorType::VSplit;
        const auto flip = [vertical](double l, double t, double r, double b) {
            return vertical ? insideRect(t, l, b, r) : insideRect(l, t, r, b);
        };
        const double angle = vertical ? 90 : 0;
        const double dx = vertical ? 0 : 5.5, dy = vertical ? 5.5 : 0;
        const auto heads = insideAny({arrowShape(kCentre - dx, kCentre - dy, angle, 5.1, 4, 0.5, false),
                                      arrowShape(kCentre + dx, kCentre + dy, angle + 180, 5.1, 4, 0.5, false)});
        const auto bars = [&](double x, double y) {
            return flip(13, 6, 14, 26)(x, y) || flip(17, 6, 18, 26)(x, y) || heads(x, y);
        };
        s.Stamp(bars, Ink::Black, Ink::White);
        break;
    }
    case TCursorType::MultiDrag:
        arrowPointer(s);
        documentSheet(s, kArrowTipX + 14, kArrowTipY + 16);
        documentSheet(s, kArrowTipX + 11, kArrowTipY + 19);
        break;
    case TCursorType::No: noSign(s, kCentre + kNudge, kCentre + kNudge, 10, 3); break;
    case TCursorType::NoDrop:
        arrowPointer(s);
        // Closer to the arrow than on the others, so that it stays inside the picture.
        noSign(s, kArrowTipX + 17 + kNudge, kArrowTipY + 20 + kNudge, 6.6, 2.2);
        break;
    case TCursorType::SizeAll:
        s.Stamp(insideAny({arrowShape(kCentre, kCentre, 0, 10.5, 3.5, 0.5, true),
                           arrowShape(kCentre, kCentre, 90, 10.5, 3.5, 0.5, true)}),
                Ink::Black, Ink::White);
        break;
    case TCursorType::SizeNESW: s.Stamp(inside(arrowShape(kCentre, kCentre, -45, 10.4, 4.2, 0.5, true)), Ink::Black, Ink::White); break;
    case TCursorType::SizeNS: s.Stamp(inside(arrowShape(kCentre, kCentre, 90, 10.5, 4, 0.5, true)), Ink::Black, Ink::White); break;
    case TCursorType::SizeNWSE: s.Stamp(inside(arrowShape(kCentre, kCentre, 45, 10.4, 4.2, 0.5, true)), Ink::Black, Ink::White); break;
    case TCursorType::SizeWE: s.Stamp(inside(arrowShape(kCentre, kCentre, 0, 10.5, 4, 0.5, true)), Ink::Black, Ink::White); break;
    case TCursorType::UpArrow:
        s.Stamp(inside(arrowShape(kCentre, kCentre, 90, 11.5, 5, 1.5, false)), Ink::White, Ink::Black);
        break;
    default: arrowPointer(s); break;
    }
    return s.ToImage();
}

} // namespace

QImage BuiltinCursor(TCursorType type) {
    static const std::array<QImage, 20> pictures = [] {
        std::array<QImage, 20> all;
        for (int i = 0; i < 20; ++i)
            all[std::size_t(i)] = draw(static_cast<TCursorType>(i));
        return all;
    }();
    const int index = static_cast<int>(type);
    return pictures[std::size_t(index >= 1 && index <= 19 ? index : static_cast<int>(TCursorType::Arrow))];
}

} // namespace vantora
