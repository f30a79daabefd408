// The Label painter: the caption drawn with the platform's ordinary text output, left aligned,
// without wrapping, clipped to the object; the alpha is the text's own coverage.

#include "model/demo_object.h"
#include "render/text/font_conversion.h"
#include "render/text/text_painters.h"

#include <QPainter>

namespace vantora {
namespace {

// A label larger than this on either side is treated as damaged input and gets no picture.
constexpr int kMaxLabelSide = 16384;

constexpr int kLabelTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs;

void DrawCaption(QImage& image, const TDemoObject& label, const QFont& font, QColor colour) {
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(colour);
    // The box is (0, 0, W-1, H-1) with its right and bottom edges exclusive, as the platform's
    // text output treats rectangles; drawing is clipped to it.
    const QRect box(0, 0, image.width() - 1, image.height() - 1);
    painter.setClipRect(box);
    painter.drawText(box, kLabelTextFlags, QString::fromStdString(label.Text));
}

} // namespace

void PaintLabel(const TDemoObject& label, QImage& picture) {
    const int width = label.Width;
    const int height = label.Height;
    if (width <= 0 || height <= 0 || width > kMaxLabelSide || height > kMaxLabelSide) {
        picture = QImage();
        return;
    }
    const QFont font = ToQFont(label.Font, FontSmoothing::Antialiased);
    const QRgb fontColour = ToArgb(label.Font.Color);

    QImage drawn(width, height, QImage::Format_RGB32);
    drawn.fill(Qt::black);
    DrawCaption(drawn, label, font, QColor::fromRgb(fontColour));

    QImage coverage(width, height, QImage::Format_Grayscale8);
    coverage.fill(0);
    DrawCaption(coverage, label, font, Qt::white);

    picture = QImage(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* m = coverage.constScanLine(y);
        const auto* colour = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (m[x] == 0) {
                out[x] = 0;
            } else if (m[x] == 255) {
                out[x] = colour[x] | 0xFF000000u;
            } else {
                out[x] = (QRgb{m[x]} << 24) | (fontColour & 0x00FFFFFFu);
            }
        }
    }
}

} // namespace vantora
