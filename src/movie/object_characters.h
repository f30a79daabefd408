#pragma once
// The characters an object gets at its first appearance, by kind: a vector shape for Shape
// objects, and for the painted kinds (balloons, notes, images, cursors) a rectangle around the
// registration point filled with the object's freshly painted picture.
//
// Buttons get a button character (button_character.h), labels and texts their text items
// (text_character.h). Audio and InputText objects get no character here: the scene plan gives
// Audio objects a sound in their sprite and InputText objects a new field whenever the typed text
// changes.

#include "model/demo_object.h"
#include "movie/click_actions.h"

#include <QImage>

namespace swf {
class TFlashMovie;
class TFlashShape;
class TFlashVisualObject;
} // namespace swf

namespace vantora {

class BitmapConverter;
class WorkFiles;

bool IsExportedKind(TObjectKind kind);

class ObjectCharacters {
public:
    ObjectCharacters(swf::TFlashMovie& movie, BitmapConverter& bitmaps, WorkFiles& workFiles)
        : movie_(movie), bitmaps_(bitmaps), workFiles_(workFiles) {}

    // The object's character; nullptr for kinds that are not exported (see IsExportedKind) and
    // for Audio and InputText objects.
    swf::TFlashVisualObject* Build(const TDemoObject& object);

    // Where click actions jump to: the scenes of the whole demo, and the scene being built.
    void SetSceneStarts(SceneStarts starts) { scenes_ = std::move(starts); }
    void SetCurrentScene(int index) { sceneIndex_ = index; }

    int PicturesPainted() const { return painted_; }

private:
    swf::TFlashShape* PaintedRectangle(const TDemoObject& object, bool stretched);
    swf::TFlashShape* ImageRectangle(const TDemoObject& image);
    swf::TFlashVisualObject* Button(const TDemoObject& button);

    swf::TFlashMovie& movie_;
    BitmapConverter& bitmaps_;
    WorkFiles& workFiles_;
    QImage canvas_; // reused by every painting of the same size
    int painted_ = 0;
    SceneStarts scenes_;
    int sceneIndex_ = -1;
};

} // namespace vantora
