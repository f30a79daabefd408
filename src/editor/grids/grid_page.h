#pragma once
// What both grids share: they follow the document's pick (the current scene, or its one
// selected object), show "Multi - Selected" instead when several objects are selected, and
// refill after every change of the model, undo and redo included.

#include "editor/grids/name_value_table.h"
#include "model/property_rows.h"

#include <QStackedWidget>

class QLabel;

namespace vantora {

class EditorDocument;

class GridPage : public QStackedWidget {
    Q_OBJECT

public:
    GridPage(EditorDocument& document, QWidget* parent);

    NameValueTable* table() const { return table_; }
    bool showsMultiSelected() const;
    const PropertySubject& subject() const { return subject_; }
    // Fills the grid again from the model now.
    void refill();

protected:
    virtual std::vector<GridRow> buildRows() = 0;
    EditorDocument& document() { return document_; }
    void scheduleRefill();

private:
    EditorDocument& document_;
    NameValueTable* table_;
    QLabel* multi_;
    PropertySubject subject_;
    bool refillPending_ = false;
};

} // namespace vantora
