#include "publish/web/web_movie_data.h"

#include "player/movie_definition.h"
#include "publish/web/script_text.h"

#include <QBuffer>
#include <QImage>

#include <cmath>
#include <cstdio>
#include <set>

namespace vantora::publish::web {
namespace {

using namespace player;

// JPEG quality of opaque pictures: screenshots stay as close to the movie's own JPEG data as
// the size budget of the page allows.
constexpr int kJpegQuality = 88;

std::string Number(double value) {
    if (!std::isfinite(value))
        return "0";
    char buffer[32];
    const double rounded = std::round(value * 1000) / 1000;
    std::snprintf(buffer, sizeof buffer, "%.10g", rounded == 0 ? 0.0 : rounded);
    return buffer;
}

std::string Color(Rgba c) {
    return "[" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + "," + std::to_string(c.a) + "]";
}

std::string MatrixText(const Matrix& m) {
    return "[" + Number(m.a) + "," + Number(m.b) + "," + Number(m.c) + "," + Number(m.d) + "," + Number(m.tx) + "," +
           Number(m.ty) + "]";
}

std::string ColorTransformText(const ColorTransform& t) {
    return "[" + Number(t.mr) + "," + Number(t.mg) + "," + Number(t.mb) + "," + Number(t.ma) + "," + Number(t.ar) + "," +
           Number(t.ag) + "," + Number(t.ab) + "," + Number(t.aa) + "]";
}

std::string RectText(const SwfRect& r) {
    return "[" + std::to_string(r.xMin) + "," + std::to_string(r.yMin) + "," + std::to_string(r.xMax) + "," +
           std::to_string(r.yMax) + "]";
}

// A coordinate in twips to a tenth: far below a pixel at any scale a stage is shown.
std::string Coord(double value) {
    if (!std::isfinite(value))
        return "0";
    char buffer[32];
    const double rounded = std::round(value * 10) / 10;
    std::snprintf(buffer, sizeof buffer, "%.10g", rounded == 0 ? 0.0 : rounded);
    return buffer;
}

// A path as SVG path data in twips: M x y, L x y, and the curves as Q x1 y1 x y where they are
// quadratic (as every curve of a movie is) or C x1 y1 x2 y2 x y.
std::string PathText(const QPainterPath& path) {
    std::string out;
    QPointF current;
    auto point = [](double x, double y) { return Coord(x) + " " + Coord(y); };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.type == QPainterPath::MoveToElement) {
            out += "M" + point(e.x, e.y);
        } else if (e.type == QPainterPath::LineToElement) {
            out += "L" + point(e.x, e.y);
        } else if (e.type == QPainterPath::CurveToElement && i + 2 < path.elementCount()) {
            const QPointF c1 = e, c2 = path.elementAt(i + 1), to = path.elementAt(i + 2);
            const QPointF q1 = (3 * c1 - current) / 2, q2 = (3 * c2 - to) / 2;
            if (std::abs(q1.x() - q2.x()) < 0.05 && std::abs(q1.y() - q2.y()) < 0.05)
                out += "Q" + point(q1.x(), q1.y()) + " " + point(to.x(), to.y());
            else
                out += "C" + point(c1.x(), c1.y()) + " " + point(c2.x(), c2.y()) + " " + point(to.x(), to.y());
            i += 2;
            current = to;
            continue;
        }
        current = e;
    }
    return ScriptString(out);
}

std::string ByteArray(const std::vector<uint8_t>& bytes) {
    std::string out = "[";
    for (size_t i = 0; i < bytes.size(); ++i)
        out += (i ? "," : "") + std::to_string(bytes[i]);
    return out + "]";
}

bool IsOpaque(const QImage& image) {
    if (!image.hasAlphaChannel())
        return true;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const uint32_t*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (line[x] >> 24 != 0xFF)
                return false;
    }
    return true;
}

