#pragma once
// How the model tells its viewers that something changed, without knowing about windows: the
// demo carries one notifier; every editing operation reports what it changed and sets the
// modified flag. The editor listens to refresh lists, re-render objects and redraw.

#include <functional>

namespace vantora {

struct TDemoFrame;
struct TDemoObject;

enum class ModelChangeKind {
    DemoSettings,    // name, size, colour or frame rate of the demo
    SceneAdded,      // a scene was appended (needs a scene-list entry)
    ScenesReordered, // scenes moved within the list
    SceneChanged,    // a scene's own properties (name, background, style, animation)
    SceneRenamed,
    StopPoints,      // the scene's stop points (the timeline redraws)
    ObjectAdded,
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
};

class ChangeNotifier {
public:
    using Listener = std::function<void(const ModelChange&)>;

    void setListener(Listener listener) { listener_ = std::move(listener); }

    // Sets the modified flag and tells the listener.
    void notify(const ModelChange& change) {
        modified_ = true;
        if (listener_)
            listener_(change);
    }

    bool modified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

private:
    Listener listener_;
    bool modified_ = false;
};

} // namespace vantora
