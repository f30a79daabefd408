#include "swf/glyph_source.h"

namespace swf {

int64_t IGlyphSource::TextWidth(const TGlyphFace& face, std::u32string_view text) {
    int64_t width = 0;
    for (char32_t c : text) {
        TGlyph glyph;
        if (Glyph(face, c, glyph))
            width += glyph.Advance;
    }
    return width;
}

} // namespace swf
