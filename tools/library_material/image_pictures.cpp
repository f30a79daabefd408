#include "library_material/image_pictures.h"

#include "library_material/png_bytes.h"

#include <QPainter>
#include <QPainterPath>

#include <string>

namespace vantora::material {
namespace {

enum class Direction { Right, Left, Up, Down, DownRight };

// A thick arrow pointing right inside a 96 x 48 box, turned to `direction`, filled with a light
// to dark gradient of `colour`, with a darker edge and a soft drop shadow.
QImage arrow(Direction direction, QColor colour) {
    constexpr int kLong = 96, kShort = 48;
    const bool upright = direction == Direction::Up || direction == Direction::Down;
    const bool diagonal = direction == Direction::DownRight;
    QImage canvas = diagonal ? TransparentCanvas(80, 80) : upright ? TransparentCanvas(kShort, kLong)
                                                                   : TransparentCanvas(kLong, kShort);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(canvas.width() / 2.0, canvas.height() / 2.0);
    switch (direction) {
    case Direction::Right: break;
    case Direction::Left: painter.rotate(180); break;
    case Direction::Up: painter.rotate(-90); break;
    case Direction::Down: painter.rotate(90); break;
    case Direction::DownRight: painter.rotate(45); painter.scale(0.78, 0.78); break;
    }
    QPainterPath body;
    body.moveTo(-44, -9);
    body.lineTo(12, -9);
    body.lineTo(12, -20);
    body.lineTo(44, 0);
    body.lineTo(12, 20);
    body.lineTo(12, 9);
    body.lineTo(-44, 9);
    body.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawPath(body.translated(2, 2));
    QLinearGradient shade(0, -20, 0, 20);
    shade.setColorAt(0, colour.lighter(140));
    shade.setColorAt(1, colour.darker(115));
    painter.setBrush(shade);
    painter.setPen(QPen(colour.darker(160), 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(body);
    return canvas;
}

// A rounded frame with a transparent inside, to lay over a part of a screen shot.
QImage frame(QColor colour) {
    QImage canvas = TransparentCanvas(128, 80);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(3.5, 3.5, 121, 73), 10, 10);
    return canvas;
}

// A see-through marker-pen highlight: the one picture with partial alpha throughout.
QImage highlighter() {
    QImage canvas = TransparentCanvas(128, 40);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 240, 0, 110));
    painter.drawRoundedRect(QRectF(2, 4, 124, 32), 8, 8);
    return canvas;
}

// A hand-drawn looking ring, slightly open, as a reviewer circles something.
QImage circle(QColor colour) {
    QImage canvas = TransparentCanvas(112, 80);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 4.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(5, 6, 102, 68), 100 * 16, 330 * 16);
    painter.drawArc(QRectF(8, 4, 98, 70), 80 * 16, 40 * 16);
    return canvas;
}

// A round sign: a disc of `colour` with a white rim and a glyph painted by `glyph`.
template <typename Glyph>
QImage roundSign(QColor colour, Glyph glyph) {
    QImage canvas = TransparentCanvas(64, 64);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shade(QPointF(24, 20), 40);
    shade.setColorAt(0, colour.lighter(135));
    shade.setColorAt(1, colour.darker(110));
    painter.setPen(QPen(Qt::white, 3));
    painter.setBrush(shade);
    painter.drawEllipse(QPointF(32, 32), 28.5, 28.5);
    glyph(painter);
    return canvas;
}

QImage checkMark() {
    return roundSign(QColor(40, 170, 60), [](QPainter& p) {
        p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF tick[] = {{18, 33}, {28, 43}, {46, 22}};
        p.drawPolyline(tick, 3);
    });
}

QImage crossMark() {
    return roundSign(QColor(215, 40, 40), [](QPainter& p) {
        p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(21, 21), QPointF(43, 43));
        p.drawLine(QPointF(43, 21), QPointF(21, 43));
    });
}

void letter(QPainter& painter, const QString& text, QColor colour, const QRectF& box, int pixelSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

QImage infoSign() {
    return roundSign(QColor(30, 110, 220), [](QPainter& p) { letter(p, QStringLiteral("i"), Qt::white, {0, 0, 64, 64}, 40); });
}

QImage questionSign() {
    return roundSign(QColor(120, 70, 200), [](QPainter& p) { letter(p, QStringLiteral("?"), Qt::white, {0, 0, 64, 64}, 40); });
}

// A yellow warning triangle with an exclamation mark.
QImage warningSign() {
    QImage canvas = TransparentCanvas(64, 64);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(32, 4);
    triangle.lineTo(61, 58);
    triangle.lineTo(3, 58);
    triangle.closeSubpath();
    QLinearGradient shade(0, 4, 0, 58);
    shade.setColorAt(0, QColor(255, 225, 60));
    shade.setColorAt(1, QColor(245, 180, 0));
    painter.setPen(QPen(QColor(60, 45, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(shade);
    painter.drawPath(triangle);
    letter(painter, QStringLiteral("!"), QColor(40, 30, 0), {0, 16, 64, 44}, 36);
    return canvas;
}

// A numbered step badge: a red disc with a white number.
QImage badge(int number) {
    QImage canvas = TransparentCanvas(40, 40);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2.5));
    painter.setBrush(QColor(220, 40, 50));
    painter.drawEllipse(QPointF(20, 20), 17.5, 17.5);
    letter(painter, QString::number(number), Qt::white, {0, 0, 40, 40}, 24);
    return canvas;
}

} // namespace

MaterialFiles ImagePictures() {
    const QColor red(220, 40, 40), blue(30, 110, 220), green(40, 170, 60), orange(250, 140, 20);
    std::vector<std::pair<std::string, QImage>> pictures = {
        {"ArrowRightRed.png", arrow(Direction::Right, red)},
        {"ArrowLeftRed.png", arrow(Direction::Left, red)},
        {"ArrowUpBlue.png", arrow(Direction::Up, blue)},
        {"ArrowDownBlue.png", arrow(Direction::Down, blue)},
        {"ArrowRightGreen.png", arrow(Direction::Right, green)},
        {"ArrowDownRightOrange.png", arrow(Direction::DownRight, orange)},
        {"FrameRed.png", frame(red)},
        {"FrameBlue.png", frame(blue)},
        {"CircleRed.png", circle(red)},
        {"Highlighter.png", highlighter()},
        {"CheckMark.png", checkMark()},
        {"Cross.png", crossMark()},
        {"Warning.png", warningSign()},
        {"Information.png", infoSign()},
        {"Question.png", questionSign()},
    };
    for (int number = 1; number <= 5; ++number)
        pictures.emplace_back("Step" + std::to_string(number) + ".png", badge(number));
    MaterialFiles files;
    for (const auto& [name, picture] : pictures)
        files.push_back({std::filesystem::path("Images") / name, PngBytes(picture)});
    return files;
}

} // namespace vantora::material
