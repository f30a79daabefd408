#include "render/text_box.h"

#include "render/text/font_conversion.h"

#include <QPainter>

namespace vantora {
namespace {

int alignmentFlags(int alignment) {
    switch (alignment) {
    case taCenter: return Qt::AlignHCenter;
    case taRight: return Qt::AlignRight;
    default: return Qt::AlignLeft;
    }
}

// Moves the box so a text of `textHeight` sits at its bottom or in its middle. The centre rule
// moves both edges by half the difference, so the box keeps the text's height (give or take the
// rounding of the halving).
QRect placedBox(QRect box, int layout, int textHeight) {
    int left = box.left();
    int top = box.top();
    int right = box.left() + box.width(); // exclusive edges, as the box was given
    int bottom = box.top() + box.height();
    if (layout == tlBottom) {
        top = bottom - textHeight;
    } else if (layout == tlCenter) {
        const int difference = textHeight - (bottom - top);
        top -= difference / 2;
        bottom += difference / 2;
    }
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

QString TextForPainting(const std::string& text) {
    QString result = QString::fromStdString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

void DrawTextBox(QPainter& canvas, const std::string& text, QRect box, bool wordWrap, int layout, int alignment,
                 const TObjectFont& font, QColor colourOverride) {
    const QString painted = TextForPainting(text);
    const int flags = (wordWrap ? int(Qt::TextWordWrap) : 0) | Qt::TextExpandTabs | alignmentFlags(alignment) |
                      Qt::AlignTop;
    canvas.save();
    canvas.setFont(ToQFont(font, FontSmoothing::Aliased));
    canvas.setPen(colourOverride.isValid() ? colourOverride : ToQColor(font.Color));
    canvas.setBrush(Qt::NoBrush);
    if (layout == tlCenter || layout == tlBottom) {
        const QString measured = painted.isEmpty() ? QStringLiteral(" ") : painted;
        const QRect needed = canvas.boundingRect(box, flags, measured);
        box = placedBox(box, layout, needed.height());
    }
    if (box.width() > 0 && box.height() > 0 && !painted.isEmpty())
        canvas.drawText(box, flags, painted);
    canvas.restore();
}

} // namespace vantora
