#include "render/round_body_painter.h"

#include "render/text/font_conversion.h"
#include "render/note_decorations.h"
#include "render/render_limits.h"
#include "render/rgb_alpha_canvas.h"
#include "render/shade_color.h"
#include "render/text_box.h"

#include "render/text/text_painters.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace vantora {
namespace {

constexpr int kMarkedInset = 22;
constexpr int kPlainInset = 5;
constexpr int kTextShift = 17;
constexpr int kShadowOffset = 4;

// The pointer table: three points per Arrow value, in terms of W, H, Q, A and S.
std::array<QPoint, 3> arrowPoints(int arrow, int w, int h) {
    const int p = std::min(w / 2, h / 2);
    const int q = p - 1;
    const int a = p + 8;
    const int s = (p - 7) * 50 / 100 + 15;
    switch (arrow) {
    case 0: return {QPoint(15, h - 15), QPoint(s, h - a), QPoint(a, h - s)};
    case 1: return {QPoint(5, h - 15), QPoint(q + 5, h - 15), QPoint(q + 5, h - 15 - q)};
    case 2: return {QPoint(5, 15), QPoint(q + 5, 15), QPoint(q + 5, 15 + q)};
    case 3: return {QPoint(15, 15), QPoint(a, s), QPoint(s, a)};
    case 4: return {QPoint(15, 5), QPoint(15, q + 5), QPoint(15 + q, q + 5)};
    case 5: return {QPoint(w - 15, 5), QPoint(w - 15, q + 5), QPoint(w - 15 - q, q + 5)};
    case 6: return {QPoint(w - 15, 15), QPoint(w - a, s), QPoint(w - s, a)};
    case 7: return {QPoint(w - 5, 15), QPoint(w - 5 - q, 15), QPoint(w - 5 - q, 15 + q)};
    case 8: return {QPoint(w - 5, h - 15), QPoint(w - 5 - q, h - 15), QPoint(w - 5 - q, h - 15 - q)};
    case 9: return {QPoint(w - 15, h - 15), QPoint(w - s, h - a), QPoint(w - a, h - s)};
    case 10: return {QPoint(w - 15, h - 5), QPoint(w - 15, h - 5 - q), QPoint(w - 15 - q, h - 5 - q)};
    default: return {QPoint(15, h - 5), QPoint(15, h - 5 - q), QPoint(15 + q, h - 5 - q)}; // 11
    }
}

// Inward step of one ring, per Arrow value (multiplied by the ring number).
QPoint arrowShift(int arrow) {
    static constexpr std::array<QPoint, 12> kShift{QPoint(2, -2), QPoint(2, -1),  QPoint(2, 1),   QPoint(2, 2),
                                                   QPoint(1, 2),  QPoint(-1, 2),  QPoint(-2, 2),  QPoint(-2, 1),
                                                   QPoint(-2, -1), QPoint(-2, -2), QPoint(-1, -2), QPoint(1, -2)};
    return kShift[std::size_t(arrow)];
}

bool isRoundBalloon(const TDemoObject& object) { return object.Kind == TObjectKind::RoundBalloon; }

QRect bodyRing(const TDemoObject& object, const MarkedSides& sides, int ring, int offset) {
    const int left = (sides.left ? kMarkedInset : kPlainInset) + ring + offset;
    const int top = (sides.top ? kMarkedInset : kPlainInset) + ring + offset;
    const int right = object.Width - (sides.right ? kMarkedInset : kPlainInset) - ring + offset;
    const int bottom = object.Height - (sides.bottom ? kMarkedInset : kPlainInset) - ring + offset;
    // Right and bottom are exclusive, as rectangle corners of the platform canvas are.
    return QRect(left, top, right - left, bottom - top);
}

// Draws ring `ring` of the body (and pointer) with `brush` on every given painter.
void paintRing(std::initializer_list<QPainter*> painters, const TDemoObject& object, const MarkedSides& sides, int ring,
               int offset, QColor brush) {
    const QRect body = bodyRing(object, sides, ring, offset);
    const QPolygon pointer = RoundBalloonArrowRing(object, ring, offset);
    const qreal radius = std::max(ClampedDistance(object.Round), 0) / 2.0;
    for (QPainter* painter : painters) {
        painter->setBrush(brush);
        if (body.width() > 0 && body.height() > 0)
            painter->drawRoundedRect(body, radius, radius, Qt::AbsoluteSize);
        if (!pointer.isEmpty())
            painter->drawPolygon(pointer);
    }
}

// Colour goes to the result; alpha is painted straight into the alpha plane: the shadow rings in
// their greys first, then the body (and pointer) in white over them. That is the same alpha as
// painting everything once onto black and once onto white and comparing the two: the body covers
// both alike (255), the shadow shows only on black (its grey), and untouched pixels differ (0).
void paintBodyRings(const TDemoObject& object, const MarkedSides& sides, RgbAlphaCanvas& canvas) {
    QPainter colour(&canvas.rgb);
    QPainter alpha(&canvas.alpha);
    colour.setPen(Qt::NoPen);
    alpha.setPen(Qt::NoPen);
    if (object.Shadow)
        for (int ring = 0; ring < 4; ++ring)
            paintRing({&alpha}, object, sides, ring, kShadowOffset, QColor(32 * ring + 32, 32 * ring + 32, 32 * ring + 32));
    if (object.Flat) {
        paintRing({&colour}, object, sides, 0, 0, ToQColor(object.BackColor));
        paintRing({&alpha}, object, sides, 0, 0, Qt::white);
        return;
    }
    const std::array<TColor, 4> tones{ShadeColor(object.BackColor, 2), ShadeColor(object.BackColor, 0),
                                      ShadeColor(object.BackColor, 1), object.BackColor};
    for (int ring = 0; ring < 4; ++ring) {
        paintRing({&colour}, object, sides, ring, 0, ToQColor(tones[std::size_t(ring)]));
        paintRing({&alpha}, object, sides, ring, 0, Qt::white);
    }
}

// The decoration is blended over the body; its alpha only ever raises the body's.
void drawDecoration(RgbAlphaCanvas& canvas, const QImage& decoration) {
    const int canvasWidth = canvas.width();
    const int left = (canvasWidth - decoration.width()) >> 1; // floor, also for narrow notes
    for (int dy = 0; dy < decoration.height() && dy < canvas.height(); ++dy) {
        const auto* source = reinterpret_cast<const QRgb*>(decoration.constScanLine(dy));
        auto* colour = reinterpret_cast<QRgb*>(canvas.rgb.scanLine(dy));
        uchar* alpha = canvas.alpha.scanLine(dy);
        for (int dx = 0, w = decoration.width(); dx < w; ++dx) {
            const int x = left + dx;
            if (x < 0 || x >= canvasWidth)
                continue;
            const int a = qAlpha(source[dx]);
            const QRgb under = colour[x];
            const auto mix = [a](int top, int bottom) { return (top * a + bottom * (255 - a) + 127) / 255; };
            colour[x] = qRgb(mix(qRed(source[dx]), qRed(under)), mix(qGreen(source[dx]), qGreen(under)),
                             mix(qBlue(source[dx]), qBlue(under)));
            alpha[x] = uchar(std::max<int>(alpha[x], a));
        }
    }
}

void paintText(const TDemoObject& object, RgbAlphaCanvas& canvas) {
    const QRect box = RoundBodyTextBox(object);
    if (!isRoundBalloon(object)) {
        if (box.width() > 0 && box.height() > 0)
            DrawNoteText(canvas.rgb, object, box);
        return;
    }
    // Round balloons use the plain text routine; notes go through the effect engine above.
    QPainter painter(&canvas.rgb);
    DrawTextBox(painter, object.Text, box, true, object.Layout, object.Alignment, object.Font);
}

} // namespace

