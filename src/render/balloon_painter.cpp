#include "render/balloon_painter.h"

#include "render/balloon_masks.h"
#include "render/text/font_conversion.h"
#include "render/render_limits.h"
#include "render/rgb_alpha_canvas.h"
#include "render/text_box.h"

#include <QPainter>

#include <algorithm>

namespace vantora {
namespace {

struct BodyEdges {
    int left, top, right, bottom; // inclusive pixel indices
};

bool onLeft(TBalloonArrow a) { return a == TBalloonArrow::LeftDown || a == TBalloonArrow::LeftUp; }
bool onTop(TBalloonArrow a) { return a == TBalloonArrow::TopLeft || a == TBalloonArrow::TopRight; }
bool onRight(TBalloonArrow a) { return a == TBalloonArrow::RightUp || a == TBalloonArrow::RightDown; }
bool onBottom(TBalloonArrow a) { return a == TBalloonArrow::BottomRight || a == TBalloonArrow::BottomLeft; }

TBalloonArrow arrowOf(const TDemoObject& balloon) {
    const int value = balloon.*slot::Arrow;
    return value >= 0 && value <= 8 ? static_cast<TBalloonArrow>(value) : TBalloonArrow::None;
}

BodyEdges bodyEdges(int width, int height, TBalloonArrow arrow) {
    BodyEdges body{0, 0, width - 1, height - 1};
    if (onLeft(arrow))
        body.left = kBalloonArrowBand;
    if (onTop(arrow))
        body.top = kBalloonArrowBand;
    if (onRight(arrow))
        body.right = width - 1 - kBalloonArrowBand;
    if (onBottom(arrow))
        body.bottom = height - 1 - kBalloonArrowBand;
    return body;
}

// One-pixel lines written straight into the scan lines, clipped to the picture. `to` is excluded.
void horizontalLine(QImage& rgb, int y, int from, int to, QRgb colour) {
    if (y < 0 || y >= rgb.height())
        return;
    auto* row = reinterpret_cast<QRgb*>(rgb.scanLine(y));
    std::fill(row + std::max(from, 0), row + std::max(std::min(to, rgb.width()), std::max(from, 0)), colour);
}

void verticalLine(QImage& rgb, int x, int from, int to, QRgb colour) {
    if (x < 0 || x >= rgb.width())
        return;
    uchar* bits = rgb.bits();
    const qsizetype stride = rgb.bytesPerLine();
    for (int y = std::max(from, 0); y < std::min(to, rgb.height()); ++y)
        reinterpret_cast<QRgb*>(bits + y * stride)[x] = colour;
}

// Fills the inclusive rectangle (left, top) - (right, bottom), clipped, with `value`.
template <typename Pixel>
void fillRect(QImage& plane, int left, int top, int right, int bottom, Pixel value) {
    left = std::max(left, 0);
    right = std::min(right, plane.width() - 1);
    if (left > right)
        return;
    for (int y = std::max(top, 0); y <= std::min(bottom, plane.height() - 1); ++y) {
        auto* row = reinterpret_cast<Pixel*>(plane.scanLine(y));
        std::fill(row + left, row + right + 1, value);
    }
}

void paintBodyAndBevel(RgbAlphaCanvas& canvas, const BodyEdges& b, const std::array<QRgb, 256>& ramp, QRgb back) {
    fillRect<QRgb>(canvas.rgb, b.left, b.top, b.right, b.bottom, back);
    const auto both = [&](int row, int column, QRgb colour) {
        horizontalLine(canvas.rgb, row, b.left, b.right, colour);
        verticalLine(canvas.rgb, column, b.top, b.bottom, colour);
    };
    for (int k = 2; k <= 5; ++k)
        both(b.top + k, b.left + k, ramp[std::size_t(kRampHighlight[k - 2])]);
    for (int k = 6; k >= 3; --k)
        both(b.bottom - k, b.right - k, ramp[std::size_t(kRampShade[k - 3])]);
    const QRgb outline = ramp[kRampOutline];
    both(b.bottom - 2, b.right - 2, outline);
    both(b.bottom - 1, b.right - 1, outline);
    both(b.top + 1, b.left + 1, outline);
    fillRect<uchar>(canvas.alpha, b.left + 1, b.top + 1, b.right - 2, b.bottom - 2, 255);
}

QRgb maskColour(int code, const std::array<QRgb, 256>& ramp) {
    if (code < 256)
        return ramp[std::size_t(code)];
    const QRgb a = ramp[std::size_t(code & 0xFF)];
    const QRgb b = ramp[std::size_t((code >> 8) & 0xFF)];
    return qRgb((qRed(a) + qRed(b)) / 2, (qGreen(a) + qGreen(b)) / 2, (qBlue(a) + qBlue(b)) / 2);
}

// Overwrites colour and alpha with a mask whose top-left cell lands on (top, left). A transposed
// mask is read column by column (mask row = table column).
void applyMask(RgbAlphaCanvas& canvas, const BalloonMask& mask, int top, int left, bool transposed,
               const std::array<QRgb, 256>& ramp) {
    const int canvasWidth = canvas.width();
    const int rows = transposed ? mask.columns : mask.rows;
    const int columns = transposed ? mask.rows : mask.columns;
    for (int r = 0; r < rows; ++r) {
        const int y = top + r;
        if (y < 0 || y >= canvas.height())
            continue;
        auto* colour = reinterpret_cast<QRgb*>(canvas.rgb.scanLine(y));
        uchar* alpha = canvas.alpha.scanLine(y);
        for (int c = 0; c < columns; ++c) {
            const int x = left + c;
            if (x < 0 || x >= canvasWidth)
                continue;
            const std::uint32_t entry = transposed ? mask.at(c, r) : mask.at(r, c);
            colour[x] = maskColour(MaskColourCode(entry), ramp);
            alpha[x] = static_cast<uchar>(MaskAlpha(entry));
        }
    }
}

void applyCorners(RgbAlphaCanvas& canvas, const BodyEdges& b, const std::array<QRgb, 256>& ramp) {
    applyMask(canvas, BalloonCornerMask(BalloonCorner::TopLeft), b.top, b.left, false, ramp);
    applyMask(canvas, BalloonCornerMask(BalloonCorner::TopRight), b.top, b.right - 12, false, ramp);
    applyMask(canvas, BalloonCornerMask(BalloonCorner::BottomRight), b.bottom - 12, b.right - 12, false, ramp);
    applyMask(canvas, BalloonCornerMask(BalloonCorner::BottomLeft), b.bottom - 12, b.left, false, ramp);
}

void applyArrow(RgbAlphaCanvas& canvas, const BodyEdges& b, TBalloonArrow arrow, const std::array<QRgb, 256>& ramp) {
    const auto put = [&](BalloonCorner table, int top, int left, bool transposed) {
        applyMask(canvas, BalloonArrowMask(table), top, left, transposed, ramp);
    };
    switch (arrow) {
    case TBalloonArrow::BottomLeft: put(BalloonCorner::BottomLeft, b.bottom - 6, b.left + 12, false); break;
    case TBalloonArrow::BottomRight: put(BalloonCorner::BottomRight, b.bottom - 6, b.right - 30, false); break;
    case TBalloonArrow::TopLeft: put(BalloonCorner::TopLeft, b.top - 16, b.left + 12, false); break;
    case TBalloonArrow::TopRight: put(BalloonCorner::TopRight, b.top - 16, b.right - 30, false); break;
    case TBalloonArrow::LeftUp: put(BalloonCorner::TopLeft, b.top + 12, b.left - 16, true); break;
    case TBalloonArrow::LeftDown: put(BalloonCorner::TopRight, b.bottom - 30, b.left - 16, true); break;
    case TBalloonArrow::RightUp: put(BalloonCorner::BottomLeft, b.top + 12, b.right - 6, true); break;
    case TBalloonArrow::RightDown: put(BalloonCorner::BottomRight, b.bottom - 30, b.right - 6, true); break;
    case TBalloonArrow::None: break;
    }
}

QRect textBox(const TDemoObject& balloon, TBalloonArrow arrow) {
    const int margin = ClampedDistance(balloon.Margin);
    QRect box(margin, margin, balloon.Width - 2 * margin, balloon.Height - 2 * margin);
    if (onLeft(arrow))
        box.adjust(kBalloonArrowBand, 0, 0, 0);
    if (onTop(arrow))
        box.adjust(0, kBalloonArrowBand, 0, 0);
    if (onRight(arrow))
        box.adjust(0, 0, -kBalloonArrowBand, 0);
    if (onBottom(arrow))
        box.adjust(0, 0, 0, -kBalloonArrowBand);
    return box;
}

} // namespace

std::array<QRgb, 256> BalloonColourRamp(TColor back, TColor border) {
    std::array<QRgb, 256> ramp{};
    const int red = RedOf(back), green = GreenOf(back), blue = BlueOf(back);
    for (int i = 0; i < 64; ++i) {
        const auto darker = [i](int c) { return std::max(c - 2 * i, 0); };
        ramp[std::size_t(i)] = qRgb(darker(red), darker(green), darker(blue));
    }
    for (int i = 64; i < 128; ++i) {
        // Dark bodies brighten faster, light ones slower, so the highlight shows on both.
        const int step = red < 64 ? (i - 64) * 2 : red >= 192 ? (i - 64) / 2 : (i - 64);
        const auto lighter = [step](int c) { return std::min(c + step, 255); };
        ramp[std::size_t(i)] = qRgb(lighter(red), lighter(green), lighter(blue));
    }
    for (int i = 128; i < 256; ++i)
        ramp[std::size_t(i)] = ToArgb(border);
    return ramp;
}

void PaintBalloon(const TDemoObject& balloon, QImage& target) {
    if (!IsRenderableSize(balloon.Width, balloon.Height)) {
        target = QImage();
        return;
    }
    const TBalloonArrow arrow = arrowOf(balloon);
    const BodyEdges body = bodyEdges(balloon.Width, balloon.Height, arrow);
    const auto ramp = BalloonColourRamp(balloon.BackColor, balloon.BorderColor);
    RgbAlphaCanvas canvas(balloon.Width, balloon.Height);
    paintBodyAndBevel(canvas, body, ramp, ToArgb(balloon.BackColor));
    applyCorners(canvas, body, ramp);
    applyArrow(canvas, body, arrow, ramp);
    {
        QPainter painter(&canvas.rgb); // text changes colour only; alpha lives in its own plane
        DrawTextBox(painter, balloon.Text, textBox(balloon, arrow), true, balloon.Layout, balloon.Alignment,
                    balloon.Font);
    }
    canvas.ComposeInto(target);
}

} // namespace vantora
