#include "movie/registration.h"

#include "model/animation_motion.h"
#include "movie/movie_limits.h"

#include <optional>

namespace vantora {
namespace {

// The arrow tip of balloons; other kinds (and scenes) asking for ArrowPoint get their top-left
// corner, so that the mode never falls back silently to a centre the author did not pick.
std::optional<OriginPoint> ArrowTipOf(const TDemoObject& object) {
    if (object.Kind == TObjectKind::Balloon)
        return BalloonArrowPoint(object.Option, object.Width, object.Height);
    if (object.Kind == TObjectKind::RoundBalloon)
        return RoundBalloonArrowPoint(object.Option, object.Width, object.Height);
    return OriginPoint{0, 0};
}

OriginPoint CustomOf(const TAnimationSettings& a) { return {a.CustomCenterX, a.CustomCenterY}; }

// (-ox, -oy) to (w - 1 - ox, h - 1 - oy): the centred and corner rectangles of every mode are
// this one rectangle seen from the origin the mode picks.
swf::TRect RectAround(OriginPoint origin, std::int64_t w, std::int64_t h) {
    return {ClampPixel(-std::int64_t(origin.x)), ClampPixel(-std::int64_t(origin.y)), ClampPixel(w - 1 - origin.x),
            ClampPixel(h - 1 - origin.y)};
}

MoviePoint Offset(std::int64_t left, std::int64_t top, OriginPoint origin) {
    return {ClampPixel(left + origin.x), ClampPixel(top + origin.y)};
}

} // namespace

swf::TRect RegistrationRect(const TDemoObject& object) {
    std::int64_t w = object.Width;
    std::int64_t h = object.Height;
    if (object.Kind == TObjectKind::Shape || object.Kind == TObjectKind::Button) {
        w -= object.BorderWidth;
        h -= object.BorderWidth;
    }
    const std::int32_t cw = ClampPixel(w);
    const std::int32_t ch = ClampPixel(h);
    const TAnimationSettings& a = object.Animation;
    return RectAround(CenterOrigin(a.ObjectCenter, cw, ch, CustomOf(a), ArrowTipOf(object)), cw, ch);
}

swf::TRect SceneRegistrationRect(const TAnimationSettings& scene, std::int32_t movieWidth, std::int32_t movieHeight) {
    return RectAround(CenterOrigin(scene.ObjectCenter, movieWidth, movieHeight, CustomOf(scene), OriginPoint{0, 0}),
                      movieWidth, movieHeight);
}

MoviePoint RegistrationPosition(const TDemoObject& object) {
    const TAnimationSettings& a = object.Animation;
    return Offset(object.Left, object.Top,
                  CenterOrigin(a.ObjectCenter, object.Width, object.Height, CustomOf(a), ArrowTipOf(object)));
}

MoviePoint SceneRegistrationPosition(const TAnimationSettings& scene, std::int32_t movieWidth, std::int32_t movieHeight) {
    return Offset(0, 0, CenterOrigin(scene.ObjectCenter, movieWidth, movieHeight, CustomOf(scene), OriginPoint{0, 0}));
}

} // namespace vantora