std::string Utf8(const std::u16string& text) { return QString::fromStdU16String(text).toStdString(); }

class Writer {
public:
    explicit Writer(const MovieDefinition& movie) : movie_(movie) {}

    WebMovieData Write() {
        WebMovieData data;
        std::string chars;
        // Characters are reached from the timelines, so only what the movie shows is written.
        std::string root = Timeline(movie_.Root(), "root");
        while (!pending_.empty()) {
            const uint16_t id = *pending_.begin();
            pending_.erase(pending_.begin());
            const std::string text = CharacterText(id);
            if (!text.empty())
                chars += (chars.empty() ? "" : ",\n") + std::string("\"") + std::to_string(id) + "\":" + text;
        }
        const Rgba& bg = movie_.Background();
        data.width = movie_.StageWidth();
        data.height = movie_.StageHeight();
        data.script = "window.VANTORA_MOVIE = {\"version\":" + std::to_string(movie_.Version()) + ",\"width\":" +
                      std::to_string(data.width) + ",\"height\":" + std::to_string(data.height) + ",\"stage\":" +
                      RectText(movie_.Stage()) + ",\"rate\":" + Number(movie_.FrameRate()) + ",\"background\":" +
                      Color(bg) + ",\n\"characters\":{\n" + chars + "},\n\"root\":" + root + "};\n";
        data.media = std::move(media_);
        return data;
    }

private:
    void Need(uint16_t id) {
        if (!done_.count(id)) {
            done_.insert(id);
            pending_.insert(id);
        }
    }

    std::string SoundStartText(const SoundStart& s) {
        Need(s.soundId);
        return "{\"id\":" + std::to_string(s.soundId) + ",\"stop\":" + (s.stop ? "true" : "false") + ",\"noMultiple\":" +
               (s.noMultiple ? "true" : "false") + ",\"loops\":" + std::to_string(s.loops) + ",\"in\":" +
               std::to_string(s.inPoint) + ",\"out\":" + std::to_string(s.outPoint) + "}";
    }

    std::string CommandText(const DisplayCommand& c) {
        if (c.remove)
            return "{\"remove\":true,\"depth\":" + std::to_string(c.depth) + "}";
        std::string out = "{\"depth\":" + std::to_string(c.depth);
        if (c.move)
            out += ",\"move\":true";
        if (c.characterId) {
            Need(*c.characterId);
            out += ",\"id\":" + std::to_string(*c.characterId);
        }
        if (c.matrix)
            out += ",\"m\":" + MatrixText(*c.matrix);
        if (c.colorTransform)
            out += ",\"cx\":" + ColorTransformText(*c.colorTransform);
        if (c.clipDepth)
            out += ",\"clipDepth\":" + std::to_string(c.clipDepth);
        return out + "}";
    }

    std::string Timeline(const TimelineDef& timeline, const std::string& streamName) {
        std::string frames;
        for (const FrameDef& frame : timeline.frames) {
            std::string f = "{";
            auto field = [&](const std::string& text) { f += (f.size() > 1 ? "," : "") + text; };
            if (!frame.commands.empty()) {
                std::string list;
                for (const auto& c : frame.commands)
                    list += (list.empty() ? "" : ",") + CommandText(c);
                field("\"c\":[" + list + "]");
            }
            if (!frame.actions.empty()) {
                std::string list;
                for (const auto& a : frame.actions)
                    list += (list.empty() ? "" : ",") + ByteArray(a);
                field("\"a\":[" + list + "]");
            }
            if (!frame.sounds.empty()) {
                std::string list;
                for (const auto& s : frame.sounds)
                    list += (list.empty() ? "" : ",") + SoundStartText(s);
                field("\"s\":[" + list + "]");
            }
            if (!frame.label.empty())
                field("\"label\":" + ScriptString(frame.label));
            frames += (frames.empty() ? "" : ",\n") + f + "}";
        }
        return "{\"frames\":[" + frames + "]" + StreamText(timeline, streamName) + "}";
    }

