#pragma once
// How the model tells its viewers that something changed, without knowing about windows: the
// demo carries one notifier; every editing operation reports what it changed and sets the
// modified flag. The editor's document, the render cache and the panes listen to refresh lists,
// re-render objects and redraw.

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

namespace vantora {

struct TDemoFrame;
struct TDemoObject;

enum class ModelChangeKind {
    DemoSettings,    // name, size, colour or frame rate of the demo
    SceneAdded,      // a scene joined the list (needs a scene-list entry)
    SceneRemoved,    // a scene left the list; the scene still exists while the report runs
    ScenesReordered, // scenes moved within the list
    SceneChanged,    // a scene's own properties (name, background, style, animation)
    SceneRenamed,
    StopPoints,      // the scene's stop points (the timeline redraws)
    ObjectAdded,
    ObjectRemoved,   // an object left its scene; the object still exists while the report runs
    ObjectsReordered, // the drawing order of the scene's objects
    ObjectChanged,   // an object's properties: re-render it and redraw
    ObjectRenamed,   // refresh the object selector and the timeline
    AnimationChanged, // the animation block of an object, or of the scene when object is null
                      // (no re-render needed)
    ObjectTiming,    // start/end times or the scene length
};

struct ModelChange {
    ModelChangeKind kind;
    const TDemoFrame* scene = nullptr;
    const TDemoObject* object = nullptr;
    // ObjectChanged only: nothing but the object's rectangle changed (a move or a resize), so a
    // rendered picture stays good as long as the size it was made for is kept.
    bool boundsOnly = false;
};

class ChangeNotifier {
public:
    using Listener = std::function<void(const ModelChange&)>;
    using ListenerId = std::size_t;

    // Adds a listener; the id removes it again. Listeners are told in the order they were added.
    ListenerId addListener(Listener listener) {
        listeners_.emplace_back(++lastId_, std::move(listener));
        return lastId_;
    }

    void removeListener(ListenerId id) {
        std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
    }

    // Sets the modified flag and tells every listener. A listener may add or remove listeners
    // while it runs: one removed meanwhile is not called any more, one added hears the next change.
    void notify(const ModelChange& change) {
        modified_ = true;
        std::vector<ListenerId> ids;
        for (const auto& entry : listeners_)
            ids.push_back(entry.first);
        for (const ListenerId id : ids)
            for (const auto& entry : listeners_)
                if (entry.first == id) {
                    const Listener listener = entry.second; // survives its own removal
                    if (listener)
                        listener(change);
                    break;
                }
    }

    bool modified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

private:
    std::vector<std::pair<ListenerId, Listener>> listeners_;
    ListenerId lastId_ = 0;
    bool modified_ = false;
};

} // namespace vantora
