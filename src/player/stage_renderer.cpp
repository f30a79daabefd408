#include "player/stage_renderer.h"

#include "player/text_layout.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace player {

namespace {

constexpr int kMaxPaintNesting = 64;
constexpr size_t kMaxTintedBitmaps = 64;
// Bitmap fills choose smoothing from this version on. Older movies had no such choice and their
// fills show the bitmap's pixels as they are (as the reference emulator draws them too).
constexpr int kSmoothingVersion = 8;

QColor Color(const ColorTransform& cx, Rgba c) { return cx.ApplyToColor(c); }

// A bitmap drawn at (nearly) its own size without rotation shows its pixels as they are:
// filtering would only blur them by the fraction of a pixel its placement is off the grid.
bool NearlyPixelAligned(const QTransform& bitmapToDevice) {
    constexpr double kTolerance = 0.01;
    return std::fabs(bitmapToDevice.m12()) < 1e-9 && std::fabs(bitmapToDevice.m21()) < 1e-9 &&
           std::fabs(bitmapToDevice.m11() - 1) < kTolerance && std::fabs(bitmapToDevice.m22() - 1) < kTolerance;
}

double ScaleOf(const QTransform& t) { return std::sqrt(std::fabs(t.determinant())); }

QImage Tint(const QImage& source, const ColorTransform& cx) {
    QImage out = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<uint32_t*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const uint32_t v = line[x];
            const Rgba t = cx.Apply({uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v), uint8_t(v >> 24)});
            line[x] = uint32_t(t.a) << 24 | uint32_t(t.r) << 16 | uint32_t(t.g) << 8 | t.b;
        }
    }
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage PadWithEdges(const QImage& source) {
    const int w = source.width(), h = source.height();
    QImage out(w + 2, h + 2, source.format());
    for (int y = 0; y < h + 2; ++y) {
        const auto* from = reinterpret_cast<const uint32_t*>(source.constScanLine(std::clamp(y - 1, 0, h - 1)));
        auto* to = reinterpret_cast<uint32_t*>(out.scanLine(y));
        to[0] = from[0];
        std::copy(from, from + w, to + 1);
        to[w + 1] = from[w - 1];
    }
    return out;
}

} // namespace

void StageRenderer::Paint(QPainter& painter, const ClipInstance& root, const QTransform& stageToDevice) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    PaintClip(painter, root, stageToDevice, ColorTransform{});
    painter.restore();
}

void StageRenderer::PaintClip(QPainter& p, const ClipInstance& clip, const QTransform& t, const ColorTransform& cx) {
    if (clip.Nesting() > kMaxPaintNesting)
        return;
    const auto& list = clip.DisplayList();
    for (auto it = list.begin(); it != list.end(); ++it) {
        const DisplayObject& object = it->second;
        if (object.clipDepth == 0) {
            PaintObject(p, object, t, cx);
            continue;
        }
        // A clip layer: the objects up to its clip depth show only inside its shapes.
        const QPainterPath mask = MaskPath(object, t);
        p.save();
        p.setTransform(QTransform());
        p.setClipPath(mask, Qt::IntersectClip);
        auto inner = std::next(it);
        for (; inner != list.end() && inner->first <= object.clipDepth; ++inner)
            PaintObject(p, inner->second, t, cx);
        p.restore();
        it = std::prev(inner);
    }
}

QPainterPath StageRenderer::MaskPath(const DisplayObject& object, const QTransform& t) const {
    QPainterPath out;
    const QTransform local = object.matrix.ToTransform() * t;
    if (object.character && object.character->Kind() == CharacterKind::Shape)
        for (const auto& layer : static_cast<const ShapeDef&>(*object.character).layers)
            if (!layer.isLine)
                out.addPath(local.map(layer.path));
    return out;
}

void StageRenderer::PaintObject(QPainter& p, const DisplayObject& object, const QTransform& t, const ColorTransform& cx) {
    const QTransform local = object.matrix.ToTransform() * t;
    const ColorTransform colors = object.colorTransform.Then(cx);
    if (object.clip) {
        PaintClip(p, *object.clip, local, colors);
        return;
    }
    if (object.character)
        PaintCharacter(p, *object.character, local, colors, object.buttonState);
}

