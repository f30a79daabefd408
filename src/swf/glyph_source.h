#pragma once
// IGlyphSource: where fonts get their glyph outlines and metrics. The library stays free of any
// font renderer; the application hands the movie an implementation (the FreeType one lives in
// the platform library), tests a small fake.
//
// Units: an EM square of 1024, the renderer's Y axis pointing up (the library flips it).

#include "swf/records.h"

#include <string>
#include <string_view>
#include <vector>

namespace swf {

struct TGlyphFace {
    std::string Name; // e.g. "Arial"
    bool Bold = false;
    bool Italic = false;
};

struct TGlyphMetrics {
    int32_t Ascent = 0;
    int32_t Descent = 0;
    int32_t Leading = 0; // internal leading
};

enum class TGlyphSegmentKind { Move, Line, Quad };

// A Move starts a contour; every contour is closed. `Control` is used by Quad only.
struct TGlyphSegment {
    TGlyphSegmentKind Kind = TGlyphSegmentKind::Move;
    TPoint Control;
    TPoint To;
};

struct TGlyph {
    std::vector<TGlyphSegment> Segments; // empty for a blank glyph (a space)
    int32_t Advance = 0;
};

class IGlyphSource {
public:
    virtual ~IGlyphSource() = default;
    // False when no face at all (not even a fallback) can be had for `face`.
    virtual bool Metrics(const TGlyphFace& face, TGlyphMetrics& metrics) = 0;
    // False when the face cannot be had; a character the face lacks gives its missing-glyph shape.
    virtual bool Glyph(const TGlyphFace& face, char32_t code, TGlyph& glyph) = 0;
    // Width of `text` in EM units (the sum of the advances).
    virtual int64_t TextWidth(const TGlyphFace& face, std::u32string_view text);
};

} // namespace swf
