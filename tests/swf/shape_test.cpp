#include "swf/edges.h"
#include "swf/movie.h"
#include "swf/place_object.h"
#include "swf/shape.h"

#include "swf_test_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

using namespace swf;
using swf_test::Bytes;
using vantora::test::TempDir;

namespace {

// Edge records of a shape as "L dx:dy" / "C cdx:cdy:adx:ady" strings (zero edges skipped, as written).
std::vector<std::string> edgesOf(const TFlashShape& shape) {
    std::vector<std::string> out;
    auto join = [](char kind, std::initializer_list<int32_t> values) {
        std::string s(1, kind);
        bool first = true;
        for (int32_t v : values) {
            if (!first)
                s.push_back(':');
            s.append(std::to_string(v));
            first = false;
        }
        return s;
    };
    for (const auto& r : shape.Records()) {
        if (r->Kind == TShapeRecordKind::StraightEdge) {
            const auto& e = static_cast<const TSWFStraightEdgeRecord&>(*r);
            out.push_back(join('L', {e.DeltaX, e.DeltaY}));
        } else if (r->Kind == TShapeRecordKind::CurvedEdge) {
            const auto& c = static_cast<const TSWFCurvedEdgeRecord&>(*r);
            out.push_back(join('C', {c.ControlDeltaX, c.ControlDeltaY, c.AnchorDeltaX, c.AnchorDeltaY}));
        }
    }
    return out;
}

// Sum of all edge deltas: a closed outline ends where it began.
TPoint netMovement(const TFlashShape& shape) {
    TPoint p;
    for (const auto& r : shape.Records()) {
        if (r->Kind == TShapeRecordKind::StraightEdge) {
            const auto& e = static_cast<const TSWFStraightEdgeRecord&>(*r);
            p.X += e.DeltaX;
            p.Y += e.DeltaY;
        } else if (r->Kind == TShapeRecordKind::CurvedEdge) {
            const auto& c = static_cast<const TSWFCurvedEdgeRecord&>(*r);
            p.X += c.ControlDeltaX + c.AnchorDeltaX;
            p.Y += c.ControlDeltaY + c.AnchorDeltaY;
        }
    }
    return p;
}

} // namespace

// ---------------------------------------------------------------- the pen

TEST(Edges, LongLinesAreSplitToFitTheRecord) {
    TFlashMovie movie(0, 0, 100, 100, 20, false); // twips
    TFlashShape* shape = movie.AddShape();
    shape->Edges().LineBy(200000, 0);
    EXPECT_EQ(edgesOf(*shape), (std::vector<std::string>{"L50000:0", "L50000:0", "L50000:0", "L50000:0"}));
    shape->Edges().LineBy(0, 0);
    EXPECT_EQ(edgesOf(*shape).size(), 4u);
    shape->Edges().LineBy(-65536, 3);
    // Two pieces; the rounded running totals put the odd twip of dy into the first one.
    EXPECT_EQ(edgesOf(*shape)[4], "L-32768:2");
    EXPECT_EQ(edgesOf(*shape)[5], "L-32768:1");
    EXPECT_EQ(shape->Edges().Pen().X, 200000 - 65536);
}

TEST(Edges, DegenerateCurvesBecomeStraightEdges) {
    TFlashMovie movie(0, 0, 100, 100, 20, false);
    TFlashShape* shape = movie.AddShape();
    TFlashEdges& e = shape->Edges();
    e.CurveBy(0, 0, 30, 40);
    e.CurveBy(10, 20, 0, 0);
    e.CurveBy(10, 0, 5, 0);
    e.CurveBy(0, 7, 0, 8);
    e.CurveBy(10, 10, 10, -10);
    EXPECT_EQ(edgesOf(*shape), (std::vector<std::string>{"L30:40", "L10:20", "L15:0", "L0:15", "C10:10:10:-10"}));
    EXPECT_EQ(e.Pen().X, 75);
    EXPECT_EQ(e.Pen().Y, 75);
    e.CurveTo(1, 1, 75, 75); // anchor at the pen: nothing
    EXPECT_EQ(edgesOf(*shape).size(), 5u);
}

