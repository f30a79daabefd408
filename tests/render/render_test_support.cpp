#include "render_test_support.h"

#include "render/object_renderer.h"

namespace vantora::test {

TDemoObject MakeObject(TObjectKind kind, int width, int height) {
    TDemoObject object;
    object.Kind = kind;
    object.Width = width;
    object.Height = height;
    object.Text.clear();
    return object;
}

QImage Painted(const TDemoObject& object) {
    QImage picture;
    PaintObject(object, picture);
    return picture;
}

} // namespace vantora::test
