#include "editor/grids/grid_row_icons.h"

#include "model/animation_grid.h"
#include "model/property_rows.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace vantora {
namespace {

const QColor kInk(40, 52, 70);
const QColor kPaper(255, 255, 255);
const QColor kAccent(40, 120, 200);
const QColor kWarm(236, 178, 48);

QPixmap Drawn(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(kGridRowIconSize, kGridRowIconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1));
    draw(p);
    return pixmap;
}

void Letter(QPainter& p, const QRectF& box, const QColor& colour, qreal angle = 0) {
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.save();
    p.translate(box.center());
    p.rotate(angle);
    p.drawText(box.translated(-box.center()), Qt::AlignCenter, QStringLiteral("A"));
    p.restore();
}

// A line from `from` to `to` with an arrow head at `to` (and at `from` when both ends are set).
void Arrow(QPainter& p, QPointF from, QPointF to, bool bothEnds = false) {
    p.setPen(QPen(kAccent, 1.5));
    p.drawLine(from, to);
    const auto head = [&p](QPointF tip, QPointF back) {
        const QPointF d = tip - back;
        const qreal length = std::max(1.0, std::hypot(d.x(), d.y()));
        const QPointF u = d / length * 3.5;
        const QPointF n(-u.y(), u.x());
        p.setBrush(kAccent);
        p.drawPolygon(QPolygonF{tip, tip - u + n, tip - u - n});
    };
    head(to, from);
    if (bothEnds)
        head(from, to);
}

void Disc(QPainter& p, const QColor& colour) {
    p.setBrush(colour);
    p.drawEllipse(QRectF(3.5, 3.5, 9, 9));
}

void DrawIcon(QPainter& p, GridRowIcon icon) {
    switch (icon) {
    case GridRowIcon::None: break;
    case GridRowIcon::Subject:
        p.setBrush(kPaper);
        p.drawRect(QRectF(3.5, 1.5, 9, 12));
        for (qreal y : {4.5, 7.5, 10.5})
            p.drawLine(QPointF(5.5, y), QPointF(10.5, y));
        break;
    case GridRowIcon::Position:
        p.setPen(QPen(kInk, 1, Qt::DotLine));
        p.drawRect(QRectF(3.5, 3.5, 9, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        for (QPointF corner : {QPointF(2, 2), QPointF(11, 2), QPointF(2, 10), QPointF(11, 10)})
            p.drawRect(QRectF(corner, QSizeF(3, 3)));
        break;
    case GridRowIcon::ClickAction: {
        const QPolygonF pointer{{5, 4}, {5, 14}, {7.5, 11.5}, {9.5, 15}, {11, 14.2}, {9, 11}, {12, 11}};
        p.setBrush(kPaper);
        p.drawPolygon(pointer);
        p.setPen(QPen(kWarm, 1.2));
        p.drawLine(QPointF(3, 1.5), QPointF(4, 3));
        p.drawLine(QPointF(7, 0.5), QPointF(7, 2.5));
        p.drawLine(QPointF(11, 1.5), QPointF(10, 3));
        break;
    }
    case GridRowIcon::TextAngle:
        Letter(p, QRectF(1, 2, 12, 12), kInk, -30);
        p.setPen(QPen(kAccent, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(6, 1, 9, 9), 0, 120 * 16);
        break;
    case GridRowIcon::TextShadow:
        Letter(p, QRectF(3, 3, 12, 12), QColor(150, 150, 150));
        Letter(p, QRectF(1, 1, 12, 12), kInk);
        break;
    case GridRowIcon::FadeChannel: {
        QLinearGradient fade(2, 0, 14, 0);
        fade.setColorAt(0, kAccent);
        fade.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(fade);
        p.drawRect(QRectF(2.5, 3.5, 11, 9));
        break;
    }
    case GridRowIcon::AngleChannel:
        p.setPen(QPen(kAccent, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3, 3, 10, 10), 90 * 16, 270 * 16);
        Arrow(p, QPointF(8, 3), QPointF(10.5, 3));
        break;
    case GridRowIcon::WidthChannel: Arrow(p, QPointF(2, 8), QPointF(14, 8), true); break;
    case GridRowIcon::HeightChannel: Arrow(p, QPointF(8, 2), QPointF(8, 14), true); break;
    case GridRowIcon::LocationXChannel:
        p.setBrush(kInk);
        p.drawEllipse(QRectF(1.5, 6.5, 3, 3));
        Arrow(p, QPointF(5, 8), QPointF(14, 8));
        break;
    case GridRowIcon::LocationYChannel:
        p.setBrush(kInk);
        p.drawEllipse(QRectF(6.5, 1.5, 3, 3));
        Arrow(p, QPointF(8, 5), QPointF(8, 14));
        break;
    case GridRowIcon::RedChannel: Disc(p, QColor(220, 40, 40)); break;
    case GridRowIcon::GreenChannel: Disc(p, QColor(40, 170, 60)); break;
    case GridRowIcon::BlueChannel: Disc(p, QColor(40, 80, 220)); break;
    }
}

} // namespace

GridRowIcon PropertyRowIcon(const PropertySheet& sheet, int index) {
    if (index < 0 || std::size_t(index) >= sheet.rows.size())
        return GridRowIcon::None;
    if (index == 0)
        return GridRowIcon::Subject;
    if (index == sheet.positionRow)
        return GridRowIcon::Position;
    if (index == sheet.clickActionRow)
        return GridRowIcon::ClickAction;
    if (index == sheet.textEffectRow)
        return GridRowIcon::TextAngle;
    // The shadow rows are a group of the note's text effects only.
    if (sheet.textEffectRow != kAbsentRow && sheet.rows[std::size_t(index)].name == "TextShadow")
        return GridRowIcon::TextShadow;
    return GridRowIcon::None;
}

GridRowIcon ChannelIcon(TChannelId channel) {
    switch (channel) {
    case TChannelId::Fade: return GridRowIcon::FadeChannel;
    case TChannelId::Red: return GridRowIcon::RedChannel;
    case TChannelId::Green: return GridRowIcon::GreenChannel;
    case TChannelId::Blue: return GridRowIcon::BlueChannel;
    case TChannelId::Angle: return GridRowIcon::AngleChannel;
    case TChannelId::Width: return GridRowIcon::WidthChannel;
    case TChannelId::Height: return GridRowIcon::HeightChannel;
    case TChannelId::LocationX: return GridRowIcon::LocationXChannel;
    case TChannelId::LocationY: return GridRowIcon::LocationYChannel;
    }
    return GridRowIcon::None;
}

GridRowIcon AnimationRowIcon(const AnimationSheet& sheet, int index) {
    if (index < 0 || std::size_t(index) >= sheet.rows.size())
        return GridRowIcon::None;
    if (index == 0)
        return GridRowIcon::Subject;
    for (std::size_t c = 0; c < sheet.channelRow.size(); ++c)
        if (sheet.channelRow[c] == index)
            return ChannelIcon(static_cast<TChannelId>(c));
    return GridRowIcon::None;
}

QPixmap GridRowIconPixmap(GridRowIcon icon) {
    if (icon == GridRowIcon::None)
        return {};
    return Drawn([icon](QPainter& p) { DrawIcon(p, icon); });
}

} // namespace vantora