MarkedSides RoundBodyMarkedSides(const TDemoObject& object) {
    MarkedSides sides;
    if (isRoundBalloon(object)) {
        const int arrow = object.*slot::Arrow;
        if (arrow < 0 || arrow > 11)
            return sides;
        sides.left = arrow <= 3;
        sides.top = arrow >= 3 && arrow <= 6;
        sides.right = arrow >= 6 && arrow <= 9;
        sides.bottom = arrow == 0 || arrow >= 9;
    } else if ((object.*slot::Graphic) != static_cast<int>(TNoteGraphic::None)) {
        sides.left = object.GraphicPlacement == 0;
        sides.top = object.GraphicPlacement == 1;
        sides.right = object.GraphicPlacement == 2;
        sides.bottom = object.GraphicPlacement == 3;
    }
    return sides;
}

QPolygon RoundBalloonArrowRing(const TDemoObject& balloon, int ring, int offset) {
    const int arrow = balloon.*slot::Arrow;
    if (!isRoundBalloon(balloon) || arrow < 0 || arrow > 11)
        return {};
    const QPoint shift = arrowShift(arrow) * ring + QPoint(offset, offset);
    QPolygon triangle;
    for (const QPoint& point : arrowPoints(arrow, balloon.Width, balloon.Height))
        triangle << point + shift;
    return triangle;
}

QRect RoundBodyTextBox(const TDemoObject& object) {
    const MarkedSides sides = RoundBodyMarkedSides(object);
    const int margin = ClampedDistance(object.Margin);
    QRect box(margin, margin, object.Width - 2 * margin, object.Height - 2 * margin);
    box.adjust(sides.left ? kTextShift : 0, sides.top ? kTextShift : 0, sides.right ? -kTextShift : 0,
               sides.bottom ? -kTextShift : 0);
    return box;
}

void PaintRoundBody(const TDemoObject& object, QImage& target) {
    if (!IsRenderableSize(object.Width, object.Height)) {
        target = QImage();
        return;
    }
    const MarkedSides sides = RoundBodyMarkedSides(object);
    RgbAlphaCanvas canvas(object.Width, object.Height);
    paintBodyRings(object, sides, canvas);
    paintText(object, canvas);
    if (!isRoundBalloon(object)) {
        const QImage decoration = NoteDecoration(static_cast<TNoteGraphic>(object.*slot::Graphic));
        if (!decoration.isNull())
            drawDecoration(canvas, decoration);
    }
    canvas.ComposeInto(target);
}

} // namespace vantora
