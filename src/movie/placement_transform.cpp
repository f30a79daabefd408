#include "movie/placement_transform.h"

#include "model/animation_motion.h"
#include "movie/movie_limits.h"
#include "swf/place_object.h"

#include <algorithm>

namespace vantora {
namespace {

std::int32_t ValueAt(const TransformSubject& subject, TChannelId channel, std::int64_t frame) {
    const std::int64_t t = frame - subject.StartFrame;
    const std::int64_t framesOnStage = subject.EndFrame - subject.StartFrame + 1;
    return ChannelValue(Channel(*subject.Animation, channel), RestingValue(channel), subject.FrameRateFactor,
                        framesOnStage, t);
}

std::optional<std::int32_t> TermFor(std::int64_t percentOff) {
    const std::int32_t term = PercentToColourTerm(percentOff);
    return term != 0 ? std::optional<std::int32_t>(term) : std::nullopt;
}

// V x size / 100, never below 0 (a shrunk-away object keeps scale 0, not a mirror image).
std::int64_t ScaledSize(std::int32_t percent, std::int32_t size) {
    return std::max<std::int64_t>(0, std::int64_t(percent) * size / 100);
}

} // namespace

TransformSubject ObjectTransformSubject(const TDemoObject& object, std::int64_t startFrame, std::int64_t endFrame,
                                        std::int32_t frameRateFactor) {
    TransformSubject subject;
    subject.Animation = &object.Animation;
    subject.Position = RegistrationPosition(object);
    subject.Width = object.Width;
    subject.Height = object.Height;
    subject.AlphaPercent = object.Alpha;
    subject.FollowsCursorPath = object.Kind == TObjectKind::Cursor;
    subject.StartFrame = startFrame;
    subject.EndFrame = endFrame;
    subject.FrameRateFactor = frameRateFactor;
    return subject;
}

TransformSubject SceneTransformSubject(const TDemoFrame& scene, std::int32_t movieWidth, std::int32_t movieHeight,
                                       std::int32_t frameRateFactor) {
    TransformSubject subject;
    subject.Animation = &scene.Animation;
    subject.Position = SceneRegistrationPosition(scene.Animation, movieWidth, movieHeight);
    subject.Width = movieWidth;
    subject.Height = movieHeight;
    subject.StartFrame = 0;
    subject.EndFrame = (std::int64_t(scene.Length) - 1) * frameRateFactor;
    subject.FrameRateFactor = frameRateFactor;
    return subject;
}

std::int32_t PercentToColourTerm(std::int64_t percent) {
    if (percent < -99)
        return -255;
    if (percent >= 100)
        return 255;
    return static_cast<std::int32_t>(percent * 255 / 100);
}

PlacementTransform ComputeTransform(const TransformSubject& subject, std::int64_t frame, MoviePoint pathOffset) {
    PlacementTransform out;
    const std::int64_t fade = ValueAt(subject, TChannelId::Fade, frame);
    out.AddAlpha = TermFor(std::int64_t(subject.AlphaPercent) * fade / 100 - 100);
    out.AddRed = TermFor(std::int64_t(ValueAt(subject, TChannelId::Red, frame)) - 100);
    out.AddGreen = TermFor(std::int64_t(ValueAt(subject, TChannelId::Green, frame)) - 100);
    out.AddBlue = TermFor(std::int64_t(ValueAt(subject, TChannelId::Blue, frame)) - 100);

    out.RotationDegrees = ValueAt(subject, TChannelId::Angle, frame);

    const std::int64_t nw = ScaledSize(ValueAt(subject, TChannelId::Width, frame), subject.Width);
    const std::int64_t nh = ScaledSize(ValueAt(subject, TChannelId::Height, frame), subject.Height);
    if (nw != subject.Width || nh != subject.Height) {
        out.Scaled = true;
        out.ScaleX = subject.Width != 0 ? double(nw) / subject.Width : 0.0;
        out.ScaleY = subject.Height != 0 ? double(nh) / subject.Height : 0.0;
    }

    std::int64_t x = subject.Position.x;
    std::int64_t y = subject.Position.y;
    if (subject.FollowsCursorPath) {
        x += pathOffset.x;
        y += pathOffset.y;
    } else {
        x += ValueAt(subject, TChannelId::LocationX, frame);
        y += ValueAt(subject, TChannelId::LocationY, frame);
    }
    out.Translation = {ClampPixel(x), ClampPixel(y)};
    return out;
}

void ApplyTransform(swf::TFlashPlaceObject& placement, const PlacementTransform& transform) {
    if (transform.HasColorTransform()) {
        swf::TSWFColorTransform& cx = placement.ColorTransform();
        // The alpha flag goes with every colour transform of PlaceObject2, so it is always set.
        cx.SetHasAlpha(true);
        if (transform.AddAlpha)
            cx.SetAddA(*transform.AddAlpha);
        if (transform.AddRed)
            cx.SetAddR(*transform.AddRed);
        if (transform.AddGreen)
            cx.SetAddG(*transform.AddGreen);
        if (transform.AddBlue)
            cx.SetAddB(*transform.AddBlue);
    }
    // The library composes a rotation with the scale already set, so the scale goes first.
    if (transform.Scaled)
        placement.SetScale(std::min(transform.ScaleX, 32767.0), std::min(transform.ScaleY, 32767.0));
    if (transform.RotationDegrees != 0)
        placement.SetRotate(double(transform.RotationDegrees % 360));
    placement.SetTranslate(transform.Translation.x, transform.Translation.y);
}

} // namespace vantora
