#pragma once
// The canvas's own rendered pictures of a scene's objects (editor state, never the model's). A
// picture is made when it is missing or its object's size changed; moving an object keeps it.

#include "model/demo_object.h"
#include "model/object_edits.h"

#include <QImage>

#include <unordered_map>

namespace vantora::canvas {

class ObjectPictureCache {
public:
    // The picture to draw for the object, or null for kinds drawn as text. Balloons, notes,
    // shapes, labels and buttons are as large as the object (a Balloon at least 40 x 40); images
    // and cursors have their picture's own size; audio shows the speaker icon.
    const QImage* pictureFor(const TDemoObject& object);

    // The object was reported changed: its picture goes unless only its place changed.
    void objectChanged(const TDemoObject& object);
    void forget(const TDemoObject* object);
    void clear();

    // How many pictures were rendered since the cache was made.
    int renderCount() const { return renders_; }

private:
    struct Entry {
        QImage picture;
        TObjectBounds bounds;
    };

    bool isCurrent(const Entry& entry, const TDemoObject& object) const;

    std::unordered_map<const TDemoObject*, Entry> entries_;
    int renders_ = 0;
};

} // namespace vantora::canvas
