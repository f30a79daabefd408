#include "library_material/button_pictures.h"

#include "library_material/png_bytes.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <string>

namespace vantora::material {
namespace {

enum class ButtonStyle { Glossy, Flat, Pill };

// A small triangle beside the caption: pointing right for "Next", left for "Back".
enum class Mark { None, Forward, Backward };

struct ButtonLook {
    const char* file;
    const char* caption;
    ButtonStyle style;
    QColor colour;
    Mark mark;
};

QRectF body(ButtonStyle style) {
    return style == ButtonStyle::Pill ? QRectF(2.5, 6.5, 91, 35) : QRectF(2.5, 3.5, 91, 41);
}

void paintBody(QPainter& painter, const ButtonLook& look) {
    const QRectF box = body(look.style);
    const double radius = look.style == ButtonStyle::Pill ? box.height() / 2 : look.style == ButtonStyle::Glossy ? 9 : 4;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 55));
    painter.drawRoundedRect(box.translated(1.5, 2), radius, radius); // drop shadow
    if (look.style == ButtonStyle::Flat) {
        painter.setBrush(look.colour);
    } else {
        QLinearGradient shade(box.topLeft(), box.bottomLeft());
        shade.setColorAt(0, look.colour.lighter(150));
        shade.setColorAt(0.49, look.colour.lighter(110));
        shade.setColorAt(0.5, look.colour);
        shade.setColorAt(1, look.colour.darker(120));
        painter.setBrush(shade);
    }
    painter.setPen(QPen(look.colour.darker(150), 1.5));
    painter.drawRoundedRect(box, radius, radius);
}

void paintMark(QPainter& painter, Mark mark, double x, double centreY) {
    if (mark == Mark::None)
        return;
    const double dx = mark == Mark::Forward ? 8 : -8;
    const QPointF triangle[] = {{x, centreY - 6}, {x + dx, centreY}, {x, centreY + 6}};
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(triangle, 3);
}

QImage button(const ButtonLook& look) {
    QImage canvas = TransparentCanvas(kButtonPictureWidth, kButtonPictureHeight);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBody(painter, look);
    const QRectF box = body(look.style);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(17);
    font.setBold(true);
    painter.setFont(font);
    // The caption and its mark are centred together.
    const QString caption = QString::fromLatin1(look.caption);
    const double textWidth = QFontMetricsF(font).horizontalAdvance(caption);
    const double markWidth = look.mark == Mark::None ? 0 : 13;
    const double left = box.center().x() - (textWidth + markWidth) / 2;
    const double textLeft = look.mark == Mark::Backward ? left + markWidth : left;
    painter.setPen(QColor(0, 0, 0, 90));
    painter.drawText(QRectF(textLeft + 1, box.top() + 1, textWidth + 2, box.height()), Qt::AlignLeft | Qt::AlignVCenter, caption);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(textLeft, box.top(), textWidth + 2, box.height()), Qt::AlignLeft | Qt::AlignVCenter, caption);
    if (look.mark == Mark::Forward)
        paintMark(painter, look.mark, left + textWidth + 5, box.center().y());
    else if (look.mark == Mark::Backward)
        paintMark(painter, look.mark, left + 8, box.center().y());
    return canvas;
}

} // namespace

MaterialFiles ButtonPictures() {
    const QColor blue(30, 110, 220), green(40, 160, 60), red(210, 45, 45), orange(240, 140, 20), grey(110, 115, 125);
    const ButtonLook looks[] = {
        {"NextBlue.png", "Next", ButtonStyle::Glossy, blue, Mark::Forward},
        {"BackBlue.png", "Back", ButtonStyle::Glossy, blue, Mark::Backward},
        {"OKGreen.png", "OK", ButtonStyle::Glossy, green, Mark::None},
        {"StartGreen.png", "Start", ButtonStyle::Pill, green, Mark::Forward},
        {"CloseRed.png", "Close", ButtonStyle::Flat, red, Mark::None},
        {"ReplayOrange.png", "Replay", ButtonStyle::Pill, orange, Mark::None},
        {"NextGrey.png", "Next", ButtonStyle::Flat, grey, Mark::Forward},
        {"BackGrey.png", "Back", ButtonStyle::Flat, grey, Mark::Backward},
    };
    MaterialFiles files;
    for (const ButtonLook& look : looks)
        files.push_back({std::filesystem::path("Buttons") / look.file, PngBytes(button(look))});
    return files;
}

} // namespace vantora::material
