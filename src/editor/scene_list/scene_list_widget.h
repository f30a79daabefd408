#pragma once
// The scene list: one card per scene, reordered by dragging a card onto another. Drags are taken
// only from this list itself; a drop moves the dragged (selected) scene to the target's place as
// one undoable step. The window fills the entries and follows the current row.

#include <QListWidget>

#include <memory>

namespace vantora {

class EditorDocument;
class SceneCardDelegate;
class SceneThumbnails;
struct TDemoFrame;

class SceneListWidget : public QListWidget {
    Q_OBJECT

public:
    // The format a scene drag carries: the identity of the list it started from.
    static const QString kDragMimeType;

    explicit SceneListWidget(EditorDocument& document, QWidget* parent = nullptr);
    ~SceneListWidget() override;

    SceneThumbnails& thumbnails() { return *thumbnails_; }
    // The row under the drag, -1 when no drag is over a card.
    int dropTargetRow() const;

    // What a drag of these entries carries (public so that drops can be exercised directly).
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool isOwnDrag(const QMimeData* data) const;
    int rowAt(QPoint viewportPosition) const;
    void setDropTargetRow(int row);
    void repaintCard(const TDemoFrame* scene);

    EditorDocument& document_;
    std::unique_ptr<SceneThumbnails> thumbnails_;
    SceneCardDelegate* delegate_ = nullptr;
    QByteArray dragToken_; // tells this list's drags from anything else's
};

} // namespace vantora
