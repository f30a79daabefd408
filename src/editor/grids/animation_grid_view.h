#pragma once
// The "Animation" grid: the picked scene's or object's animation block, each edit one undo step.

#include "editor/grids/grid_page.h"
#include "model/animation_grid.h"

namespace vantora {

class TAnimationGrid : public GridPage {
    Q_OBJECT

public:
    explicit TAnimationGrid(EditorDocument& document, QWidget* parent = nullptr);
    const AnimationSheet& sheet() const { return sheet_; }

protected:
    std::vector<GridRow> buildRows() override;
    std::vector<GridRow> everyPossibleRow() const override;

private:
    void apply(int index, const QString& text, bool pick);

    AnimationSheet sheet_;
};

} // namespace vantora
