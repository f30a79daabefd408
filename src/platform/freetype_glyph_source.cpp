#include "platform/freetype_glyph_source.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>

namespace vantora {

namespace {

constexpr double kEm = 1024.0;

// The file and face index fontconfig chooses for a family and style (its default face for an
// unknown family).
bool matchFont(const swf::TGlyphFace& face, std::string& file, int& index) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.Name.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, face.Bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, face.Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr)
        return false;
    FcChar8* path = nullptr;
    bool ok = FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path != nullptr;
    if (ok) {
        file = reinterpret_cast<const char*>(path);
        if (FcPatternGetInteger(match, FC_INDEX, 0, &index) != FcResultMatch)
            index = 0;
    }
    FcPatternDestroy(match);
    return ok;
}

// Collects the decomposed outline in EM units of 1024.
struct OutlineSink {
    double scale;
    std::vector<swf::TGlyphSegment>& out;
    FT_Vector last{};

    swf::TPoint at(const FT_Vector* v) const {
        return {int32_t(std::lround(double(v->x) * scale)), int32_t(std::lround(double(v->y) * scale))};
    }
    void add(swf::TGlyphSegmentKind kind, swf::TPoint control, const FT_Vector* to) {
        out.push_back({kind, control, at(to)});
        last = *to;
    }
};

int moveTo(const FT_Vector* to, void* user) {
    auto* sink = static_cast<OutlineSink*>(user);
    sink->add(swf::TGlyphSegmentKind::Move, {}, to);
    return 0;
}

int lineTo(const FT_Vector* to, void* user) {
    auto* sink = static_cast<OutlineSink*>(user);
    sink->add(swf::TGlyphSegmentKind::Line, {}, to);
    return 0;
}

int conicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
    auto* sink = static_cast<OutlineSink*>(user);
    sink->add(swf::TGlyphSegmentKind::Quad, sink->at(control), to);
    return 0;
}

// Cubic segments (CFF faces) become two quadratic ones, one per half of the curve.
int cubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
    auto* sink = static_cast<OutlineSink*>(user);
    const FT_Vector p0 = sink->last;
    auto mid = [](FT_Vector a, FT_Vector b) { return FT_Vector{(a.x + b.x) / 2, (a.y + b.y) / 2}; };
    const FT_Vector p01 = mid(p0, *c1), p12 = mid(*c1, *c2), p23 = mid(*c2, *to);
    const FT_Vector p012 = mid(p01, p12), p123 = mid(p12, p23);
    const FT_Vector split = mid(p012, p123);
    auto quadControl = [](FT_Vector a, FT_Vector b, FT_Vector c, FT_Vector d) {
        return FT_Vector{(3 * (b.x + c.x) - a.x - d.x) / 4, (3 * (b.y + c.y) - a.y - d.y) / 4};
    };
    const FT_Vector q1 = quadControl(p0, p01, p012, split);
    const FT_Vector q2 = quadControl(split, p123, p23, *to);
    sink->add(swf::TGlyphSegmentKind::Quad, sink->at(&q1), &split);
    sink->add(swf::TGlyphSegmentKind::Quad, sink->at(&q2), to);
    return 0;
}

} // namespace

struct FreeTypeGlyphSource::Library {
    FT_Library handle = nullptr;
    Library() {
        if (FT_Init_FreeType(&handle) != 0)
            handle = nullptr;
    }
    ~Library() {
        if (handle != nullptr)
            FT_Done_FreeType(handle);
    }
};

struct FreeTypeGlyphSource::Loaded {
    FT_Face face = nullptr;
    ~Loaded() {
        if (face != nullptr)
            FT_Done_Face(face);
    }
};

FreeTypeGlyphSource::FreeTypeGlyphSource() : library_(std::make_unique<Library>()) {}
FreeTypeGlyphSource::~FreeTypeGlyphSource() {
    faces_.clear(); // faces before the library
}

FreeTypeGlyphSource::Loaded* FreeTypeGlyphSource::Face(const swf::TGlyphFace& face) {
    const auto key = std::make_tuple(face.Name, face.Bold, face.Italic);
    auto it = faces_.find(key);
    if (it == faces_.end()) {
        auto loaded = std::make_unique<Loaded>();
        std::string file;
        int index = 0;
        if (library_->handle != nullptr && matchFont(face, file, index) &&
            FT_New_Face(library_->handle, file.c_str(), index, &loaded->face) != 0)
            loaded->face = nullptr;
        // Only scalable faces give outlines.
        if (loaded->face != nullptr && (!FT_IS_SCALABLE(loaded->face) || loaded->face->units_per_EM == 0)) {
            FT_Done_Face(loaded->face);
            loaded->face = nullptr;
        }
        it = faces_.emplace(key, std::move(loaded)).first;
    }
    return it->second->face != nullptr ? it->second.get() : nullptr;
}

std::string FreeTypeGlyphSource::FaceDescription(const swf::TGlyphFace& face) {
    Loaded* loaded = Face(face);
    if (loaded == nullptr)
        return {};
    std::string text = loaded->face->family_name != nullptr ? loaded->face->family_name : "";
    if (loaded->face->style_name != nullptr)
        text.append(" ").append(loaded->face->style_name);
    return text;
}

bool FreeTypeGlyphSource::Metrics(const swf::TGlyphFace& face, swf::TGlyphMetrics& metrics) {
    Loaded* loaded = Face(face);
    if (loaded == nullptr)
        return false;
    FT_Face f = loaded->face;
    const double scale = kEm / f->units_per_EM;
    // The Windows ascent and descent where the face has them: what text lines are laid out by.
    double ascent = f->ascender;
    double descent = -f->descender;
    if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
        os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        ascent = os2->usWinAscent;
        descent = os2->usWinDescent;
    }
    metrics.Ascent = int32_t(std::lround(ascent * scale));
    metrics.Descent = int32_t(std::lround(descent * scale));
    metrics.Leading = std::max(0, int32_t(std::lround((ascent + descent - f->units_per_EM) * scale)));
    return true;
}

bool FreeTypeGlyphSource::Glyph(const swf::TGlyphFace& face, char32_t code, swf::TGlyph& glyph) {
    Loaded* loaded = Face(face);
    if (loaded == nullptr)
        return false;
    FT_Face f = loaded->face;
    glyph = swf::TGlyph();
    // A character the face lacks gives glyph 0, its missing-glyph box.
    if (FT_Load_Char(f, FT_ULong(code), FT_LOAD_NO_SCALE | FT_LOAD_NO_BITMAP) != 0 &&
        FT_Load_Glyph(f, 0, FT_LOAD_NO_SCALE | FT_LOAD_NO_BITMAP) != 0)
        return true;
    const double scale = kEm / f->units_per_EM;
    glyph.Advance = int32_t(std::lround(double(f->glyph->advance.x) * scale));
    if (f->glyph->format != FT_GLYPH_FORMAT_OUTLINE)
        return true;
    FT_Outline& outline = f->glyph->outline;
    // Outer contours run clockwise, as TrueType draws them; PostScript outlines are turned round.
    if (FT_Outline_Get_Orientation(&outline) == FT_ORIENTATION_POSTSCRIPT)
        FT_Outline_Reverse(&outline);
    FT_Outline_Funcs funcs{};
    funcs.move_to = moveTo;
    funcs.line_to = lineTo;
    funcs.conic_to = conicTo;
    funcs.cubic_to = cubicTo;
    OutlineSink sink{scale, glyph.Segments};
    if (FT_Outline_Decompose(&outline, &funcs, &sink) != 0)
        glyph.Segments.clear();
    return true;
}

} // namespace vantora
