#pragma once
// What the author has picked: the current scene (the one the canvas shows) and the selected
// objects. Editor state, never stored in the project and never part of the model records.

#include <QObject>

#include <vector>

namespace vantora {

struct TDemoFrame;
struct TDemoObject;

class EditorSelection : public QObject {
    Q_OBJECT

public:
    explicit EditorSelection(QObject* parent = nullptr);

    TDemoFrame* currentScene() const { return scene_; }
    void setCurrentScene(TDemoFrame* scene);

    bool isSelected(const TDemoObject* object) const;
    bool isEmpty() const { return objects_.empty(); }

    // The selected objects of the scene in its drawing order.
    std::vector<TDemoObject*> selectedIn(const TDemoFrame& scene) const;
    // The selected objects of the current scene in drawing order (empty without a scene).
    std::vector<TDemoObject*> selectedObjects() const;
    // Everything selected, in the order it was selected.
    const std::vector<TDemoObject*>& all() const { return objects_; }

    void select(TDemoObject* object);
    void deselect(const TDemoObject* object);
    void toggle(TDemoObject* object);
    void selectOnly(TDemoObject* object); // null deselects everything
    void setSelected(const std::vector<TDemoObject*>& objects);
    void clear();

    // Drops an object that left its scene or was freed, quietly when it was not selected.
    void forget(const TDemoObject* object);
    // Drops the scene (and its objects) when it leaves the demo.
    void forgetScene(const TDemoFrame* scene);

signals:
    void changed();               // the selected objects
    void currentSceneChanged();

private:
    TDemoFrame* scene_ = nullptr;
    std::vector<TDemoObject*> objects_;
};

} // namespace vantora