TEST(Edges, MoveToStartsASubPathAndCloseShapeReturns) {
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashShape* shape = movie.AddShape();
    TFlashEdges& e = shape->Edges();
    e.MoveTo(0, 0); // at the pen on a fresh shape: nothing to record
    const auto& first = static_cast<const TSWFStyleChangeRecord&>(*shape->Records().front());
    EXPECT_FALSE(first.StateMoveTo);
    e.MoveTo(5, 5);
    EXPECT_TRUE(first.StateMoveTo);
    EXPECT_EQ(first.MoveToX(), 100);
    e.LineTo(10, 5);
    e.LineTo(10, 10);
    e.CloseShape();
    EXPECT_EQ(edgesOf(*shape), (std::vector<std::string>{"L100:0", "L0:100", "L-100:-100"}));
    e.MoveBy(3, 0);
    EXPECT_EQ(shape->Records().back()->Kind, TShapeRecordKind::StyleChange);
    e.Flip(true, false);
    EXPECT_EQ(edgesOf(*shape).front(), "L-100:0");
}

// ---------------------------------------------------------------- stock figures

TEST(StockShapes, RectangleInPixelsHasTwipBoundsAndEdges) {
    TFlashMovie movie(0, 0, 200, 200, 20, true);
    TFlashShape* shape = movie.AddRectangle(10, 10, 110, 60);
    EXPECT_EQ(shape->Bounds(), TSWFRect(200, 200, 2200, 1200));
    EXPECT_EQ(edgesOf(*shape), (std::vector<std::string>{"L2000:0", "L0:1000", "L-2000:0", "L0:-1000"}));
    EXPECT_EQ(shape->Records().back()->Kind, TShapeRecordKind::End);
}

TEST(StockShapes, DiamondStartsAtTheTopVertex) {
    TFlashMovie movie(0, 0, 200, 200, 20, false);
    TFlashShape* shape = movie.AddDiamond(0, 0, 101, 51);
    const auto& start = static_cast<const TSWFStyleChangeRecord&>(*shape->Records().front());
    EXPECT_EQ(start.MoveToX(), 50);
    EXPECT_EQ(start.MoveToY(), 0);
    EXPECT_EQ(edgesOf(*shape), (std::vector<std::string>{"L50:25", "L-50:25", "L-50:-25", "L50:-25"}));
}

TEST(StockShapes, EllipseRunsEightCurvesFromTheRightVertex) {
    TFlashMovie movie(0, 0, 200, 200, 20, true);
    TFlashShape* shape = movie.AddEllipse(0, 0, 100, 50);
    const auto& start = static_cast<const TSWFStyleChangeRecord&>(*shape->Records().front());
    EXPECT_EQ(start.MoveToX(), 2000);
    EXPECT_EQ(start.MoveToY(), 500);
    const auto edges = edgesOf(*shape);
    ASSERT_EQ(edges.size(), 8u);
    EXPECT_EQ(edges[0], "C0:207:-293:146"); // (0, Trunc(1000*.207)), (Trunc(-2000*.1465), Trunc(1000*.1465))
    EXPECT_EQ(edges[1], "C-293:146:-414:0");
    const TPoint net = netMovement(*shape);
    EXPECT_LE(std::abs(net.X), 8);
    EXPECT_LE(std::abs(net.Y), 8);
}

