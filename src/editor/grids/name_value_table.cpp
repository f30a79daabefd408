#include "editor/grids/name_value_table.h"

#include "editor/grids/grid_cell_painter.h"
#include "editor/grids/grid_font.h"
#include "editor/grids/pick_list_box.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace vantora {

GridColumnWidths ColumnWidthsFor(int nameNeeded, int viewportWidth) {
    GridColumnWidths widths;
    widths.name = std::max(NameValueTable::kNameWidth, nameNeeded);
    widths.value = std::max(NameValueTable::kValueWidth, viewportWidth - widths.name);
    return widths;
}

NameValueTable::NameValueTable(QWidget* parent) : QTableWidget(parent) {
    setColumnCount(2);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // The columns are laid out here (layoutColumns), not stretched by the header: the value
    // column must not shrink below its width when a long name widens the name column.
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setMinimumSectionSize(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setItemDelegate(new GridCellPainter(this));
    setShowGrid(false); // the cell painter draws the separators, and none under the title
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(this, &QTableWidget::itemChanged, this, &NameValueTable::onItemChanged);
    connect(itemDelegate(), &QAbstractItemDelegate::closeEditor, this, [this] {
        typingRow_ = -1;
        QTimer::singleShot(0, this, &NameValueTable::restoreValueWidgets); // once the editor is gone
    });
    setRows({});
}

void NameValueTable::setRows(const std::vector<GridRow>& rows) {
    filling_ = true;
    clearContents();
    rows_ = rows;
    setRowCount(int(rows.size()) + 1);
    auto* nameTitle = new QTableWidgetItem(QStringLiteral("Name"));
    auto* valueTitle = new QTableWidgetItem(QStringLiteral("Value"));
    for (auto* title : {nameTitle, valueTitle})
        title->setFlags(Qt::ItemIsEnabled);
    setItem(0, 0, nameTitle);
    setItem(0, 1, valueTitle);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const GridRow& row = rows[i];
        const int r = int(i) + 1;
        auto* name = new QTableWidgetItem(row.name);
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        name->setData(kIconRole, int(row.icon));
        auto* value = new QTableWidgetItem(row.value);
        const bool editable = row.style == GridEditStyle::Typed || row.style == GridEditStyle::TypedAtOnce ||
                              row.typedText.has_value();
        value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | (editable ? Qt::ItemIsEditable : Qt::NoItemFlags));
        if (row.colour)
            value->setData(kColourRole, QVariant::fromValue(unsigned(*row.colour)));
        if (row.typedText)
            value->setData(kEditTextRole, *row.typedText);
        if (row.style == GridEditStyle::Ellipsis)
            value->setData(kReservedRightRole, verticalHeader()->defaultSectionSize()); // the button
        if (row.font) {
            value->setData(kFontRole, ToQFont(*row.font));
            value->setData(kFontColourRole, QVariant::fromValue(unsigned(row.font->Color)));
        }
        setItem(r, 0, name);
        setItem(r, 1, value);
        addValueWidget(r, row);
    }
    layoutColumns();
    filling_ = false;
}

int NameValueTable::nameWidthNeeded() const {
    QStringList names;
    for (const GridRow& row : rows_)
        names << row.name;
    return nameWidthNeeded(names);
}

int NameValueTable::nameWidthNeeded(const QStringList& names) const {
    int longest = 0;
    for (const QString& name : names)
        longest = std::max(longest, fontMetrics().horizontalAdvance(name));
    return kNameLeft + longest + kNameRightPad;
}

int NameValueTable::widthWithValueColumn(const std::vector<GridRow>& rows, int valueWidth) const {
    QStringList names;
    for (const GridRow& row : rows)
        names << row.name;
    const GridColumnWidths columns = ColumnWidthsFor(nameWidthNeeded(names), 0);
    // Room for the vertical scroll bar too: long sheets have one.
    return columns.name + std::max(columns.value, valueWidth) + 2 * frameWidth() +
           verticalScrollBar()->sizeHint().width();
}

int NameValueTable::minimumWidthToShow(const std::vector<GridRow>& rows) const {
    return widthWithValueColumn(rows, kValueWidth);
}

