#include "model/scene_operations.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace vantora {
namespace {

SceneCopier& installedCopier() {
    static SceneCopier copier;
    return copier;
}

bool sceneNameTaken(const TVantora& demo, const std::string& name) {
    return std::any_of(demo.Scenes.begin(), demo.Scenes.end(),
                       [&](const auto& scene) { return scene && scene->Name == name; });
}

} // namespace

void NotifySceneChange(const TDemoFrame& scene, ModelChangeKind kind, const TDemoObject* object) {
    if (scene.Demo)
        scene.Demo->Changes.notify({kind, &scene, object});
}

std::string UniqueSceneName(const TVantora& demo) {
    // At most Scenes.size() candidates can be taken, so this ends.
    for (std::size_t n = 1;; ++n) {
        std::string candidate = "Scene" + std::to_string(n);
        if (!sceneNameTaken(demo, candidate))
            return candidate;
    }
}

TDemoFrame& NewScene(TVantora& demo) {
    auto scene = std::make_unique<TDemoFrame>();
    scene->Name = UniqueSceneName(demo);
    TDemoFrame& added = AdoptScene(demo, std::move(scene));
    demo.Changes.notify({ModelChangeKind::SceneAdded, &added, nullptr});
    return added;
}

TDemoFrame& AdoptScene(TVantora& demo, std::unique_ptr<TDemoFrame> scene) {
    if (!scene)
        scene = std::make_unique<TDemoFrame>();
    scene->Demo = &demo;
    demo.Scenes.push_back(std::move(scene));
    return *demo.Scenes.back();
}

TDemoFrame& InsertScene(TVantora& demo, std::size_t index, std::unique_ptr<TDemoFrame> scene) {
    if (!scene)
        scene = std::make_unique<TDemoFrame>();
    scene->Demo = &demo;
    index = std::min(index, demo.Scenes.size());
    TDemoFrame& inserted = *scene;
    demo.Scenes.insert(demo.Scenes.begin() + static_cast<std::ptrdiff_t>(index), std::move(scene));
    demo.Changes.notify({ModelChangeKind::SceneAdded, &inserted, nullptr});
    return inserted;
}

std::unique_ptr<TDemoFrame> TakeScene(TVantora& demo, std::size_t index) {
    if (index >= demo.Scenes.size())
        return nullptr;
    std::unique_ptr<TDemoFrame> taken = std::move(demo.Scenes[index]);
    demo.Scenes.erase(demo.Scenes.begin() + static_cast<std::ptrdiff_t>(index));
    demo.Changes.notify({ModelChangeKind::SceneRemoved, taken.get(), nullptr});
    return taken;
}

std::size_t IndexOfScene(const TVantora& demo, const TDemoFrame* scene) {
    if (!scene)
        return std::string::npos;
    for (std::size_t i = 0; i < demo.Scenes.size(); ++i)
        if (demo.Scenes[i].get() == scene)
            return i;
    return std::string::npos;
}

void FreeScene(TDemoFrame* scene) {
    if (!scene)
        return;
    while (!scene->Objects.empty())
        scene->Objects.pop_back();
}

void ClearDemo(TVantora& demo) {
    while (!demo.Scenes.empty()) {
        FreeScene(demo.Scenes.back().get());
        demo.Scenes.pop_back();
    }
}

bool MoveScene(TVantora& demo, std::size_t from, std::size_t to) {
    const std::size_t count = demo.Scenes.size();
    if (from == to || from >= count || to >= count)
        return false;
    auto first = demo.Scenes.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    demo.Changes.notify({ModelChangeKind::ScenesReordered, demo.Scenes[to].get(), nullptr});
    return true;
}

SceneCopier InstallSceneCopier(SceneCopier copier) { return std::exchange(installedCopier(), std::move(copier)); }

DuplicateSceneResult DuplicateScene(TVantora& demo, const TDemoFrame& scene) {
    DuplicateSceneResult result;
    const SceneCopier& copier = installedCopier();
    if (!copier) {
        result.status = DuplicateSceneResult::Status::Unavailable;
        result.error = "Scenes cannot be copied yet.";
        return result;
    }
    std::unique_ptr<TDemoFrame> copy = copier(scene, result.error);
    if (!copy) {
        result.status = DuplicateSceneResult::Status::Failed;
        if (result.error.empty())
            result.error = "The scene could not be copied.";
        return result;
    }
    copy->Name = UniqueSceneName(demo);
    result.copy = &AdoptScene(demo, std::move(copy));
    result.status = DuplicateSceneResult::Status::Done;
    demo.Changes.notify({ModelChangeKind::SceneAdded, result.copy, nullptr});
    return result;
}

} // namespace vantora