    // The timeline's stream sound as one MP3 file, with the time in seconds where each frame's
    // part begins.
    std::string StreamText(const TimelineDef& timeline, const std::string& name) {
        if (!timeline.stream || timeline.stream->format != 2)
            return {};
        std::vector<uint8_t> mp3;
        std::string starts;
        size_t samples = 0;
        for (const FrameDef& frame : timeline.frames) {
            starts += (starts.empty() ? "" : ",") + Number(double(samples) / timeline.stream->rate);
            if (frame.streamBlock.size() >= 4) {
                samples += size_t(frame.streamBlock[0] | frame.streamBlock[1] << 8);
                mp3.insert(mp3.end(), frame.streamBlock.begin() + 4, frame.streamBlock.end());
            }
        }
        if (mp3.empty())
            return {};
        const std::string file = "media/stream-" + name + ".mp3";
        media_.push_back({file, std::move(mp3)});
        return ",\"stream\":{\"file\":" + ScriptString(file) + ",\"starts\":[" + starts + "]}";
    }

    std::string FillText(const FillStyle& fill) {
        switch (fill.type) {
        case FillStyle::Type::Solid: return "{\"color\":" + Color(fill.color) + "}";
        case FillStyle::Type::LinearGradient:
        case FillStyle::Type::RadialGradient: {
            std::string stops;
            for (const auto& s : fill.stops)
                stops += (stops.empty() ? "[" : ",[") + Number(s.ratio) + "," + Color(s.color) + "]";
            return std::string("{\"gradient\":\"") + (fill.type == FillStyle::Type::LinearGradient ? "linear" : "radial") +
                   "\",\"m\":" + MatrixText(fill.matrix) + ",\"spread\":" + std::to_string(fill.spread) + ",\"stops\":[" +
                   stops + "]}";
        }
        case FillStyle::Type::Bitmap:
            Need(fill.bitmapId);
            return "{\"bitmap\":" + std::to_string(fill.bitmapId) + ",\"m\":" + MatrixText(fill.matrix) + ",\"repeat\":" +
                   (fill.bitmapRepeats ? "true" : "false") + ",\"smooth\":" + (fill.bitmapSmoothed ? "true" : "false") + "}";
        }
        return "{}";
    }

    std::string ShapeText(const ShapeDef& shape) {
        std::string layers;
        for (const ShapeLayer& layer : shape.layers) {
            std::string l = "{\"path\":" + PathText(layer.path);
            if (layer.isLine)
                l += ",\"line\":" + std::to_string(layer.line.width) + ",\"color\":" + Color(layer.line.color);
            else
                l += ",\"fill\":" + FillText(layer.fill);
            layers += (layers.empty() ? "" : ",") + l + "}";
        }
        return "{\"kind\":\"shape\",\"layers\":[" + layers + "]}";
    }

    std::string BitmapText(uint16_t id, const BitmapDef& bitmap) {
        const bool opaque = IsOpaque(bitmap.image);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        const std::string name = "media/b" + std::to_string(id) + (opaque ? ".jpg" : ".png");
        if (opaque)
            bitmap.image.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPG", kJpegQuality);
        else
            bitmap.image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
        media_.push_back({name, std::vector<uint8_t>(bytes.begin(), bytes.end())});
        return "{\"kind\":\"bitmap\",\"file\":" + ScriptString(name) + ",\"width\":" + std::to_string(bitmap.image.width()) +
               ",\"height\":" + std::to_string(bitmap.image.height()) + "}";
    }

