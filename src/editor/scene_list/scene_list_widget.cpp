#include "editor/scene_list/scene_list_widget.h"

#include "editor/document/editor_document.h"
#include "editor/scene_list/scene_card_delegate.h"
#include "editor/scene_list/scene_card_geometry.h"
#include "editor/scene_list/scene_thumbnails.h"
#include "model/demo.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUuid>

namespace vantora {

const QString SceneListWidget::kDragMimeType = QStringLiteral("application/x-vantora-scene-card");

SceneListWidget::SceneListWidget(EditorDocument& document, QWidget* parent)
    : QListWidget(parent), document_(document), thumbnails_(std::make_unique<SceneThumbnails>(document)),
      dragToken_(QUuid::createUuid().toByteArray()) {
    delegate_ = new SceneCardDelegate(document_, *thumbnails_, this);
    setItemDelegate(delegate_);
    setUniformItemSizes(true);
    setSpacing(0);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false); // the target card draws its own line
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    connect(thumbnails_.get(), &SceneThumbnails::cardChanged, this, &SceneListWidget::repaintCard);
    connect(thumbnails_.get(), &SceneThumbnails::allCardsChanged, viewport(), qOverload<>(&QWidget::update));
}

SceneListWidget::~SceneListWidget() = default;

int SceneListWidget::dropTargetRow() const { return delegate_->dropTargetRow(); }

QMimeData* SceneListWidget::mimeData(const QList<QListWidgetItem*>& items) const {
    auto* data = new QMimeData;
    if (!items.isEmpty())
        data->setData(kDragMimeType, dragToken_);
    return data;
}

// The entry stays where it is while dragged: the document moves the scene on the drop and the
// window rebuilds the entries from the demo.
void SceneListWidget::startDrag(Qt::DropActions) {
    QListWidgetItem* item = currentItem();
    if (!item)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(mimeData({item}));
    drag->setPixmap(viewport()->grab(visualItemRect(item)));
    drag->exec(Qt::MoveAction, Qt::MoveAction);
    setDropTargetRow(-1);
}

bool SceneListWidget::isOwnDrag(const QMimeData* data) const {
    return data && data->hasFormat(kDragMimeType) && data->data(kDragMimeType) == dragToken_;
}

int SceneListWidget::rowAt(QPoint viewportPosition) const {
    const QModelIndex index = indexAt(viewportPosition);
    return index.isValid() ? index.row() : -1;
}

void SceneListWidget::setDropTargetRow(int row) {
    if (row == delegate_->dropTargetRow())
        return;
    delegate_->setDropTargetRow(row);
    viewport()->update();
}

void SceneListWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (!isOwnDrag(event->mimeData())) {
        event->ignore();
        return;
    }
    setState(DraggingState);
    setDropTargetRow(rowAt(event->position().toPoint()));
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void SceneListWidget::dragMoveEvent(QDragMoveEvent* event) {
    // The base class scrolls the list when the drag nears an edge; whether the drop is taken is
    // decided here.
    QListWidget::dragMoveEvent(event);
    if (!isOwnDrag(event->mimeData())) {
        event->ignore();
        return;
    }
    setDropTargetRow(rowAt(event->position().toPoint()));
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void SceneListWidget::dragLeaveEvent(QDragLeaveEvent* event) {
    QListWidget::dragLeaveEvent(event);
    setDropTargetRow(-1);
}

void SceneListWidget::dropEvent(QDropEvent* event) {
    stopAutoScroll();
    setState(NoState);
    setDropTargetRow(-1);
    if (!isOwnDrag(event->mimeData())) {
        event->ignore();
        return;
    }
    // Only the drop is taken; the entries are rebuilt from the demo once the scene has moved.
    event->setDropAction(Qt::MoveAction);
    event->accept();
    const int from = currentRow();
    const int to = rowAt(event->position().toPoint());
    if (from < 0 || to < 0 || from == to)
        return;
    document_.moveScene(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    setFocus(Qt::OtherFocusReason);
}

void SceneListWidget::repaintCard(const TDemoFrame* scene) {
    const auto& scenes = document_.demo().Scenes;
    for (std::size_t row = 0; row < scenes.size() && row < static_cast<std::size_t>(count()); ++row)
        if (scenes[row].get() == scene) {
            viewport()->update(visualItemRect(item(static_cast<int>(row))));
            return;
        }
}

} // namespace vantora
