#include "render/button_painter.h"

#include "render/text/font_conversion.h"
#include "render/picture_conversion.h"
#include "render/render_limits.h"
#include "render/rgb_alpha_canvas.h"
#include "render/shape_painter.h"
#include "render/text_box.h"

#include <QPainter>

namespace vantora {
namespace {

QRect wholePicture(const TDemoObject& button) { return QRect(0, 0, button.Width, button.Height); }

// Shape "Rectangle" with the button's rounding, and the caption opaque on the mask too so that it
// shows even on a clear face.
void paintPlainFace(const TDemoObject& button, RgbAlphaCanvas& canvas) {
    const bool solid = (button.*slot::FillStyle) != static_cast<int>(TFillStyle::Clear);
    QPainter colour(&canvas.rgb);
    colour.setPen(ShapePen(button.BorderWidth, ToQColor(button.BorderColor)));
    colour.setBrush(solid ? QBrush(ToQColor(button.*slot::FillColor)) : QBrush(Qt::NoBrush));
    DrawShapeGeometry(colour, TShapeKind::Rectangle, button.Width, button.Height, button.BorderWidth, 2 * ClampedDistance(button.Round));
    DrawTextBox(colour, button.Text, wholePicture(button), true, button.Layout, button.Alignment, button.Font);
    QPainter mask(&canvas.alpha);
    mask.setPen(ShapePen(button.BorderWidth, Qt::white));
    mask.setBrush(solid ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
    DrawShapeGeometry(mask, TShapeKind::Rectangle, button.Width, button.Height, button.BorderWidth, 2 * ClampedDistance(button.Round));
    DrawTextBox(mask, button.Text, wholePicture(button), true, button.Layout, button.Alignment, button.Font, Qt::white);
}

// Nearest-neighbour stretching keeps colour and alpha of every source pixel together, which is
// what stretching the colour and a white-on-black alpha copy separately amounts to.
bool paintPictureFace(const TDemoObject& button, RgbAlphaCanvas& canvas) {
    const QImage converted = ConvertPicture(button.Picture, BitmapTransparency{true, true, 0}, false, false, 0);
    if (converted.isNull())
        return false;
    const QImage stretched =
        converted.scaled(button.Width, button.Height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(stretched.constScanLine(y));
        auto* colour = reinterpret_cast<QRgb*>(canvas.rgb.scanLine(y));
        uchar* alpha = canvas.alpha.scanLine(y);
        for (int x = 0, w = canvas.width(); x < w; ++x) {
            colour[x] = source[x] | 0xFF000000u;
            alpha[x] = uchar(qAlpha(source[x]));
        }
    }
    QPainter colour(&canvas.rgb);
    DrawTextBox(colour, button.Text, wholePicture(button), true, button.Layout, button.Alignment, button.Font);
    return true;
}

} // namespace

void PaintButton(const TDemoObject& button, QImage& target) {
    if (!IsRenderableSize(button.Width, button.Height)) {
        target = QImage();
        return;
    }
    RgbAlphaCanvas canvas(button.Width, button.Height);
    if (button.Picture.empty() || !paintPictureFace(button, canvas))
        paintPlainFace(button, canvas);
    canvas.ComposeInto(target);
}

} // namespace vantora
