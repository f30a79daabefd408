#pragma once
// "New Scene" and "Duplicate Scene": a scene joins the demo's list and becomes the current one.
// While undone, the command holds the scene.

#include "model/demo.h"

#include <QUndoCommand>

#include <memory>

namespace vantora {

class EditorSelection;

class AddSceneCommand : public QUndoCommand {
public:
    // A new blank scene at the end.
    AddSceneCommand(TVantora& demo, EditorSelection* selection);
    // A scene made elsewhere (a copy), appended at the end with the name it has.
    AddSceneCommand(TVantora& demo, EditorSelection* selection, std::unique_ptr<TDemoFrame> scene,
                    const QString& text);

    void redo() override;
    void undo() override;

    TDemoFrame* scene() const { return scene_; }

private:
    TVantora& demo_;
    EditorSelection* selection_;
    std::unique_ptr<TDemoFrame> held_;
    TDemoFrame* scene_ = nullptr;
    TDemoFrame* previousCurrent_ = nullptr;
    std::size_t index_ = 0;
};

} // namespace vantora