TEST(StockShapes, RoundRectAndPolygonAndLine) {
    TFlashMovie movie(0, 0, 200, 200, 20, true);
    TFlashShape* round = movie.AddRoundRect(0, 0, 100, 60, 10);
    const auto edges = edgesOf(*round);
    EXPECT_EQ(edges.size(), 12u); // 8 corner curves + 4 sides
    EXPECT_EQ(edges[0], "L0:800");
    const TPoint net = netMovement(*round);
    EXPECT_LE(std::abs(net.X), 8);
    EXPECT_LE(std::abs(net.Y), 8);

    TFlashShape* poly = movie.AddPolygon({{0, 0}, {10, 0}, {5, 8}});
    EXPECT_EQ(poly->Bounds(), TSWFRect(0, 0, 200, 160));
    EXPECT_EQ(edgesOf(*poly), (std::vector<std::string>{"L200:0", "L-100:160", "L-100:-160"}));

    TFlashShape* line = movie.AddLine(10, 10, 0, 30);
    EXPECT_EQ(line->Bounds(), TSWFRect(0, 200, 200, 600));
    EXPECT_EQ(edgesOf(*line), (std::vector<std::string>{"L-200:400"}));
    EXPECT_NE(line->Records().back()->Kind, TShapeRecordKind::End); // the writer adds it (see the parse test)
}

// ---------------------------------------------------------------- styles and writing

TEST(ShapeWriting, AlphaChoosesDefineShape3WithRgbaColours) {
    TFlashMovie movie(0, 0, 100, 100, 20, false);
    TFlashShape* translucent = movie.AddRectangle(0, 0, 10, 10);
    translucent->SetSolidColorRGBA(0x80332211);
    TFlashShape* opaque = movie.AddRectangle(0, 0, 10, 10);
    opaque->SetSolidColorRGBA(0xFF332211);
    EXPECT_TRUE(translucent->HasAlpha());
    EXPECT_EQ(translucent->MinVersion(), 3);
    EXPECT_EQ(opaque->MinVersion(), 2);
    const Bytes t = swf_test::tagBytes(*translucent);
    const Bytes o = swf_test::tagBytes(*opaque);
    EXPECT_EQ(uint16_t(t[0] | t[1] << 8) >> 6, 32);
    EXPECT_EQ(uint16_t(o[0] | o[1] << 8) >> 6, 22);
    // id (2), RECT (n = 6: 4 bytes), count 1, type 0, colour
    EXPECT_EQ(Bytes(t.begin() + 8, t.begin() + 14), (Bytes{0x01, 0x00, 0x11, 0x22, 0x33, 0x80}));
    EXPECT_EQ(Bytes(o.begin() + 8, o.begin() + 13), (Bytes{0x01, 0x00, 0x11, 0x22, 0x33}));
}

TEST(ShapeWriting, LineWidthGrowsTheBoundsAndStyleCountsSetIndexBits) {
    TempDir dir;
    TFlashMovie movie(0, 0, 100, 100, 20, false);
    TFlashShape* one = movie.AddRectangle(100, 100, 300, 300);
    one->SetSolidColor(0xFF);
    one->SetLineStyle(40, 0);
    TFlashShape* three = movie.AddRectangle(0, 0, 50, 50);
    three->SetSolidColor(0xFF);
    three->SetSolidColor(0xFF00);
    three->SetSolidColor(0xFF0000);
    movie.PlaceObject(one, 1);
    movie.PlaceObject(three, 2);
    const auto s = swf_test::saveAndCheck(movie, dir);
    const auto* a = s.find(22, 0);
    const auto* b = s.find(22, 1);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(a->text("bounds"), "80,320,80,320");
    EXPECT_EQ(a->text("line0"), "40:0,0,0,255");
    EXPECT_EQ(a->text("fill0"), "solid:255,0,0,255");
    EXPECT_EQ(a->text("path"), "S(m100:100 f1=1 l=1);L200:0;L0:200;L-200:0;L0:-200");
    EXPECT_EQ(b->integer("fills"), 3);
    EXPECT_EQ(b->text("path"), "S(f1=3);L50:0;L0:50;L-50:0;L0:-50");
    // NumFillBits/NumLineBits byte: 1/1 for one fill and one line, 2/0 for three fills.
    const Bytes oneBytes = swf_test::tagBytes(*one);
    const Bytes threeBytes = swf_test::tagBytes(*three);
    // one: header 2, id 2, RECT n=10 (6 bytes), fills 1+1+3, lines 1+2+3 -> bits byte at 2+2+6+5+6 = 21
    EXPECT_EQ(oneBytes[21], 0x11);
    // three: header 2, id 2, RECT n=7 (5 bytes), fills 1+3*4 -> lines count at 22, bits byte at 23
    EXPECT_EQ(threeBytes[23], 0x20);
}

