#include "editor/grids/grid_cell_painter.h"

#include "model/colour.h"

#include <QPainter>

namespace vantora {
namespace {

QColor ToQColor(TColor c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

QColor Darker(const QColor& c, int by) {
    return QColor(std::max(0, c.red() - by), std::max(0, c.green() - by), std::max(0, c.blue() - by));
}

} // namespace

bool NeedsSilverBox(unsigned colour) { return (colour & 0xFFFFFFu) == 0xFFFFFFu; }

void GridCellPainter::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (index.row() == 0) {
        paintTitle(painter, option, index);
        return;
    }
    if (index.column() == 1 && index.data(kColourRole).isValid()) {
        paintColour(painter, option, index);
        return;
    }
    if (index.column() == 1 && index.data(kFontRole).isValid()) {
        paintFont(painter, option, index);
        return;
    }
    QStyledItemDelegate::paint(painter, option, index);
}

void GridCellPainter::paintTitle(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const QRect r = option.rect.adjusted(-1, -2, 1, 1);
    const QColor fill = option.palette.button().color();
    painter->fillRect(r, fill);
    for (int i = 0; i < 3; ++i) {
        painter->setPen(Darker(fill, 10 * (i + 1)));
        const int y = option.rect.bottom() - 4 + i;
        painter->drawLine(option.rect.left(), y, option.rect.right(), y);
    }
    painter->setPen(option.palette.buttonText().color());
    painter->drawText(option.rect.adjusted(3, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, index.data().toString());
}

void GridCellPainter::paintColour(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const QRect r = option.rect;
    painter->fillRect(r, option.palette.base());
    const QRect swatch(QPoint(r.left() + 2, r.top() + 2), QPoint(r.left() + 16, r.bottom() - 2));
    painter->fillRect(swatch, ToQColor(index.data(kColourRole).toUInt()));
    painter->setPen(option.palette.text().color());
    painter->drawRect(swatch);
    painter->drawText(r.adjusted(18, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, index.data().toString());
}

void GridCellPainter::paintFont(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QRect r = option.rect;
    painter->fillRect(r, option.palette.base());
    const unsigned colour = index.data(kFontColourRole).toUInt();
    if (NeedsSilverBox(colour))
        painter->fillRect(r.adjusted(2, 2, -2, -2), QColor(0xC0, 0xC0, 0xC0));
    QFont face = index.data(kFontRole).value<QFont>();
    face.setPointSizeF(option.font.pointSizeF());
    painter->setFont(face);
    painter->setPen(ToQColor(colour));
    painter->drawText(r.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
}

} // namespace vantora
