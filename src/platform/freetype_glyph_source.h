#pragma once
// FreeTypeGlyphSource: glyph outlines and metrics for the SWF library's fonts. Faces are found
// by fontconfig (a name it does not know falls back to its default face, "Arial" finds a metric-
// compatible face), outlines are read unscaled and brought to the EM square of 1024.

#include "swf/glyph_source.h"

#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace vantora {

class FreeTypeGlyphSource : public swf::IGlyphSource {
public:
    FreeTypeGlyphSource();
    ~FreeTypeGlyphSource() override;
    FreeTypeGlyphSource(const FreeTypeGlyphSource&) = delete;
    FreeTypeGlyphSource& operator=(const FreeTypeGlyphSource&) = delete;

    bool Metrics(const swf::TGlyphFace& face, swf::TGlyphMetrics& metrics) override;
    bool Glyph(const swf::TGlyphFace& face, char32_t code, swf::TGlyph& glyph) override;

    // "Family Style" of the face used for `face`, or "" when none can be had.
    std::string FaceDescription(const swf::TGlyphFace& face);

private:
    struct Loaded;
    Loaded* Face(const swf::TGlyphFace& face);

    struct Library;
    std::unique_ptr<Library> library_;
    std::map<std::tuple<std::string, bool, bool>, std::unique_ptr<Loaded>> faces_;
};

} // namespace vantora
