#include "editor/main_window/tool_bar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace vantora {
namespace {

constexpr int kSize = 20;
const QColor kInk(40, 52, 70);
const QColor kPaper(255, 255, 255);
const QColor kAccent(40, 120, 200);
const QColor kWarm(236, 178, 48);

QIcon Drawn(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.2));
    draw(p);
    return QIcon(pixmap);
}

void Sheet(QPainter& p, const QRectF& r) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 4, r.top());
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(path);
}

void Play(QPainter& p, const QRectF& r) {
    QPolygonF triangle{{r.left(), r.top()}, {r.right(), r.center().y()}, {r.left(), r.bottom()}};
    p.setBrush(kAccent);
    p.drawPolygon(triangle);
}

void Plus(QPainter& p, QPointF c) {
    p.setPen(QPen(kAccent, 2));
    p.drawLine(c + QPointF(-3, 0), c + QPointF(3, 0));
    p.drawLine(c + QPointF(0, -3), c + QPointF(0, 3));
}

void Letter(QPainter& p, const QString& text, const QRectF& r) {
    QFont font = p.font();
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.drawText(r, Qt::AlignCenter, text);
}

} // namespace

QIcon ToolBarIcon(ToolBarGlyph glyph) {
    switch (glyph) {
    case ToolBarGlyph::New:
        return Drawn([](QPainter& p) { Sheet(p, {4.5, 2.5, 11, 15}); Plus(p, {14, 14}); });
    case ToolBarGlyph::Open:
        return Drawn([](QPainter& p) {
            p.setBrush(kWarm);
            p.drawRect(QRectF(2.5, 5.5, 15, 11));
            p.drawLine(QPointF(2.5, 5.5), QPointF(7.5, 3.5));
        });
    case ToolBarGlyph::Save:
        return Drawn([](QPainter& p) {
            p.setBrush(kAccent);
            p.drawRect(QRectF(3.5, 3.5, 13, 13));
            p.setBrush(kPaper);
            p.drawRect(QRectF(6.5, 3.5, 7, 5));
            p.drawRect(QRectF(5.5, 11.5, 9, 5));
        });
    case ToolBarGlyph::Properties:
        return Drawn([](QPainter& p) {
            Sheet(p, {3.5, 2.5, 13, 15});
            for (int y = 6; y <= 14; y += 4)
                p.drawLine(QPointF(6, y + 0.5), QPointF(14, y + 0.5));
        });
    case ToolBarGlyph::Preview:
        return Drawn([](QPainter& p) { Play(p, {5, 3, 11, 14}); });
    case ToolBarGlyph::Publish:
        return Drawn([](QPainter& p) {
            p.setBrush(kPaper);
            p.drawEllipse(QRectF(2.5, 2.5, 15, 15));
            p.drawEllipse(QRectF(7, 2.5, 6, 15));
            p.drawLine(QPointF(2.5, 10), QPointF(17.5, 10));
        });
    case ToolBarGlyph::NewScene:
        return Drawn([](QPainter& p) {
            p.setBrush(kPaper);
            p.drawRect(QRectF(2.5, 4.5, 13, 10));
            Plus(p, {15, 14});
        });
    case ToolBarGlyph::PreviewScene:
        return Drawn([](QPainter& p) {
            p.setBrush(kPaper);
            p.drawRect(QRectF(2.5, 3.5, 15, 12));
            Play(p, {8, 6, 6, 7});
        });
    case ToolBarGlyph::Copy:
        return Drawn([](QPainter& p) { Sheet(p, {2.5, 2.5, 9, 11}); Sheet(p, {8.5, 6.5, 9, 11}); });
    case ToolBarGlyph::Paste:
        return Drawn([](QPainter& p) {
            p.setBrush(kWarm);
            p.drawRect(QRectF(3.5, 3.5, 11, 14));
            Sheet(p, {8.5, 7.5, 9, 10});
        });
    case ToolBarGlyph::Select:
        return Drawn([](QPainter& p) {
            QPolygonF arrow{{6, 2}, {6, 16}, {9.5, 12.5}, {12, 18}, {14, 17}, {11.5, 11.5}, {16, 11.5}};
            p.setBrush(kPaper);
            p.drawPolygon(arrow);
        });
    }
    return {};
}

