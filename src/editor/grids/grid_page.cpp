#include "editor/grids/grid_page.h"

#include "editor/document/editor_document.h"
#include "editor/document/editor_selection.h"

#include <QLabel>

#include <algorithm>

namespace vantora {

GridPage::GridPage(EditorDocument& document, QWidget* parent)
    : QStackedWidget(parent), document_(document), table_(new NameValueTable(this)),
      multi_(new QLabel(QStringLiteral("Multi - Selected"), this)) {
    multi_->setAlignment(Qt::AlignCenter);
    addWidget(table_);
    addWidget(multi_);
    // Refills are queued: a change may be reported from inside the table's own signal.
    connect(&document, &EditorDocument::modelChanged, this, [this] { scheduleRefill(); });
    connect(&document, &EditorDocument::selectionChanged, this, [this] { scheduleRefill(); });
    connect(&document, &EditorDocument::currentSceneChanged, this, [this] { scheduleRefill(); });
    connect(&document, &EditorDocument::demoReset, this, [this] { scheduleRefill(); });
    connect(&document.selection(), &EditorSelection::changed, this, [this] { scheduleRefill(); });
}

bool GridPage::showsMultiSelected() const { return currentWidget() == multi_; }

void GridPage::scheduleRefill() {
    if (refillPending_)
        return;
    refillPending_ = true;
    QMetaObject::invokeMethod(this, [this] { refill(); }, Qt::QueuedConnection);
}

QSize GridPage::minimumSizeHint() const {
    if (minimumWidth_ == 0)
        minimumWidth_ = table_->minimumWidthToShow(everyPossibleRow());
    QSize hint = QStackedWidget::minimumSizeHint();
    hint.setWidth(std::max(hint.width(), minimumWidth_));
    return hint;
}

QSize GridPage::sizeHint() const {
    if (preferredWidth_ == 0)
        preferredWidth_ = table_->preferredWidthToShow(everyPossibleRow());
    QSize hint = QStackedWidget::sizeHint();
    hint.setWidth(std::max(hint.width(), preferredWidth_));
    return hint;
}

PropertySubject GridPage::freshSubject() {
    if (!subject_.scene || !subject_.object)
        return subject_;
    PropertySubject fresh = document_.subjectFor(subject_.object);
    fresh.scene = subject_.scene;
    return fresh;
}

void GridPage::refill() {
    refillPending_ = false;
    const auto selected = document_.selectedObjects();
    if (selected.size() > 1) {
        setCurrentWidget(multi_);
        subject_ = PropertySubject{&document_.demo(), nullptr, nullptr};
        table_->setRows({});
        return;
    }
    // With the object's rendered picture, which the "FitSize" row compares with its size.
    subject_ = document_.subjectFor(selected.empty() ? nullptr : selected.front());
    setCurrentWidget(table_);
    table_->setRows(subject_.scene ? buildRows() : std::vector<GridRow>{});
}

} // namespace vantora
