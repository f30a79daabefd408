#pragma once
// The two-column "Name"/"Value" table both grids are made of. Row 0 is the title row; the rows
// it is given follow. Typed cells report when the cell is left, pick lists report at once (and
// typed text, where they take it, when it is left), ellipsis buttons report their press.
// Filling never reports anything.

#include "editor/grids/grid_row.h"

#include <QTableWidget>

#include <vector>

namespace vantora {

class PickListBox;

struct GridColumnWidths {
    int name = 0;
    int value = 0;
};

// The name column is as wide as its longest name needs (`nameNeeded`), never narrower than
// designed; the value column fills the rest of the view but never gets narrower than designed.
GridColumnWidths ColumnWidthsFor(int nameNeeded, int viewportWidth);

class NameValueTable : public QTableWidget {
    Q_OBJECT

public:
    static constexpr int kNameWidth = 82;
    static constexpr int kValueWidth = 91;
    // Room after a name so that its last letter stays clear of the separator.
    static constexpr int kNameRightPad = 4;

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
    // What the name column needs to show the longest of the current names whole.
    int nameWidthNeeded() const;
    // What it needs for the longest of `names`.
    int nameWidthNeeded(const QStringList& names) const;
    // The table width that shows the names of `rows` whole beside values of designed width.
    int minimumWidthToShow(const std::vector<GridRow>& rows) const;
    // Wider where needed, so that the longest value of every pick list shows whole too.
    int preferredWidthToShow(const std::vector<GridRow>& rows) const;

signals:
    void typed(int index, const QString& text);
    void picked(int index, const QString& text);
    void ellipsisPressed(int index);

protected:
    bool viewportEvent(QEvent* event) override;
    // A double click on an ellipsis row that takes typing opens the cell's editor.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onItemChanged(QTableWidgetItem* item);
    void addValueWidget(int tableRow, const GridRow& row);
    // Edits the cell of an ellipsis row that takes typing: its button widget stands aside (the
    // table would take it for the cell's editor) until the editor closes.
    void startTyping(int tableRow);
    void restoreValueWidgets();
    PickListBox* makePickList(int index, const GridRow& row);
    void layoutColumns();
    int widthWithValueColumn(const std::vector<GridRow>& rows, int valueWidth) const;

    std::vector<GridRow> rows_;
    bool filling_ = false;
    int typingRow_ = -1; // the ellipsis row whose cell is being typed in
};

} // namespace vantora
