#pragma once
// The "Properties" grid: the rows of the picked scene or object, edited through the document so
// that each edit is one undo step.

#include "editor/grids/grid_dialogs.h"
#include "editor/grids/grid_page.h"
#include "model/property_edit.h"

namespace vantora {

class TPropertyGrid : public GridPage {
    Q_OBJECT

public:
    TPropertyGrid(EditorDocument& document, GridDialogs dialogs, QWidget* parent = nullptr);
    const PropertySheet& sheet() const { return sheet_; }

protected:
    std::vector<GridRow> buildRows() override;
    std::vector<GridRow> everyPossibleRow() const override;

private:
    void onTyped(int index, const QString& text);
    void onPicked(int index, const QString& text);
    void onEllipsis(int index);
    void runSoundRoute();
    // The size screen shots are taken at: the demo's.
    QSize shotSize() const;
    void finish(int index, const EditResult& result);
    bool accepts(int index) const;

    GridDialogs dialogs_;
    PropertySheet sheet_;
};

} // namespace vantora
