#pragma once
// The characters an object gets at its first appearance, by kind: a vector shape for Shape
// objects, and for the painted kinds (balloons, notes, images, cursors) a rectangle around the
// registration point filled with the object's freshly painted picture.
//
// Labels, texts, input texts, buttons and sounds are made of text fields, buttons and sounds that
// the movie builder does not write yet: IsExportedKind says false for them, the scene plan leaves
// them out, and their builders join Build below when those characters exist.

#include "model/demo_object.h"

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

    // The object's character; nullptr for kinds that are not exported (see IsExportedKind).
    swf::TFlashVisualObject* Build(const TDemoObject& object);

    int PicturesPainted() const { return painted_; }

private:
    swf::TFlashShape* PaintedRectangle(const TDemoObject& object, bool stretched);
    swf::TFlashShape* ImageRectangle(const TDemoObject& image);

    swf::TFlashMovie& movie_;
    BitmapConverter& bitmaps_;
    WorkFiles& workFiles_;
    QImage canvas_; // reused by every painting of the same size
    int painted_ = 0;
};

} // namespace vantora
