#pragma once
// A glyph source for tests: every character but the space is a square of its own size, with one
// curve on its top edge so that curved records are exercised; the face "Missing" does not exist.

#include "swf/glyph_source.h"

namespace swf_test {

class FakeGlyphSource : public swf::IGlyphSource {
public:
    int glyphRequests = 0;

    bool Metrics(const swf::TGlyphFace& face, swf::TGlyphMetrics& m) override {
        if (face.Name == "Missing")
            return false;
        m = {900, 200, 50};
        return true;
    }
    bool Glyph(const swf::TGlyphFace& face, char32_t code, swf::TGlyph& glyph) override {
        ++glyphRequests;
        if (face.Name == "Missing")
            return false;
        glyph = swf::TGlyph();
        glyph.Advance = 500 + int32_t(code % 10);
        if (code == U' ')
            return true;
        using K = swf::TGlyphSegmentKind;
        const int32_t s = 100 + int32_t(code % 50);
        glyph.Segments = {
            {K::Move, {}, {0, 0}},
            {K::Line, {}, {0, s}},
            {K::Quad, {s / 2, s + 20}, {s, s}},
            {K::Line, {}, {s, 0}},
        };
        return true;
    }
};

} // namespace swf_test