void StageRenderer::PaintCharacter(QPainter& p, const Character& c, const QTransform& t, const ColorTransform& cx,
                                   uint8_t buttonState) {
    switch (c.Kind()) {
    case CharacterKind::Shape: PaintShape(p, static_cast<const ShapeDef&>(c), t, cx); break;
    case CharacterKind::Text: PaintText(p, static_cast<const TextDef&>(c), t, cx); break;
    case CharacterKind::EditText: PaintEditText(p, static_cast<const EditTextDef&>(c), t, cx); break;
    case CharacterKind::Button: PaintButton(p, static_cast<const ButtonDef&>(c), t, cx, buttonState); break;
    default: break; // sprites without a running clip (nesting limit), bitmaps, fonts and sounds
    }
}

const QImage* StageRenderer::Bitmap(uint16_t id, const ColorTransform& cx, bool padded) {
    const auto* bitmap = movie_.FindAs<BitmapDef>(id, CharacterKind::Bitmap);
    if (!bitmap)
        return nullptr;
    if (cx.IsIdentity() && !padded)
        return &bitmap->image;
    const auto key = std::make_tuple(id, padded, cx.mr, cx.mg, cx.mb, cx.ma, cx.ar, cx.ag, cx.ab, cx.aa);
    auto found = tinted_.find(key);
    if (found == tinted_.end()) {
        if (tinted_.size() >= kMaxTintedBitmaps)
            tinted_.clear();
        QImage image = cx.IsIdentity() ? bitmap->image : Tint(bitmap->image, cx);
        found = tinted_.emplace(key, padded ? PadWithEdges(image) : image).first;
    }
    return &found->second;
}

QBrush StageRenderer::FillBrush(const FillStyle& fill, const ColorTransform& cx, bool& smooth) {
    smooth = true;
    switch (fill.type) {
    case FillStyle::Type::Solid: return QBrush(Color(cx, fill.color));
    case FillStyle::Type::LinearGradient:
    case FillStyle::Type::RadialGradient: {
        QGradientStops stops;
        for (const auto& stop : fill.stops)
            stops.append({stop.ratio, Color(cx, stop.color)});
        const QGradient::Spread spread =
            fill.spread == 1 ? QGradient::ReflectSpread : fill.spread == 2 ? QGradient::RepeatSpread : QGradient::PadSpread;
        QBrush brush;
        if (fill.type == FillStyle::Type::LinearGradient) {
            QLinearGradient g(-16384, 0, 16384, 0);
            g.setStops(stops);
            g.setSpread(spread);
            brush = QBrush(g);
        } else {
            QRadialGradient g(0, 0, 16384);
            g.setStops(stops);
            g.setSpread(spread);
            brush = QBrush(g);
        }
        brush.setTransform(fill.matrix.ToTransform());
        return brush;
    }
    case FillStyle::Type::Bitmap: {
        // A texture brush always repeats; a clipped fill gets a ring of its edge pixels, so that
        // filtering at its edges blends with the edge rather than with the opposite side.
        const bool padded = !fill.bitmapRepeats;
        const QImage* image = Bitmap(fill.bitmapId, cx, padded);
        if (!image)
            return QBrush(Qt::NoBrush);
        QBrush brush(*image);
        brush.setTransform(padded ? QTransform::fromTranslate(-1, -1) * fill.matrix.ToTransform()
                                  : fill.matrix.ToTransform());
        smooth = fill.bitmapSmoothed;
        return brush;
    }
    }
    return QBrush(Qt::NoBrush);
}

void StageRenderer::PaintShape(QPainter& p, const ShapeDef& shape, const QTransform& t, const ColorTransform& cx) {
    p.setTransform(t);
    const double scale = ScaleOf(t);
    for (const auto& layer : shape.layers) {
        if (layer.isLine) {
            QPen pen(Color(cx, layer.line.color));
            if (layer.line.width * scale < 1.0) {
                pen.setCosmetic(true);
                pen.setWidthF(1.0);
            } else {
                pen.setWidthF(layer.line.width);
            }
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
            p.strokePath(layer.path, pen);
            continue;
        }
        bool smooth = true;
        const QBrush brush = FillBrush(layer.fill, cx, smooth);
        if (brush.style() == Qt::NoBrush)
            continue;
        if (smooth && layer.fill.type == FillStyle::Type::Bitmap)
            smooth = movie_.Version() >= kSmoothingVersion && !NearlyPixelAligned(layer.fill.matrix.ToTransform() * t);
        p.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
        if (layer.fill.type == FillStyle::Type::Bitmap && !layer.fill.bitmapRepeats)
            FillClipped(p, layer.path, brush);
        else
            p.fillPath(layer.path, brush);
    }
}

