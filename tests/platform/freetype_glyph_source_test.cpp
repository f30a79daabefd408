#include "platform/freetype_glyph_source.h"

#include "swf/font.h"
#include "swf/movie.h"
#include "swf/text.h"

#include <gtest/gtest.h>

#include <cmath>

using vantora::FreeTypeGlyphSource;

namespace {

// Each contour's signed area (shoelace over the on-curve points and controls), Y up: negative
// for clockwise.
std::vector<double> contourAreas(const swf::TGlyph& glyph) {
    std::vector<double> areas;
    std::vector<swf::TPoint> points;
    auto flush = [&] {
        if (points.size() < 3)
            return;
        double a = 0;
        for (size_t i = 0; i < points.size(); ++i) {
            const swf::TPoint& p = points[i];
            const swf::TPoint& q = points[(i + 1) % points.size()];
            a += double(p.X) * q.Y - double(q.X) * p.Y;
        }
        areas.push_back(a / 2);
    };
    for (const swf::TGlyphSegment& s : glyph.Segments) {
        if (s.Kind == swf::TGlyphSegmentKind::Move) {
            flush();
            points.clear();
        } else if (s.Kind == swf::TGlyphSegmentKind::Quad) {
            points.push_back(s.Control);
        }
        points.push_back(s.To);
    }
    flush();
    return areas;
}

const swf::TGlyphFace kArial{"Arial", false, false};

} // namespace

TEST(PlatformGlyphs, ArialIsServedByAMetricCompatibleFace) {
    FreeTypeGlyphSource source;
    EXPECT_EQ(source.FaceDescription(kArial), "Liberation Sans Regular");
    EXPECT_EQ(source.FaceDescription({"Arial", true, false}), "Liberation Sans Bold");
    EXPECT_EQ(source.FaceDescription({"Arial", false, true}), "Liberation Sans Italic");
    swf::TGlyphMetrics m;
    ASSERT_TRUE(source.Metrics(kArial, m));
    // The Windows ascent 1854 and descent 434 of 2048 units, at 1024.
    EXPECT_EQ(m.Ascent, 927);
    EXPECT_EQ(m.Descent, 217);
    EXPECT_EQ(m.Leading, 120);
}

TEST(PlatformGlyphs, AdvancesAreScaledToTheEmOf1024) {
    FreeTypeGlyphSource source;
    struct Case { char32_t code; int32_t advance; };
    // 2048-unit advances 1139, 455, 569, 1479 halved and rounded half away from zero.
    const Case cases[] = {{U'a', 570}, {U'l', 228}, {U' ', 285}, {U'H', 740}};
    for (const Case& c : cases) {
        swf::TGlyph glyph;
        ASSERT_TRUE(source.Glyph(kArial, c.code, glyph));
        EXPECT_EQ(glyph.Advance, c.advance) << char(c.code);
    }
    swf::TGlyph space;
    source.Glyph(kArial, U' ', space);
    EXPECT_TRUE(space.Segments.empty());
    EXPECT_EQ(source.TextWidth(kArial, U"al"), 570 + 228);
}

TEST(PlatformGlyphs, ContoursAreClosedQuadraticOutlinesWithClockwiseOuters) {
    FreeTypeGlyphSource source;
    swf::TGlyph l;
    ASSERT_TRUE(source.Glyph(kArial, U'l', l));
    ASSERT_FALSE(l.Segments.empty());
    EXPECT_EQ(l.Segments.front().Kind, swf::TGlyphSegmentKind::Move);
    for (const auto& s : l.Segments)
        EXPECT_NE(s.Kind, swf::TGlyphSegmentKind::Quad); // a straight stem
    EXPECT_EQ(l.Segments.back().To.X, l.Segments.front().To.X);
    EXPECT_EQ(l.Segments.back().To.Y, l.Segments.front().To.Y);
    const std::vector<double> lAreas = contourAreas(l);
    ASSERT_EQ(lAreas.size(), 1u);
    EXPECT_LT(lAreas[0], 0);

    swf::TGlyph o;
    ASSERT_TRUE(source.Glyph(kArial, U'o', o));
    const std::vector<double> areas = contourAreas(o);
    ASSERT_EQ(areas.size(), 2u);
    // The outer ring clockwise (negative), the hole the other way, smaller.
    EXPECT_LT(std::min(areas[0], areas[1]), 0);
    EXPECT_GT(std::max(areas[0], areas[1]), 0);
    EXPECT_GT(std::fabs(std::min(areas[0], areas[1])), std::fabs(std::max(areas[0], areas[1])));
    bool curved = false;
    for (const auto& s : o.Segments) {
        curved |= s.Kind == swf::TGlyphSegmentKind::Quad;
        EXPECT_LE(std::abs(s.To.X), 1024);
        EXPECT_LE(std::abs(s.To.Y), 1024);
    }
    EXPECT_TRUE(curved);
}

TEST(PlatformGlyphs, UnknownFacesFallBackAndMissingCharactersGiveABox) {
    FreeTypeGlyphSource source;
    const swf::TGlyphFace unknown{"No Such Face 4711", false, false};
    EXPECT_FALSE(source.FaceDescription(unknown).empty());
    swf::TGlyphMetrics m;
    EXPECT_TRUE(source.Metrics(unknown, m));
    EXPECT_GT(m.Ascent, 0);
    swf::TGlyph glyph;
    ASSERT_TRUE(source.Glyph(unknown, U'a', glyph));
    EXPECT_FALSE(glyph.Segments.empty());
    // A private-use character Liberation lacks: the missing-glyph shape with its advance.
    swf::TGlyph missing;
    ASSERT_TRUE(source.Glyph(kArial, char32_t(0xF8FF), missing));
    EXPECT_GT(missing.Advance, 0);
}

TEST(PlatformGlyphs, AMovieFontTakesItsOutlinesFromFreeType) {
    FreeTypeGlyphSource source;
    swf::TFlashMovie movie(0, 0, 400, 300, 12, true);
    movie.SetGlyphSource(&source);
    swf::TFlashFont* font = movie.AddFont({"Arial", 20, false, false, 0}, false);
    font->AddChars("lo");
    font->PrepareGlyphs();
    EXPECT_EQ(font->Metrics().Ascent, 927);
    ASSERT_EQ(font->Chars().size(), 2u);
    EXPECT_EQ(font->Chars()[0]->Advance, 228);
    EXPECT_GE(font->Chars()[1]->Outline.size(), 10u);
}