int NameValueTable::preferredWidthToShow(const std::vector<GridRow>& rows) const {
    QStringList picks;
    for (const GridRow& row : rows)
        picks << row.picks;
    picks.removeDuplicates();
    // A drop-down's own size hint is as wide as its longest entry with the arrow beside it.
    PickListBox box(picks, false);
    box.setFont(font());
    return widthWithValueColumn(rows, box.sizeHint().width());
}

void NameValueTable::layoutColumns() {
    const GridColumnWidths widths = ColumnWidthsFor(nameWidthNeeded(), viewport()->width());
    if (columnWidth(0) != widths.name)
        setColumnWidth(0, widths.name);
    if (columnWidth(1) != widths.value)
        setColumnWidth(1, widths.value);
}

bool NameValueTable::viewportEvent(QEvent* event) {
    const bool handled = QTableWidget::viewportEvent(event);
    if (event->type() == QEvent::Resize)
        layoutColumns();
    return handled;
}

void NameValueTable::addValueWidget(int tableRow, const GridRow& row) {
    const int index = tableRow - 1;
    if (row.style == GridEditStyle::Pick || row.style == GridEditStyle::PickOrTyped) {
        setCellWidget(tableRow, 1, makePickList(index, row));
    } else if (row.style == GridEditStyle::Ellipsis) {
        // A transparent holder keeps the painted cell visible left of the button.
        auto* holder = new QWidget;
        auto* layout = new QHBoxLayout(holder);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addStretch(1);
        auto* button = new QToolButton;
        button->setObjectName(QStringLiteral("Ellipsis"));
        button->setText(QStringLiteral("..."));
        button->setFixedWidth(rowHeight(tableRow));
        layout->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, index] { emit ellipsisPressed(index); });
        if (row.typedText) {
            holder->setProperty("tableRow", tableRow);
            holder->installEventFilter(this);
        }
        setCellWidget(tableRow, 1, holder);
    }
}

bool NameValueTable::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick && watched->property("tableRow").isValid()) {
        const int tableRow = watched->property("tableRow").toInt();
        QTimer::singleShot(0, this, [this, tableRow] { startTyping(tableRow); }); // not inside its own event
        return true;
    }
    return QTableWidget::eventFilter(watched, event);
}

void NameValueTable::startTyping(int tableRow) {
    QTableWidgetItem* cell = item(tableRow, 1);
    if (!cell || !cell->flags().testFlag(Qt::ItemIsEditable))
        return;
    removeCellWidget(tableRow, 1);
    setCurrentItem(cell);
    editItem(cell); // closes any other editor first
    typingRow_ = tableRow;
}

void NameValueTable::restoreValueWidgets() {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const int tableRow = int(i) + 1;
        if (rows_[i].style == GridEditStyle::Ellipsis && tableRow != typingRow_ && !cellWidget(tableRow, 1))
            addValueWidget(tableRow, rows_[i]);
    }
}

PickListBox* NameValueTable::makePickList(int index, const GridRow& row) {
    auto* box = new PickListBox(row.picks, row.style == GridEditStyle::PickOrTyped);
    box->showValue(row.value);
    connect(box, &QComboBox::activated, this, [this, index, box](int) {
        if (!filling_)
            emit picked(index, box->currentText());
    });
    if (row.style == GridEditStyle::PickOrTyped) {
        // Typed text is validated like any typed cell: when the cell is left.
        connect(box->lineEdit(), &QLineEdit::editingFinished, this, [this, index, box] {
            if (!filling_)
                emit typed(index, box->currentText());
        });
    }
    return box;
}

int NameValueTable::tableRowOf(const QString& name) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].name == name)
            return int(i) + 1;
    return -1;
}

void NameValueTable::showValue(int index, const QString& text) {
    QTableWidgetItem* cell = item(index + 1, 1);
    if (!cell)
        return;
    const bool wasFilling = filling_;
    filling_ = true;
    cell->setText(text);
    if (auto* box = qobject_cast<PickListBox*>(cellWidget(index + 1, 1)))
        box->showValue(text);
    filling_ = wasFilling;
}

QString NameValueTable::valueText(int index) const {
    const QTableWidgetItem* cell = item(index + 1, 1);
    return cell ? cell->text() : QString();
}

void NameValueTable::onItemChanged(QTableWidgetItem* changed) {
    if (filling_ || changed->column() != 1 || changed->row() < 1)
        return;
    emit typed(changed->row() - 1, changed->text());
}

} // namespace vantora
