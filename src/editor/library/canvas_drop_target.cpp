#include "editor/library/canvas_drop_target.h"

#include "editor/canvas/scene_canvas.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMetaObject>

namespace vantora {

CanvasDropTarget::CanvasDropTarget(SceneCanvas& canvas, DropHandler onDrop)
    : QObject(&canvas), canvas_(canvas), onDrop_(std::move(onDrop)) {
    canvas.setAcceptDrops(true);
    canvas.installEventFilter(this);
}

bool CanvasDropTarget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &canvas_)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!drag->mimeData() || !DecodeLibraryItem(*drag->mimeData()))
            return false;
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const std::optional<LibraryItemRef> item = drop->mimeData() ? DecodeLibraryItem(*drop->mimeData()) : std::nullopt;
        if (!item)
            return false;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        const QPoint point = canvas_.scenePoint(drop->position().toPoint());
        QMetaObject::invokeMethod(this, [this, dropped = *item, point] { onDrop_(dropped, point); }, Qt::QueuedConnection);
        return true;
    }
    default: return false;
    }
}

} // namespace vantora