void StageRenderer::FillClipped(QPainter& p, const QPainterPath& path, const QBrush& brush) {
    // A clipped bitmap fill shows its picture once: where the shape reaches past the picture, the
    // picture's edge pixels continue. The brush holds the picture with a ring of its edge pixels,
    // so keeping the fill inside that padded picture shows it once with its edge continued by a
    // pixel; the pictures of our movies have clear edges, so nothing is lost beyond that ring.
    const QImage& padded = brush.textureImage();
    QPainterPath area;
    area.addPolygon(brush.transform().map(QPolygonF(QRectF(0, 0, padded.width(), padded.height()))));
    area.closeSubpath();
    p.fillPath(path.intersected(area), brush);
}

void StageRenderer::PaintText(QPainter& p, const TextDef& text, const QTransform& t, const ColorTransform& cx) {
    p.setTransform(text.matrix.ToTransform() * t);
    for (const auto& run : text.runs) {
        const auto* font = movie_.FindAs<FontDef>(run.fontId, CharacterKind::Font);
        if (!font)
            continue;
        const double scale = run.height / 1024.0;
        QPainterPath path;
        double x = run.x;
        for (const auto& glyph : run.glyphs) {
            if (glyph.index < font->glyphs.size())
                path.addPath(QTransform(scale, 0, 0, scale, x, run.y).map(font->glyphs[glyph.index]));
            x += glyph.advance;
        }
        path.setFillRule(Qt::WindingFill);
        p.fillPath(path, Color(cx, run.color));
    }
}

void StageRenderer::PaintEditText(QPainter& p, const EditTextDef& field, const QTransform& t, const ColorTransform& cx) {
    PaintTextField(p, field, movie_.FindAs<FontDef>(field.fontId, CharacterKind::Font), t, Color(cx, field.color));
}

void StageRenderer::PaintButton(QPainter& p, const ButtonDef& button, const QTransform& t, const ColorTransform& cx,
                                uint8_t state) {
    std::vector<const ButtonRecord*> records;
    for (const auto& record : button.records)
        if (record.states & state)
            records.push_back(&record);
    std::stable_sort(records.begin(), records.end(), [](auto* a, auto* b) { return a->depth < b->depth; });
    for (const ButtonRecord* record : records) {
        const Character* c = movie_.Find(record->characterId);
        if (!c || c->Kind() == CharacterKind::Button)
            continue; // a button inside a button is not drawn (it could contain itself)
        PaintCharacter(p, *c, record->matrix.ToTransform() * t, record->colorTransform.Then(cx), kStateUp);
    }
}

bool StageRenderer::ButtonHit(const ButtonDef& button, QPointF local) const {
    for (const auto& record : button.records) {
        if (!(record.states & kStateHit))
            continue;
        bool invertible = false;
        const QPointF inside = record.matrix.ToTransform().inverted(&invertible).map(local);
        if (!invertible)
            continue;
        const Character* c = movie_.Find(record.characterId);
        if (!c)
            continue;
        if (c->Kind() == CharacterKind::Shape) {
            for (const auto& layer : static_cast<const ShapeDef&>(*c).layers)
                if (!layer.isLine && layer.path.contains(inside))
                    return true;
        } else if (c->Kind() == CharacterKind::Text || c->Kind() == CharacterKind::EditText) {
            const SwfRect& b = c->Kind() == CharacterKind::Text ? static_cast<const TextDef&>(*c).bounds
                                                                : static_cast<const EditTextDef&>(*c).bounds;
            if (inside.x() >= b.xMin && inside.x() <= b.xMax && inside.y() >= b.yMin && inside.y() <= b.yMax)
                return true;
        }
    }
    return false;
}

} // namespace player
