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
    // The subject with its object's rendered picture taken again now: an edit since the last
    // fill may have rendered it anew.
    PropertySubject freshSubject();
    // Fills the grid again from the model now.
    void refill();
    // Wide enough for the longest row name the grid can show, beside a value of designed width,
    // so that the pane keeps its width whatever is picked.
    QSize minimumSizeHint() const override;
    // As wide again as the longest pick-list value needs.
    QSize sizeHint() const override;

protected:
    virtual std::vector<GridRow> buildRows() = 0;
    // Every row the grid can show, for the scene or any kind of object: names and pick lists.
    virtual std::vector<GridRow> everyPossibleRow() const = 0;
    EditorDocument& document() { return document_; }
    void scheduleRefill();

private:
    EditorDocument& document_;
    NameValueTable* table_;
    QLabel* multi_;
    PropertySubject subject_;
    bool refillPending_ = false;
    // Worked out once, on first asking.
    mutable int minimumWidth_ = 0;
    mutable int preferredWidth_ = 0;
};

} // namespace vantora
