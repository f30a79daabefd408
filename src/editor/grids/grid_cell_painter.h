#pragma once
// Draws the cells of the name/value grids: the title row with its shaded bottom lines, names,
// colour swatches with their colour names, and font names in their own face.

#include <QStyledItemDelegate>

namespace vantora {

// Item data roles the table stores with each value cell.
enum GridItemRole { kColourRole = Qt::UserRole + 1, kFontRole, kFontColourRole };

constexpr unsigned kSilverBox = 0xC0C0C0;

class GridCellPainter : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void paintTitle(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void paintColour(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void paintFont(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
};

// True when a font in this colour is drawn on a silver box to stay readable.
bool NeedsSilverBox(unsigned colour);

} // namespace vantora