    std::string FontText(const FontDef& font) {
        std::string glyphs;
        for (const auto& g : font.glyphs)
            glyphs += (glyphs.empty() ? "" : ",") + PathText(g);
        std::string advances;
        for (auto a : font.advances)
            advances += (advances.empty() ? "" : ",") + std::to_string(a);
        std::string codes;
        for (auto c : font.codes)
            codes += (codes.empty() ? "" : ",") + std::to_string(c);
        return "{\"kind\":\"font\",\"name\":" + ScriptString(font.name) + ",\"bold\":" + (font.bold ? "true" : "false") +
               ",\"italic\":" + (font.italic ? "true" : "false") + ",\"ascent\":" + std::to_string(font.ascent) +
               ",\"descent\":" + std::to_string(font.descent) + ",\"glyphs\":[" + glyphs + "],\"codes\":[" + codes +
               "],\"advances\":[" + advances + "]}";
    }

    // The characters a text's glyphs stand for, so that screen readers can announce it.
    std::string Spoken(const TextDef& text) {
        std::u16string out;
        for (const TextRun& run : text.runs) {
            const auto* font = movie_.FindAs<FontDef>(run.fontId, CharacterKind::Font);
            if (!out.empty())
                out += u' ';
            for (const auto& g : run.glyphs)
                if (font && g.index < font->codes.size())
                    out += char16_t(font->codes[g.index]);
        }
        return Utf8(out);
    }

    std::string TextText(const TextDef& text) {
        std::string runs;
        for (const TextRun& run : text.runs) {
            Need(run.fontId);
            std::string glyphs;
            for (const auto& g : run.glyphs)
                glyphs += (glyphs.empty() ? "" : ",") + std::to_string(g.index) + "," + std::to_string(g.advance);
            runs += std::string(runs.empty() ? "" : ",") + "{\"font\":" + std::to_string(run.fontId) + ",\"color\":" +
                    Color(run.color) + ",\"x\":" + std::to_string(run.x) + ",\"y\":" + std::to_string(run.y) +
                    ",\"height\":" + std::to_string(run.height) + ",\"glyphs\":[" + glyphs + "]}";
        }
        return "{\"kind\":\"text\",\"bounds\":" + RectText(text.bounds) + ",\"m\":" + MatrixText(text.matrix) +
               ",\"runs\":[" + runs + "],\"spoken\":" + ScriptString(Spoken(text)) + "}";
    }

    std::string EditTextText(const EditTextDef& field) {
        const auto* font = movie_.FindAs<FontDef>(field.fontId, CharacterKind::Font);
        if (font)
            Need(field.fontId);
        return "{\"kind\":\"field\",\"bounds\":" + RectText(field.bounds) + ",\"font\":" + std::to_string(font ? field.fontId : 0) +
               ",\"face\":" + ScriptString(font ? font->name : "") + ",\"bold\":" + (font && font->bold ? "true" : "false") +
               ",\"italic\":" + (font && font->italic ? "true" : "false") + ",\"fontHeight\":" +
               std::to_string(field.fontHeight) + ",\"color\":" + Color(field.color) + ",\"align\":" +
               std::to_string(field.align) + ",\"wrap\":" + (field.wordWrap ? "true" : "false") + ",\"border\":" +
               (field.border ? "true" : "false") + ",\"outlines\":" + (field.useOutlines ? "true" : "false") +
               ",\"leftMargin\":" + std::to_string(field.leftMargin) + ",\"rightMargin\":" +
               std::to_string(field.rightMargin) + ",\"indent\":" + std::to_string(field.indent) + ",\"leading\":" +
               std::to_string(field.leading) + ",\"text\":" + ScriptString(Utf8(field.initialText)) + "}";
    }

