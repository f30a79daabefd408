#include "editor/grids/grid_cell_painter.h"

#include "model/colour.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QToolTip>

namespace vantora {
namespace {

QColor ToQColor(TColor c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

bool Selected(const QStyleOptionViewItem& option) { return option.state & QStyle::State_Selected; }

QColor CellFill(const QStyleOptionViewItem& option) {
    return Selected(option) ? option.palette.highlight().color() : option.palette.base().color();
}

QColor CellInk(const QStyleOptionViewItem& option) {
    return Selected(option) ? option.palette.highlightedText().color() : option.palette.text().color();
}

// The text box of a cell from `left` pixels in, starting `kTextTop` pixels down.
QRect TextBox(const QRect& cell, int left) { return cell.adjusted(left, kTextTop, -1, 0); }

void DrawCellText(QPainter* painter, const QStyleOptionViewItem& option, const QRect& box, const QString& text) {
    const QString shown = option.fontMetrics.elidedText(text, Qt::ElideRight, box.width());
    painter->drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, shown);
}

// A font row's name in the object's face and style, at the grid's own size so that every row
// keeps its height.
QFont FontRowFace(const QStyleOptionViewItem& option, const QModelIndex& index) {
    QFont face = index.data(kFontRole).value<QFont>();
    if (option.font.pixelSize() > 0)
        face.setPixelSize(option.font.pixelSize());
    else
        face.setPointSizeF(option.font.pointSizeF());
    return face;
}

QRect FontRowBox(const QRect& cell) { return cell.adjusted(2, 0, -1, 0); }

// Where a value cell's text goes: after the swatch, or from the left, short of a button.
QRect ValueTextBox(const QStyleOptionViewItem& option, const QModelIndex& index) {
    const int button = index.data(kReservedRightRole).toInt();
    if (index.data(kFontRole).isValid())
        return FontRowBox(option.rect).adjusted(0, 0, -button, 0);
    const int left = index.data(kColourRole).isValid() ? kSwatchTextLeft : kValueTextLeft;
    return TextBox(option.rect, left).adjusted(0, 0, -button, 0);
}

} // namespace

bool NeedsSilverBox(unsigned colour) { return (colour & 0xFFFFFFu) == 0xFFFFFFu; }

QColor TitleShade(const QColor& fill, int by) {
    return QColor(std::max(0, fill.red() - by), std::max(0, fill.green() - by), std::max(0, fill.blue() - by));
}

void GridCellPainter::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QVariant editText = index.data(kEditTextRole);
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line && editText.isValid()) {
        line->setText(editText.toString());
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void GridCellPainter::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const {
    QStyledItemDelegate::updateEditorGeometry(editor, option, index);
    const int reserved = index.data(kReservedRightRole).toInt();
    if (reserved > 0)
        editor->setGeometry(editor->geometry().adjusted(0, 0, -reserved, 0));
}

QColor GridCellPainter::separatorColour(const QPalette& palette) {
    return QColor(palette.color(QPalette::Midlight).darker(115).rgb()); // plain 8-bit channels
}

void GridCellPainter::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    painter->save();
    if (index.row() == 0)
        paintTitle(painter, option, index);
    else if (index.column() == 0)
        paintName(painter, option, index);
    else if (index.data(kColourRole).isValid())
        paintColour(painter, option, index);
    else if (index.data(kFontRole).isValid())
        paintFont(painter, option, index);
    else
        paintValue(painter, option, index);
    painter->restore();
    if (index.row() > 0)
        paintSeparators(painter, option, index);
    if (index.row() == 1) {
        // The title's last line becomes the grid's own colour: no separator under the title.
        painter->save();
        painter->setPen(option.palette.base().color());
        painter->drawLine(option.rect.left(), option.rect.top() - 1, option.rect.right(), option.rect.top() - 1);
        painter->restore();
    }
}

void GridCellPainter::paintTitle(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    // The table draws no grid, so the cell is the whole bar and nothing needs covering. Its last
    // line is the grid's own colour, as row 1 leaves it, so that a repaint of either agrees.
    const QRect r = option.rect;
    const QColor fill = option.palette.button().color();
    painter->fillRect(r, fill);
    for (int i = 0; i < 3; ++i) {
        painter->setPen(TitleShade(fill, 10 * (i + 1)));
        const int y = r.bottom() - 4 + i;
        painter->drawLine(r.left(), y, r.right(), y);
    }
    painter->setPen(option.palette.base().color());
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter->setPen(option.palette.buttonText().color());
    DrawCellText(painter, option, TextBox(option.rect, 3), index.data().toString());
}

const QPixmap& GridCellPainter::iconPixmap(GridRowIcon icon) const {
    auto found = icons_.find(icon);
    if (found == icons_.end())
        found = icons_.emplace(icon, GridRowIconPixmap(icon)).first;
    return found->second;
}

void GridCellPainter::paintName(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QRect r = option.rect;
    painter->fillRect(r, CellFill(option));
    const auto icon = static_cast<GridRowIcon>(index.data(kIconRole).toInt());
    if (icon != GridRowIcon::None)
        painter->drawPixmap(r.left(), r.top() + kIconTop, iconPixmap(icon));
    painter->setPen(CellInk(option));
    DrawCellText(painter, option, TextBox(r, kNameLeft), index.data().toString());
}

void GridCellPainter::paintColour(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const QRect r = option.rect;
    painter->fillRect(r, CellFill(option));
    const QRect swatch(QPoint(r.left() + 2, r.top() + 2), QPoint(r.left() + 16, r.bottom() - 2));
    painter->fillRect(swatch, ToQColor(index.data(kColourRole).toUInt()));
    painter->setPen(CellInk(option));
    painter->drawRect(swatch);
    DrawCellText(painter, option, ValueTextBox(option, index), index.data().toString());
}

void GridCellPainter::paintValue(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    painter->fillRect(option.rect, CellFill(option));
    painter->setPen(CellInk(option));
    DrawCellText(painter, option, ValueTextBox(option, index), index.data().toString());
}

QString GridCellPainter::hiddenValueText(const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (index.row() < 1 || index.column() != 1)
        return {};
    const QString text = index.data().toString();
    const QFontMetrics metrics = index.data(kFontRole).isValid() ? QFontMetrics(FontRowFace(option, index))
                                                                 : option.fontMetrics;
    return metrics.horizontalAdvance(text) > ValueTextBox(option, index).width() ? text : QString();
}

bool GridCellPainter::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                const QModelIndex& index) {
    if (!event || event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString hidden = hiddenValueText(option, index);
    if (hidden.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), hidden, view, option.rect);
    return true;
}

void GridCellPainter::paintFont(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QRect r = option.rect;
    painter->fillRect(r, CellFill(option));
    const unsigned colour = index.data(kFontColourRole).toUInt();
    if (NeedsSilverBox(colour))
        painter->fillRect(r.adjusted(2, 2, -2, -2), QColor(0xC0, 0xC0, 0xC0));
    const QFont face = FontRowFace(option, index);
    painter->setFont(face);
    painter->setPen(ToQColor(colour));
    const QRect box = ValueTextBox(option, index);
    const QString shown = QFontMetrics(face).elidedText(index.data().toString(), Qt::ElideRight, box.width());
    painter->drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

void GridCellPainter::paintSeparators(QPainter* painter, const QStyleOptionViewItem& option,
                                      const QModelIndex&) const {
    const QRect r = option.rect;
    painter->save();
    painter->setPen(separatorColour(option.palette));
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter->drawLine(r.right(), r.top(), r.right(), r.bottom());
    painter->restore();
}

} // namespace vantora
