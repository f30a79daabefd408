#pragma once
// The button of a Button object: three rectangles about the registration point (Up and HitTest
// as they are, Over one pixel up and left, Down one pixel down and right), each filled with the
// object's painted picture at natural size; the Over and Down states brighten or darken by the
// object's colour offsets, and releasing the mouse over the button runs its click action.

#include "model/demo_object.h"
#include "swf/records.h"

namespace swf {
class TFlashButton;
class TFlashImage;
class TFlashMovie;
} // namespace swf

namespace vantora {

class SceneStarts;

struct ButtonStateRects {
    swf::TRect Up, Over, Down;
};

// The state rectangles for the registration rectangle `r` (inclusive pixels).
ButtonStateRects ButtonRects(const swf::TRect& r);

// `picture`: the painted face of every state, or nullptr for plain rectangles.
swf::TFlashButton* BuildButtonCharacter(swf::TFlashMovie& movie, const TDemoObject& button, swf::TFlashImage* picture,
                                        const SceneStarts& scenes, int sceneIndex);

} // namespace vantora