    std::string ButtonText(const ButtonDef& button) {
        std::string records;
        for (const ButtonRecord& r : button.records) {
            Need(r.characterId);
            records += std::string(records.empty() ? "" : ",") + "{\"states\":" + std::to_string(r.states) + ",\"id\":" +
                       std::to_string(r.characterId) + ",\"depth\":" + std::to_string(r.depth) + ",\"m\":" +
                       MatrixText(r.matrix) + ",\"cx\":" + ColorTransformText(r.colorTransform) + "}";
        }
        std::string actions;
        for (const ButtonCondAction& a : button.actions)
            actions += std::string(actions.empty() ? "" : ",") + "{\"conditions\":" + std::to_string(a.conditions) +
                       ",\"code\":" + ByteArray(a.actions) + "}";
        std::string sounds;
        for (const SoundStart& s : button.sounds)
            sounds += (sounds.empty() ? "" : ",") + (s.soundId ? SoundStartText(s) : std::string("null"));
        return "{\"kind\":\"button\",\"records\":[" + records + "],\"actions\":[" + actions + "],\"sounds\":[" + sounds + "]}";
    }

    std::string SoundText(uint16_t id, const SoundDef& sound) {
        std::string name;
        if (sound.format == 2 && !sound.data.empty()) {
            name = "media/s" + std::to_string(id) + ".mp3";
            media_.push_back({name, sound.data});
        } else if ((sound.format == 0 || sound.format == 3) && !sound.data.empty()) {
            name = "media/s" + std::to_string(id) + ".wav";
            media_.push_back({name, Wav(sound)});
        } else {
            return {}; // a coding browsers cannot play: the movie stays silent there
        }
        return "{\"kind\":\"sound\",\"file\":" + ScriptString(name) + ",\"rate\":" + std::to_string(sound.rate) + "}";
    }

    static std::vector<uint8_t> Wav(const SoundDef& sound) {
        std::vector<uint8_t> out;
        auto u32 = [&](uint32_t v) {
            for (int i = 0; i < 4; ++i)
                out.push_back(uint8_t(v >> (8 * i)));
        };
        auto u16 = [&](uint16_t v) {
            out.push_back(uint8_t(v));
            out.push_back(uint8_t(v >> 8));
        };
        const uint16_t channels = sound.stereo ? 2 : 1, bits = sound.is16Bit ? 16 : 8;
        const uint32_t size = uint32_t(sound.data.size());
        out.insert(out.end(), {'R', 'I', 'F', 'F'});
        u32(36 + size);
        out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
        u32(16);
        u16(1);
        u16(channels);
        u32(uint32_t(sound.rate));
        u32(uint32_t(sound.rate) * channels * bits / 8);
        u16(uint16_t(channels * bits / 8));
        u16(bits);
        out.insert(out.end(), {'d', 'a', 't', 'a'});
        u32(size);
        out.insert(out.end(), sound.data.begin(), sound.data.end());
        return out;
    }

    std::string CharacterText(uint16_t id) {
        const Character* c = movie_.Find(id);
        if (!c)
            return {};
        switch (c->Kind()) {
        case CharacterKind::Shape: return ShapeText(static_cast<const ShapeDef&>(*c));
        case CharacterKind::Bitmap: return BitmapText(id, static_cast<const BitmapDef&>(*c));
        case CharacterKind::Font: return FontText(static_cast<const FontDef&>(*c));
        case CharacterKind::Text: return TextText(static_cast<const TextDef&>(*c));
        case CharacterKind::EditText: return EditTextText(static_cast<const EditTextDef&>(*c));
        case CharacterKind::Button: return ButtonText(static_cast<const ButtonDef&>(*c));
        case CharacterKind::Sprite:
            return "{\"kind\":\"sprite\",\"timeline\":" +
                   Timeline(static_cast<const SpriteDef&>(*c).timeline, std::to_string(id)) + "}";
        case CharacterKind::Sound: return SoundText(id, static_cast<const SoundDef&>(*c));
        }
        return {};
    }

    const MovieDefinition& movie_;
    std::set<uint16_t> done_, pending_;
    std::vector<MediaFile> media_;
};

} // namespace

WebMovieData MakeWebMovieData(std::span<const std::uint8_t> movie) {
    const auto definition = MovieDefinition::Load(movie);
    return Writer(*definition).Write();
}

} // namespace vantora::publish::web
