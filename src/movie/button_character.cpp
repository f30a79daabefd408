#include "movie/button_character.h"

#include "movie/click_actions.h"
#include "movie/movie_limits.h"
#include "movie/placement_transform.h"
#include "movie/registration.h"
#include "swf/button.h"
#include "swf/movie.h"
#include "swf/shape.h"

namespace vantora {
namespace {

struct ColourOffsets {
    std::int32_t Red = 0, Green = 0, Blue = 0; // percent
};

swf::TFlashShape* StateShape(swf::TFlashMovie& movie, const swf::TRect& rect, swf::TFlashImage* picture) {
    swf::TFlashShape* shape = CheckedCharacter(movie.AddRectangle(rect));
    if (picture != nullptr)
        shape->SetImageFill(picture, swf::TImageFillKind::Clipped);
    return shape;
}

// Only the terms that change the colour are written; a state without any has no colour transform.
void SetColourOffsets(swf::TFlashButton& button, swf::TSWFButtonRecord* record, const ColourOffsets& offsets) {
    const std::int32_t red = PercentToColourTerm(offsets.Red);
    const std::int32_t green = PercentToColourTerm(offsets.Green);
    const std::int32_t blue = PercentToColourTerm(offsets.Blue);
    if (red == 0 && green == 0 && blue == 0)
        return;
    swf::TSWFColorTransform& cx = button.RecordColorTransform(record);
    if (red != 0)
        cx.SetAddR(red);
    if (green != 0)
        cx.SetAddG(green);
    if (blue != 0)
        cx.SetAddB(blue);
}

// A click that does nothing leaves the button without any condition action.
void AddReleaseActions(swf::TFlashMovie& movie, swf::TFlashButton& button, const TCommand& command,
                       const SceneStarts& scenes, int sceneIndex) {
    swf::TFlashActionScript actions(&movie);
    AddClickActions(actions, command, scenes, sceneIndex);
    if (actions.List().empty())
        return;
    swf::TSWFActionList& release = button.OnRelease()->List();
    for (auto& action : actions.List())
        release.push_back(std::move(action));
}

} // namespace

ButtonStateRects ButtonRects(const swf::TRect& r) {
    return {{r.Left, r.Top, r.Right + 1, r.Bottom + 1},
            {r.Left - 1, r.Top - 1, r.Right, r.Bottom},
            {r.Left + 1, r.Top + 1, r.Right + 2, r.Bottom + 2}};
}

swf::TFlashButton* BuildButtonCharacter(swf::TFlashMovie& movie, const TDemoObject& object, swf::TFlashImage* picture,
                                        const SceneStarts& scenes, int sceneIndex) {
    const ButtonStateRects rects = ButtonRects(RegistrationRect(object));
    swf::TFlashShape* up = StateShape(movie, rects.Up, picture);
    swf::TFlashShape* over = StateShape(movie, rects.Over, picture);
    swf::TFlashShape* down = StateShape(movie, rects.Down, picture);

    swf::TFlashButton* button = CheckedCharacter(movie.AddButton(false, true));
    button->AddRecord(up, swf::bsUp | swf::bsHitTest, 1);
    SetColourOffsets(*button, button->AddRecord(over, swf::bsOver, 1),
                     {object.*slot::MouseOverRedOff, object.*slot::MouseOverGreenOff, object.*slot::MouseOverBlueOff});
    SetColourOffsets(*button, button->AddRecord(down, swf::bsDown, 1),
                     {object.MouseDownRedOff, object.*slot::MouseDownGreenOff, object.*slot::MouseDownBlueOff});
    AddReleaseActions(movie, *button, object.Command, scenes, sceneIndex);
    return button;
}

} // namespace vantora
