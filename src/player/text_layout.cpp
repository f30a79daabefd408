#include "player/text_layout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>

namespace player {

namespace {

constexpr double kGutter = 2.0; // pixels between a field's bounds and its text

struct FieldBox {
    QRectF bounds; // pixels
    double left = 0, width = 0;
};

FieldBox BoxOf(const EditTextDef& field) {
    FieldBox box;
    box.bounds = QRectF(field.bounds.xMin / 20.0, field.bounds.yMin / 20.0, field.bounds.Width() / 20.0,
                        field.bounds.Height() / 20.0);
    box.left = box.bounds.left() + kGutter + field.leftMargin / 20.0;
    box.width = box.bounds.width() - 2 * kGutter - (field.leftMargin + field.rightMargin) / 20.0;
    return box;
}

double AlignedX(const EditTextDef& field, const FieldBox& box, double lineWidth) {
    if (field.align == 1)
        return box.left + box.width - lineWidth;
    if (field.align == 2)
        return box.left + (box.width - lineWidth) / 2;
    return box.left;
}

std::u16string Shown(const EditTextDef& field) {
    if (!field.password)
        return field.initialText;
    return std::u16string(field.initialText.size(), u'*');
}

void PaintWithGlyphs(QPainter& p, const EditTextDef& field, const FontDef& font, const FieldBox& box, QColor color) {
    const double size = field.fontHeight / 20.0;
    const double scale = size / 1024.0;
    auto advance = [&](char16_t c) {
        const int g = font.GlyphOf(uint16_t(c));
        if (g >= 0 && size_t(g) < font.advances.size())
            return font.advances[size_t(g)] * scale;
        return size * 0.5;
    };
    const double ascent = font.ascent > 0 ? font.ascent * scale : size * 0.9;
    const double descent = font.descent > 0 ? font.descent * scale : size * 0.2;
    const auto lines = BreakLines(Shown(field), field.wordWrap, box.width, advance);
    double baseline = box.bounds.top() + kGutter + ascent;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const auto& line : lines) {
        double width = 0;
        for (char16_t c : line)
            width += advance(c);
        double x = AlignedX(field, box, width);
        for (char16_t c : line) {
            const int g = font.GlyphOf(uint16_t(c));
            if (g >= 0)
                path.addPath(QTransform(scale, 0, 0, scale, x, baseline).map(font.glyphs[size_t(g)]));
            x += advance(c);
        }
        baseline += ascent + descent + field.leading / 20.0;
    }
    p.fillPath(path, color);
}

void PaintWithSystemFont(QPainter& p, const EditTextDef& field, const FontDef* font, const FieldBox& box, QColor color) {
    QFont face(font && !font->name.empty() ? QString::fromUtf8(font->name.c_str()) : QStringLiteral("Times New Roman"));
    face.setPixelSize(std::max(1, int(std::lround(field.fontHeight / 20.0))));
    if (font) {
        face.setBold(font->bold);
        face.setItalic(font->italic);
    }
    const QFontMetricsF metrics(face);
    auto advance = [&](char16_t c) { return metrics.horizontalAdvance(QChar(c)); };
    const auto lines = BreakLines(Shown(field), field.wordWrap, box.width, advance);
    p.setFont(face);
    p.setPen(color);
    double baseline = box.bounds.top() + kGutter + metrics.ascent();
    for (const auto& line : lines) {
        const QString text = QString::fromStdU16String(line);
        p.drawText(QPointF(AlignedX(field, box, metrics.horizontalAdvance(text)), baseline), text);
        baseline += metrics.ascent() + metrics.descent() + field.leading / 20.0;
    }
}

} // namespace

void PaintTextField(QPainter& p, const EditTextDef& field, const FontDef* font, const QTransform& t, QColor color) {
    const FieldBox box = BoxOf(field);
    p.save();
    p.setTransform(QTransform::fromScale(20, 20) * t);
    p.setClipRect(box.bounds, Qt::IntersectClip);
    if (field.border) {
        p.fillRect(box.bounds, Qt::white);
        p.setPen(QPen(Qt::black, 0));
        p.drawRect(box.bounds);
    }
    const bool glyphs = field.useOutlines && font && !font->glyphs.empty();
    if (glyphs)
        PaintWithGlyphs(p, field, *font, box, color);
    else
        PaintWithSystemFont(p, field, font, box, color);
    p.restore();
}

} // namespace player
