#pragma once
// Draws the cells of the name/value grids: the title row with its shaded bottom lines, the row
// marks and names, colour swatches with their colour names, font names in their own face, and
// the separators between cells (the table's own grid is off so that the title row has none).

#include "editor/grids/grid_row_icons.h"

#include <QStyledItemDelegate>

#include <map>

namespace vantora {

// Item data roles the table stores with each cell.
// kReservedRightRole: pixels at the cell's right that a button covers.
// kEditTextRole: the text typing starts from, where it differs from the shown text.
enum GridItemRole { kColourRole = Qt::UserRole + 1, kFontRole, kFontColourRole, kIconRole, kReservedRightRole, kEditTextRole };

constexpr unsigned kSilverBox = 0xC0C0C0;

// Where the parts of a cell are drawn, relative to the cell's rectangle.
constexpr int kIconTop = 1;
constexpr int kNameLeft = 17;
constexpr int kTextTop = 2;
constexpr int kSwatchTextLeft = 18;
constexpr int kValueTextLeft = 2;

class GridCellPainter : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // A value cell whose text is cut shows the whole text as its tooltip.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // Typing starts from the cell's edit text where it has one, left of any button.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    // The text of a value cell when the cell cannot show all of it, else nothing.
    static QString hiddenValueText(const QStyleOptionViewItem& option, const QModelIndex& index);

    // The separator colour between cells.
    static QColor separatorColour(const QPalette& palette);

private:
    void paintTitle(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void paintName(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void paintColour(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void paintFont(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void paintValue(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void paintSeparators(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    const QPixmap& iconPixmap(GridRowIcon icon) const;

    mutable std::map<GridRowIcon, QPixmap> icons_; // drawn once per painter
};

// True when a font in this colour is drawn on a silver box to stay readable.
bool NeedsSilverBox(unsigned colour);

// The title row's fill darkened by `by` per channel, floored at 0: its three shading lines.
QColor TitleShade(const QColor& fill, int by);

} // namespace vantora
