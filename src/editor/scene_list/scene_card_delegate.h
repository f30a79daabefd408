#pragma once
// Draws the scene list's entries as cards: the thumbnail from the shared thumbnails, the length
// and name from the scene, the number from its place, and the list's selection and drop marks.

#include <QStyledItemDelegate>

namespace vantora {

class EditorDocument;
class SceneThumbnails;

class SceneCardDelegate : public QStyledItemDelegate {
public:
    SceneCardDelegate(EditorDocument& document, SceneThumbnails& thumbnails, QObject* parent = nullptr);

    // The row that gets the drop-target line while a drag is over it; -1 for none.
    void setDropTargetRow(int row) { dropTargetRow_ = row; }
    int dropTargetRow() const { return dropTargetRow_; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    EditorDocument& document_;
    SceneThumbnails& thumbnails_;
    int dropTargetRow_ = -1;
};

} // namespace vantora
