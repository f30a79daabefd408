#pragma once
// The look of the splash window and the About box: a top-to-bottom gradient from white to light
// blue behind everything, and titles drawn by the anti-aliasing text engine onto that gradient.

#include "render/text/aa_effect.h"

#include <QColor>
#include <QFont>
#include <QWidget>

namespace vantora {

inline const QColor kBackdropTop(255, 255, 255);
inline const QColor kBackdropBottom(160, 192, 255);

// The backdrop colour at row y of a window `height` rows high.
QColor BackdropColour(int y, int height);

// Paints the backdrop over all of `widget`.
void PaintBackdrop(QWidget& widget);

// A line of text drawn by the text engine over the backdrop of its window.
class TEngineTextLabel : public QWidget {
    Q_OBJECT
public:
    TEngineTextLabel(const QString& text, const QFont& font, QRgb colour, const TAAEffect& effect,
                     QWidget* parent = nullptr);

    const QString& text() const { return text_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The label's picture as it paints it: backdrop rows of its place in the window, then the text.
    QImage render() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QFont font_;
    QRgb colour_;
    TAAEffect effect_;
};

// The effect sets the two windows use: a soft shadow, and a grey gradient.
TAAEffect ShadowedTextEffect();
TAAEffect GreyGradientEffect();

} // namespace vantora
