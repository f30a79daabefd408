#include "editor/library/sound_icons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace vantora {
namespace {

// The page: a white sheet with its top-right corner folded.
void DrawPage(QPainter& painter, const QRectF& page) {
    const qreal fold = page.width() * 0.3;
    QPainterPath sheet;
    sheet.moveTo(page.topLeft());
    sheet.lineTo(page.right() - fold, page.top());
    sheet.lineTo(page.right(), page.top() + fold);
    sheet.lineTo(page.bottomRight());
    sheet.lineTo(page.bottomLeft());
    sheet.closeSubpath();
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(Qt::white);
    painter.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(page.right() - fold, page.top());
    corner.lineTo(page.right() - fold, page.top() + fold);
    corner.lineTo(page.right(), page.top() + fold);
    painter.setBrush(QColor(210, 210, 210));
    painter.drawPath(corner);
}

// An eighth note in the upper half of the page.
void DrawNote(QPainter& painter, const QRectF& page) {
    const qreal unit = page.width() / 8;
    const QPointF head(page.left() + 3 * unit, page.top() + page.height() * 0.45);
    painter.setPen(QPen(Qt::black, std::max<qreal>(1, unit * 0.6)));
    painter.drawLine(QPointF(head.x() + unit, head.y()), QPointF(head.x() + unit, page.top() + unit * 1.5));
    painter.drawLine(QPointF(head.x() + unit, page.top() + unit * 1.5),
                     QPointF(head.x() + 2.6 * unit, page.top() + unit * 2.6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(head, unit * 1.1, unit * 0.8);
}

// The band across the lower part of the page with the type's name.
void DrawBand(QPainter& painter, const QRectF& page, SoundIconKind kind) {
    const QRectF band(page.left() - 2, page.bottom() - page.height() * 0.38, page.width() + 4, page.height() * 0.3);
    const QColor colour = kind == SoundIconKind::Mp3 ? QColor(30, 90, 200) : QColor(20, 140, 60);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(band, 2, 2);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(std::max(6, int(band.height() * 0.85)));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(band, Qt::AlignCenter, kind == SoundIconKind::Mp3 ? QStringLiteral("MP3") : QStringLiteral("WAV"));
}

} // namespace

SoundIconKind SoundIconKindOf(const std::filesystem::path& file) {
    return QString::fromStdString(file.extension().string()).compare(QStringLiteral(".mp3"), Qt::CaseInsensitive) == 0
               ? SoundIconKind::Mp3
               : SoundIconKind::Wav;
}

QImage SoundIcon(SoundIconKind kind, QSize size) {
    QImage icon(size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF page(size.width() * 0.2 + 0.5, 1.5, size.width() * 0.6, size.height() - 3.0);
    DrawPage(painter, page);
    DrawNote(painter, page);
    DrawBand(painter, page, kind);
    return icon;
}

} // namespace vantora