TEST(ShapeWriting, StyleChangesWithoutStylesDropTheirFlags) {
    TFlashMovie movie(0, 0, 100, 100, 20, false);
    TFlashShape* shape = movie.AddShape();
    shape->SetFillStyle1(1); // no fills exist: the flag must not reach the file
    shape->Edges().LineBy(10, 0);
    const Bytes b = swf_test::tagBytes(*shape);
    // id, RECT 0x00, 0 fills, 0 lines, bits 0x00, then a style change forced to move: 0 00001 00000 ...
    EXPECT_EQ(b[2 + 2 + 1 + 1 + 1], 0x00);
    EXPECT_EQ(b[8] >> 2, 0b000001);
}

TEST(ShapeWriting, AFreshShapeWritesAMoveToOriginAndTheEnd) {
    TFlashMovie movie(0, 0, 100, 100, 20, false);
    TFlashShape shape(&movie);
    shape.SetCharacterId(9);
    const Bytes b = swf_test::tagBytes(shape);
    // The creation style change has no flags and is written as a move to (0, 0): 000001 00000, then end 000000.
    EXPECT_EQ(b.size(), 2u + 2 + 1 + 1 + 1 + 1 + 3);
}

TEST(ShapeWriting, OverlongCurveIsAnErrorNamingTheShape) {
    TFlashMovie movie(0, 0, 100, 100, 20, false);
    TFlashShape* shape = movie.AddShape();
    shape->Edges().CurveBy(100000, 5, 5, 100000);
    try {
        swf_test::tagBytes(*shape);
        FAIL() << "expected an exception";
    } catch (const std::exception& e) {
        EXPECT_NE(std::string(e.what()).find("shape 1"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("curved edge"), std::string::npos) << e.what();
    }
}

TEST(ShapeWriting, AllStockFiguresParseWithTheirPaths) {
    TempDir dir;
    TFlashMovie movie(0, 0, 400, 300, 20, true);
    std::vector<TFlashShape*> shapes = {
        movie.AddRectangle(10, 10, 60, 40),          movie.AddRoundRect(70, 10, 170, 70, 12),
        movie.AddEllipse(180, 10, 260, 70),          movie.AddDiamond(270, 10, 330, 80),
        movie.AddPolygon({{10, 100}, {60, 90}, {80, 150}, {20, 140}}), movie.AddLine(100, 100, 200, 150)};
    uint16_t depth = 1;
    for (TFlashShape* s : shapes) {
        s->SetSolidColorRGBA(0xC0336699);
        s->SetLineStyle(2, 0x000000);
        movie.PlaceObject(s, depth++);
    }
    movie.ShowFrame();
    const auto s = swf_test::saveAndCheck(movie, dir); // bounds checked by the parser script's reader too
    ASSERT_EQ(s.all(32).size(), 6u);
    for (const auto* tag : s.all(32))
        EXPECT_GE(tag->integer("records"), 2);
}

TEST(ShapeWriting, GradientFillsParse) {
    TempDir dir;
    TFlashMovie movie(0, 0, 100, 100, 20, true);
    TFlashShape* shape = movie.AddRectangle(0, 0, 50, 50);
    auto gradient = std::make_unique<TSWFGradientFill>(0x10);
    gradient->Matrix.SetScale(50 * 20 / 1638.4, 50 * 20 / 1638.4);
    gradient->Records = {{0, TSWFRGBA(255, 0, 0)}, {255, TSWFRGBA(0, 0, 255, 128)}};
    shape->AddFillStyle(std::move(gradient));
    EXPECT_TRUE(shape->HasAlpha());
    movie.PlaceObject(shape, 1);
    const auto s = swf_test::saveAndCheck(movie, dir);
    ASSERT_NE(s.find(32), nullptr);
    EXPECT_EQ(s.find(32)->integer("fills"), 1);
    EXPECT_EQ(s.find(32)->text("path"), "S(f1=1);L1000:0;L0:1000;L-1000:0;L0:-1000");
}

namespace {

struct Extent {
    long xMin = 0, xMax = 0, yMin = 0, yMax = 0;
};

// Every point a parsed path reaches, control points included, from the checker's "path" field:
// "S(m x:y ...)" moves, "L dx:dy" lines, "C cdx:cdy:adx:ady" curves.
Extent pathExtent(const std::string& path) {
    Extent e;
    long x = 0, y = 0;
    bool first = true;
    auto reach = [&](long px, long py) {
        e.xMin = first ? px : std::min(e.xMin, px);
        e.xMax = first ? px : std::max(e.xMax, px);
        e.yMin = first ? py : std::min(e.yMin, py);
        e.yMax = first ? py : std::max(e.yMax, py);
        first = false;
    };
    std::stringstream items(path);
    for (std::string item; std::getline(items, item, ';');) {
        long a = 0, b = 0, c = 0, d = 0;
        if (const auto m = item.find('m'); item[0] == 'S' && m != std::string::npos) {
            std::sscanf(item.c_str() + m, "m%ld:%ld", &x, &y);
            reach(x, y);
        } else if (std::sscanf(item.c_str(), "L%ld:%ld", &a, &b) == 2) {
            reach(x += a, y += b);
        } else if (std::sscanf(item.c_str(), "C%ld:%ld:%ld:%ld", &a, &b, &c, &d) == 4) {
            reach(x += a, y += b);
            reach(x += c, y += d);
        }
    }
    return e;
}

} // namespace

TEST(ShapeWriting, RoundingLargerThanTheBoxKeepsEveryEdgeInsideTheBounds) {
    struct Case {
        int32_t width, height, radius;
    };
    for (const Case c : {Case{20, 20, 20}, Case{30, 14, 40}, Case{40, 10, 40}, Case{40, 20, 40}, Case{40, 20, 6}}) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " r" + std::to_string(c.radius));
        TempDir dir;
        TFlashMovie movie(0, 0, 100, 100, 20, true);
        const int32_t left = -c.width / 2, top = -c.height / 2;
        TFlashShape* shape = movie.AddRoundRect(left, top, left + c.width, top + c.height, c.radius);
        shape->SetSolidColor(0x336699);
        movie.PlaceObject(shape, 1);
        movie.ShowFrame();
        const auto s = swf_test::saveAndCheck(movie, dir);
        const vantora::test::SwfTag* tag = s.find(2) ? s.find(2) : s.find(22);
        ASSERT_NE(tag, nullptr);
        const Extent e = pathExtent(tag->text("path"));
        EXPECT_EQ(tag->text("bounds"), std::to_string(left * 20) + "," + std::to_string((left + c.width) * 20) + "," +
                                           std::to_string(top * 20) + "," + std::to_string((top + c.height) * 20));
        EXPECT_GE(e.xMin, left * 20);
        EXPECT_LE(e.xMax, (left + c.width) * 20);
        EXPECT_GE(e.yMin, top * 20);
        EXPECT_LE(e.yMax, (top + c.height) * 20);
        // The outline still reaches the box on every side.
        EXPECT_LE(e.xMax - e.xMin, c.width * 20);
        EXPECT_GE(e.xMax - e.xMin, c.width * 20 - 8);
        EXPECT_GE(e.yMax - e.yMin, c.height * 20 - 8);
    }
}
