#include "dialogs/brand_backdrop.h"

#include "render/text/aa_font_ex.h"

#include <QPainter>

namespace vantora {
namespace {

constexpr int kTextMargin = 4;

int Mix(int from, int to, int y, int height) { return from + (to - from) * y / std::max(1, height - 1); }

} // namespace

QColor BackdropColour(int y, int height) {
    y = std::clamp(y, 0, std::max(0, height - 1));
    return QColor(Mix(kBackdropTop.red(), kBackdropBottom.red(), y, height),
                  Mix(kBackdropTop.green(), kBackdropBottom.green(), y, height),
                  Mix(kBackdropTop.blue(), kBackdropBottom.blue(), y, height));
}

void PaintBackdrop(QWidget& widget) {
    QPainter painter(&widget);
    const int height = widget.height();
    for (int y = 0; y < height; ++y)
        painter.fillRect(0, y, widget.width(), 1, BackdropColour(y, height));
}

TAAEffect ShadowedTextEffect() {
    TAAEffect effect;
    effect.Shadow.Enabled = true;
    effect.Shadow.OffsetX = 3;
    effect.Shadow.OffsetY = 3;
    effect.Shadow.Blur = 80;
    effect.Shadow.Alpha = 60;
    return effect;
}

TAAEffect GreyGradientEffect() {
    TAAEffect effect;
    effect.Gradual.Enabled = true;
    effect.Gradual.Style = TAAGradualStyle::gsTopToBottom;
    effect.Gradual.StartColor = qRgb(150, 150, 150);
    effect.Gradual.EndColor = qRgb(40, 40, 40);
    return effect;
}

TEngineTextLabel::TEngineTextLabel(const QString& text, const QFont& font, QRgb colour, const TAAEffect& effect,
                                   QWidget* parent)
    : QWidget(parent), text_(text), font_(font), colour_(colour), effect_(effect) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize TEngineTextLabel::sizeHint() const {
    TAARandom random;
    TAAFontEx engine(random);
    engine.SetFont(font_);
    engine.Effect = effect_;
    return engine.TextExtent(text_) + QSize(2 * kTextMargin, 2 * kTextMargin);
}

QImage TEngineTextLabel::render() const {
    QImage canvas(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    const QWidget* top = window();
    const int offset = mapTo(top, QPoint(0, 0)).y();
    for (int y = 0; y < canvas.height(); ++y) {
        const QRgb colour = BackdropColour(offset + y, top->height()).rgb();
        std::fill_n(reinterpret_cast<QRgb*>(canvas.scanLine(y)), canvas.width(), colour);
    }
    TAARandom random;
    TAAFontEx engine(random);
    engine.SetFont(font_);
    engine.Color = colour_;
    engine.Effect = effect_;
    const QSize extent = engine.TextExtent(text_);
    TAACanvas target{&canvas, std::nullopt};
    engine.TextOut(target, (canvas.width() - extent.width()) / 2, (canvas.height() - extent.height()) / 2, text_);
    return canvas;
}

void TEngineTextLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, render());
}

} // namespace vantora