QIcon ObjectKindIcon(TObjectKind kind) {
    switch (kind) {
    case TObjectKind::Balloon:
        return Drawn([](QPainter& p) {
            QPolygonF body{{2.5, 3.5}, {17.5, 3.5}, {17.5, 12.5}, {9, 12.5}, {5, 17}, {6, 12.5}, {2.5, 12.5}};
            p.setBrush(kPaper);
            p.drawPolygon(body);
        });
    case TObjectKind::RoundBalloon:
        return Drawn([](QPainter& p) {
            p.setBrush(kPaper);
            p.drawEllipse(QRectF(2.5, 2.5, 15, 11));
            p.drawLine(QPointF(6, 12.5), QPointF(4, 17.5));
        });
    case TObjectKind::Note:
        return Drawn([](QPainter& p) {
            p.setBrush(QColor(255, 246, 170));
            p.drawRect(QRectF(3.5, 3.5, 13, 13));
            p.drawLine(QPointF(6, 8.5), QPointF(14, 8.5));
            p.drawLine(QPointF(6, 12.5), QPointF(12, 12.5));
        });
    case TObjectKind::Shape:
        return Drawn([](QPainter& p) {
            p.setBrush(kAccent);
            p.drawRect(QRectF(2.5, 5.5, 9, 9));
            p.setBrush(kWarm);
            p.drawEllipse(QRectF(8.5, 7.5, 9, 9));
        });
    case TObjectKind::Image:
        return Drawn([](QPainter& p) {
            p.setBrush(kPaper);
            p.drawRect(QRectF(2.5, 3.5, 15, 13));
            p.setBrush(kAccent);
            p.drawPolygon(QPolygonF{{3, 16}, {8, 9}, {11, 13}, {13, 11}, {17, 16}});
            p.setBrush(kWarm);
            p.drawEllipse(QRectF(12, 5, 3, 3));
        });
    case TObjectKind::Label:
        return Drawn([](QPainter& p) { Letter(p, QStringLiteral("A"), {0, 0, kSize, kSize}); });
    case TObjectKind::Text:
        return Drawn([](QPainter& p) {
            p.setBrush(kPaper);
            p.drawRect(QRectF(2.5, 3.5, 15, 13));
            Letter(p, QStringLiteral("T"), {2, 3, 16, 14});
        });
    case TObjectKind::InputText:
        return Drawn([](QPainter& p) {
            p.setBrush(kPaper);
            p.drawRect(QRectF(2.5, 5.5, 15, 9));
            p.drawLine(QPointF(6.5, 7.5), QPointF(6.5, 12.5));
        });
    case TObjectKind::Button:
        return Drawn([](QPainter& p) {
            p.setBrush(QColor(220, 226, 234));
            p.drawRoundedRect(QRectF(2.5, 5.5, 15, 9), 2.5, 2.5);
            p.drawLine(QPointF(6, 10.5), QPointF(14, 10.5));
        });
    case TObjectKind::Cursor:
        return Drawn([](QPainter& p) {
            QPolygonF arrow{{6, 2}, {6, 16}, {9.5, 12.5}, {12, 18}, {14, 17}, {11.5, 11.5}, {16, 11.5}};
            p.setBrush(kInk);
            p.drawPolygon(arrow);
        });
    case TObjectKind::Audio:
        return Drawn([](QPainter& p) {
            p.setBrush(kInk);
            p.drawPolygon(QPolygonF{{3, 8}, {7, 8}, {11, 4}, {11, 16}, {7, 12}, {3, 12}});
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(9, 6, 6, 8), -60 * 16, 120 * 16);
            p.drawArc(QRectF(9, 3, 9, 14), -60 * 16, 120 * 16);
        });
    }
    return {};
}

QIcon SceneIcon() {
    return Drawn([](QPainter& p) {
        p.setBrush(kPaper);
        p.drawRect(QRectF(2.5, 3.5, 15, 12));
        p.setBrush(kAccent);
        p.drawPolygon(QPolygonF{{3, 15}, {8, 9}, {11, 12}, {13, 10}, {17, 15}});
        p.setPen(kInk);
        p.drawLine(QPointF(7, 17.5), QPointF(13, 17.5));
    });
}

} // namespace vantora
