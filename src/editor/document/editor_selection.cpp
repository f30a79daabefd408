#include "editor/document/editor_selection.h"

#include "model/demo_frame.h"

#include <algorithm>

namespace vantora {

EditorSelection::EditorSelection(QObject* parent) : QObject(parent) {}

void EditorSelection::setCurrentScene(TDemoFrame* scene) {
    if (scene_ == scene)
        return;
    scene_ = scene;
    emit currentSceneChanged();
}

bool EditorSelection::isSelected(const TDemoObject* object) const {
    return object && std::find(objects_.begin(), objects_.end(), object) != objects_.end();
}

std::vector<TDemoObject*> EditorSelection::selectedIn(const TDemoFrame& scene) const {
    std::vector<TDemoObject*> selected;
    for (const auto& object : scene.Objects)
        if (isSelected(object.get()))
            selected.push_back(object.get());
    return selected;
}

std::vector<TDemoObject*> EditorSelection::selectedObjects() const {
    return scene_ ? selectedIn(*scene_) : std::vector<TDemoObject*>{};
}

void EditorSelection::select(TDemoObject* object) {
    if (!object || isSelected(object))
        return;
    objects_.push_back(object);
    emit changed();
}

void EditorSelection::deselect(const TDemoObject* object) {
    if (!isSelected(object))
        return;
    std::erase(objects_, object);
    emit changed();
}

void EditorSelection::toggle(TDemoObject* object) {
    if (isSelected(object))
        deselect(object);
    else
        select(object);
}

void EditorSelection::selectOnly(TDemoObject* object) {
    setSelected(object ? std::vector<TDemoObject*>{object} : std::vector<TDemoObject*>{});
}

void EditorSelection::setSelected(const std::vector<TDemoObject*>& objects) {
    std::vector<TDemoObject*> unique;
    for (TDemoObject* object : objects)
        if (object && std::find(unique.begin(), unique.end(), object) == unique.end())
            unique.push_back(object);
    if (unique == objects_)
        return;
    objects_ = std::move(unique);
    emit changed();
}

void EditorSelection::clear() { setSelected({}); }

void EditorSelection::forget(const TDemoObject* object) { deselect(object); }

void EditorSelection::forgetScene(const TDemoFrame* scene) {
    if (!scene)
        return;
    std::vector<TDemoObject*> kept;
    for (TDemoObject* object : objects_) {
        const bool inScene = std::any_of(scene->Objects.begin(), scene->Objects.end(),
                                         [&](const auto& own) { return own.get() == object; });
        if (!inScene)
            kept.push_back(object);
    }
    setSelected(kept);
    if (scene_ == scene)
        setCurrentScene(nullptr);
}

} // namespace vantora
