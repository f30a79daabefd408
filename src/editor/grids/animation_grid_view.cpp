#include "editor/grids/animation_grid_view.h"

#include "editor/commands/property_command.h"
#include "editor/document/editor_document.h"
#include "model/demo_object.h"

namespace vantora {

TAnimationGrid::TAnimationGrid(EditorDocument& document, QWidget* parent) : GridPage(document, parent) {
    setObjectName(QStringLiteral("AnimationGrid"));
    connect(table(), &NameValueTable::typed, this, [this](int i, const QString& t) { apply(i, t, false); });
    connect(table(), &NameValueTable::picked, this, [this](int i, const QString& t) { apply(i, t, true); });
    refill();
}

std::vector<GridRow> TAnimationGrid::buildRows() {
    sheet_ = BuildAnimationSheet(subject());
    const TAnimationSettings* settings = AnimationOf(subject());
    std::vector<GridRow> rows;
    if (!settings)
        return rows;
    for (const AnimationRow& row : sheet_.rows) {
        GridRow g;
        g.icon = AnimationRowIcon(sheet_, int(rows.size()));
        g.name = QString::fromStdString(row.name);
        g.value = QString::fromStdString(AnimationDisplayValue(row, *settings));
        g.style = row.route == EditRoute::Pick          ? GridEditStyle::Pick
                  : row.route == EditRoute::PickOrTyped ? GridEditStyle::PickOrTyped
                  : row.route == EditRoute::ReadOnly    ? GridEditStyle::ReadOnly
                                                        : GridEditStyle::Typed;
        for (const std::string& pick : row.pickList)
            g.picks << QString::fromStdString(pick);
        rows.push_back(std::move(g));
    }
    return rows;
}

std::vector<GridRow> TAnimationGrid::everyPossibleRow() const {
    // The scene's block shows every channel, and balloons offer the most centres.
    std::vector<GridRow> rows;
    TDemoObject balloon;
    balloon.Kind = TObjectKind::Balloon;
    for (const PropertySubject& subject : {PropertySubject{}, PropertySubject{nullptr, nullptr, &balloon}})
        for (const AnimationRow& row : BuildAnimationSheet(subject).rows) {
            GridRow g;
            g.name = QString::fromStdString(row.name);
            for (const std::string& pick : row.pickList)
                g.picks << QString::fromStdString(pick);
            rows.push_back(std::move(g));
        }
    return rows;
}

void TAnimationGrid::apply(int index, const QString& text, bool pick) {
    if (!subject().scene || index < 0 || std::size_t(index) >= sheet_.rows.size())
        return; // nothing is picked while several objects are selected
    const AnimationRow row = sheet_.rows[std::size_t(index)];
    const PropertySubject who = subject();
    const std::string value = text.toStdString();
    // The command runs the edit inside push; the answer is taken while it runs.
    EditResult result;
    document().push(new PropertyCommand(
        who, QString::fromStdString(row.name),
        [&result, row, who, value, pick] {
            return result = pick ? ApplyAnimationPick(row, who, value) : ApplyAnimationTyped(row, who, value);
        }));
    table()->showValue(index, QString::fromStdString(result.cellText));
    if (result.changed || result.refill)
        scheduleRefill();
}

} // namespace vantora
