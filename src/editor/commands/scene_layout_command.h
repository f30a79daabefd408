#pragma once
// The base of every edit that changes which objects a scene holds, their order, rectangles and
// times, the scene's length or its stop points. The first redo runs the edit; later undos and
// redos put the layout (and the selection) from before or after it back, so side effects such
// as normalising the order, pushing cursors, a button's stop point or a longer scene are undone
// with the edit that caused them. Objects the edit took out of the scene are held here.

#include "model/scene_layout.h"

#include <QUndoCommand>

#include <vector>

namespace vantora {

class EditorSelection;

class SceneLayoutCommand : public QUndoCommand {
public:
    // A non-zero merge key lets consecutive commands with the same key and scene merge into one
    // step (all reports of one mouse drag share a key).
    SceneLayoutCommand(TDemoFrame& scene, EditorSelection* selection, const QString& text, int mergeKey = 0);
    ~SceneLayoutCommand() override;

    void redo() final;
    void undo() final;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    TDemoFrame& scene() const { return scene_; }

protected:
    // Changes the scene through the model's operations. Runs once, on the first redo.
    virtual void perform(TDemoFrame& scene) = 0;
    // The editor's selection (may be null in tests of the model alone); what perform leaves
    // selected is what redo selects again.
    EditorSelection* selection() const { return selection_; }
    // Keeps an object perform took out of the scene, so that undo can put it back.
    void hold(std::unique_ptr<TDemoObject> object);

private:
    void restore(const TSceneLayout& layout, const std::vector<TDemoObject*>& selected);
    std::vector<TDemoObject*> selectedNow() const;

    TDemoFrame& scene_;
    EditorSelection* selection_;
    int mergeKey_;
    bool performed_ = false;
    TSceneLayout before_;
    TSceneLayout after_;
    std::vector<TDemoObject*> selectedBefore_;
    std::vector<TDemoObject*> selectedAfter_;
    ObjectPool held_; // objects of the edit that are not in the scene right now
};

} // namespace vantora
