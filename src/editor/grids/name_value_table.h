#pragma once
// The two-column "Name"/"Value" table both grids are made of. Row 0 is the title row; the rows
// it is given follow. Typed cells report when the cell is left, pick lists report at once (and
// typed text, where they take it, when it is left), ellipsis buttons report their press.
// Filling never reports anything.

#include "editor/grids/grid_row.h"

#include <QTableWidget>

class QComboBox;

#include <vector>

namespace vantora {

class NameValueTable : public QTableWidget {
    Q_OBJECT

public:
    static constexpr int kNameWidth = 82;
    static constexpr int kValueWidth = 91;

    explicit NameValueTable(QWidget* parent = nullptr);

    // Replaces every row (row 0 stays the title row).
    void setRows(const std::vector<GridRow>& rows);
    const std::vector<GridRow>& rows() const { return rows_; }
    // The table row of the row named `name`, or -1.
    int tableRowOf(const QString& name) const;
    // Shows `text` in the value cell of grid row `index` without reporting it.
    void showValue(int index, const QString& text);
    QString valueText(int index) const;
    bool isFilling() const { return filling_; }

signals:
    void typed(int index, const QString& text);
    void picked(int index, const QString& text);
    void ellipsisPressed(int index);

private:
    void onItemChanged(QTableWidgetItem* item);
    void addValueWidget(int tableRow, const GridRow& row);
    QComboBox* makePickList(int index, const GridRow& row);

    std::vector<GridRow> rows_;
    bool filling_ = false;
};

} // namespace vantora
