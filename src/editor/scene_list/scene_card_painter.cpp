#include "editor/scene_list/scene_card_painter.h"

#include "editor/scene_list/scene_card_geometry.h"

#include <QPainter>

namespace vantora::scene_list {
namespace {

const QColor kCardGrey(230, 230, 230);
const QColor kFrameGrey(128, 128, 128);
const QColor kInnerGrey(250, 250, 250);
const QColor kThumbnailBorder(200, 200, 200);
const QColor kNameGrey(130, 130, 130);
const QColor kMarkBlue(0, 0, 255);
// Small enough that "10.0s" ends before the name begins and the row's capitals fit between the
// inner area and the selection frame.
constexpr int kCardFontPixels = 10;

// A filled rectangle with a one-pixel outline on its outermost pixels.
void OutlinedBox(QPainter& painter, const QRect& box, const QColor& fill, const QColor& outline) {
    painter.fillRect(box, fill);
    if (box.width() < 1 || box.height() < 1)
        return;
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
}

// A frame `width` pixels thick lying inside `box`.
void ThickFrame(QPainter& painter, const QRect& box, int width, const QColor& colour) {
    const QRect inner = box.adjusted(width, width, -width, -width);
    QRegion frame(box);
    if (inner.isValid())
        frame -= QRegion(inner);
    painter.save();
    painter.setClipRegion(frame, Qt::IntersectClip);
    painter.fillRect(box, colour);
    painter.restore();
}

void PaintCardBody(QPainter& painter, QSize size, const SceneCard& content) {
    painter.fillRect(QRect(QPoint(0, 0), size), kCardGrey);
    OutlinedBox(painter, CardFrame(size), kCardGrey, kFrameGrey);
    painter.fillRect(CardInnerArea(size), kInnerGrey);

    const QRect box = content.thumbnailBox;
    if (!box.isEmpty()) {
        OutlinedBox(painter, box.adjusted(-1, -1, 1, 1), kInnerGrey, kThumbnailBorder);
        if (content.thumbnail && !content.thumbnail->isNull())
            painter.drawImage(box, *content.thumbnail);
    }

    const int baseline = TextBaseline(size);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(LengthTextOrigin(size).x(), baseline), content.length);
    painter.save();
    const QRect nameBox = NameTextBox(size);
    painter.setClipRect(nameBox, Qt::IntersectClip);
    painter.setPen(kNameGrey);
    painter.drawText(QPoint(nameBox.left(), baseline), content.name);
    painter.restore();
}

void PaintListMarks(QPainter& painter, QSize size, const SceneCard& content) {
    const QRect numberBox = NumberBox(size);
    painter.fillRect(numberBox, kCardGrey);
    painter.setPen(Qt::black);
    // Centred across its box, on the same base line as the length and the name.
    const QString number = QString::number(content.number);
    const int numberWidth = QFontMetrics(painter.font()).horizontalAdvance(number);
    painter.drawText(QPoint(numberBox.left() + (numberBox.width() - numberWidth) / 2, TextBaseline(size)), number);
    if (content.selected)
        ThickFrame(painter, SelectionFrame(size), kSelectionFrameWidth, kMarkBlue);
    if (content.dropTarget)
        painter.fillRect(QRect(0, 0, size.width(), kDropLineWidth), kMarkBlue);
}

} // namespace

void PaintSceneCard(QPainter& painter, const QRect& card, const SceneCard& content) {
    painter.save();
    painter.translate(card.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), card.size()), Qt::IntersectClip);
    // A small font whatever the list's own is.
    QFont font = painter.font();
    font.setPixelSize(kCardFontPixels);
    painter.setFont(font);
    PaintCardBody(painter, card.size(), content);
    PaintListMarks(painter, card.size(), content);
    painter.restore();
}

} // namespace vantora::scene_list
