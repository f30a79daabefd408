#pragma once
// Lets the canvas take library items: a drag that carries one is accepted over the canvas, and
// its drop is handed on with the scene point under the mouse (the canvas may be zoomed). The
// drop is handled once the drag has finished, so that the questions it may ask do not run inside
// the platform's drag loop.

#include "editor/library/library_drag_data.h"

#include <QObject>
#include <QPoint>

#include <functional>

namespace vantora {

class SceneCanvas;

class CanvasDropTarget : public QObject {
public:
    using DropHandler = std::function<void(const LibraryItemRef& item, QPoint scenePoint)>;

    // Installs itself on `canvas`, whose child it becomes.
    CanvasDropTarget(SceneCanvas& canvas, DropHandler onDrop);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SceneCanvas& canvas_;
    DropHandler onDrop_;
};

} // namespace vantora
