#include "editor/scene_list/scene_card_delegate.h"

#include "editor/document/editor_document.h"
#include "editor/scene_list/scene_card_geometry.h"
#include "editor/scene_list/scene_card_painter.h"
#include "editor/scene_list/scene_thumbnails.h"
#include "model/demo.h"

#include <QPainter>

namespace vantora {

SceneCardDelegate::SceneCardDelegate(EditorDocument& document, SceneThumbnails& thumbnails, QObject* parent)
    : QStyledItemDelegate(parent), document_(document), thumbnails_(thumbnails) {}

void SceneCardDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const auto& scenes = document_.demo().Scenes;
    const int row = index.row();
    if (row < 0 || static_cast<std::size_t>(row) >= scenes.size() || !scenes[row])
        return;
    const TDemoFrame& scene = *scenes[row];
    scene_list::SceneCard card;
    card.thumbnail = &thumbnails_.thumbnail(scene);
    card.thumbnailBox = thumbnails_.thumbnailBox();
    card.length = scene_list::LengthText(scene.Length);
    card.name = scene_list::CardNameText(scene.Name);
    card.number = row + 1;
    card.selected = option.state.testFlag(QStyle::State_Selected);
    card.dropTarget = row == dropTargetRow_;
    painter->save();
    painter->setFont(option.font);
    scene_list::PaintSceneCard(*painter, QRect(option.rect.topLeft(), scene_list::kCardSize), card);
    painter->restore();
}

QSize SceneCardDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return scene_list::kCardSize;
}

} // namespace vantora
