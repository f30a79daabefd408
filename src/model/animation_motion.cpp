#include "model/animation_motion.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vantora {
namespace {

std::int32_t narrowToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

// R - (R - target) * distance / length, truncating toward zero. 128-bit: values and step counts
// typed without a maximum overflow even 64-bit products.
std::int32_t moveValue(std::int64_t rest, std::int64_t target, std::int64_t distance, std::int64_t length) {
    const __int128 moved = static_cast<__int128>(rest - target) * distance / length;
    const __int128 value = rest - moved;
    return static_cast<std::int32_t>(std::clamp<__int128>(value, INT32_MIN, INT32_MAX));
}

std::int64_t moveFrames(std::int32_t steps, std::int32_t frameRateFactor) {
    return steps > 0 && frameRateFactor > 0 ? std::int64_t(steps) * frameRateFactor : 0;
}

struct ArrowTip {
    // Point = (ax * w / 2 + bx, ay * h / 2 + by) with a = 0 (from the left/top), 1 (middle) or
    // 2 (from the right/bottom).
    int ax, bx, ay, by;
};

OriginPoint tipPoint(const ArrowTip& tip, std::int32_t w, std::int32_t h) {
    auto coordinate = [](int anchor, int offset, std::int32_t extent) {
        const std::int64_t base = anchor == 0 ? 0 : (anchor == 1 ? extent / 2 : extent);
        return narrowToInt32(base + offset);
    };
    return {coordinate(tip.ax, tip.bx, w), coordinate(tip.ay, tip.by, h)};
}

constexpr std::array<ArrowTip, 9> kBalloonTips{{
    {1, 0, 1, 0},    // None: middle
    {0, 2, 2, -15},  // LeftDown
    {0, 2, 0, 13},   // LeftUp
    {0, 13, 0, 2},   // TopLeft
    {2, -15, 0, 2},  // TopRight
    {2, -3, 0, 13},  // RightUp
    {2, -3, 2, -15}, // RightDown
    {2, -15, 2, -3}, // BottomRight
    {0, 13, 2, -3},  // BottomLeft
}};

constexpr std::array<ArrowTip, 12> kRoundBalloonTips{{
    {0, 15, 2, -15}, // LeftBottomCorner
    {0, 5, 2, -15},  // LeftBottom
    {0, 5, 0, 15},   // LeftTop
    {0, 15, 0, 15},  // LeftTopCorner
    {0, 15, 0, 5},   // TopLeft
    {2, -15, 0, 5},  // TopRight
    {2, -15, 0, 15}, // TopRightCorner
    {2, -5, 0, 15},  // RightTop
    {2, -5, 2, -15}, // RightBottom
    {2, -15, 2, -15}, // RightBottmCorner
    {2, -15, 2, -5}, // BottomRight
    {0, 15, 2, -5},  // BottomLeft
}};

template <std::size_t N>
OriginPoint lookupTip(const std::array<ArrowTip, N>& tips, std::int32_t arrow, std::int32_t w, std::int32_t h) {
    if (arrow < 0 || static_cast<std::size_t>(arrow) >= N)
        return {w / 2, h / 2};
    return tipPoint(tips[static_cast<std::size_t>(arrow)], w, h);
}

} // namespace

std::int32_t RestingValue(TChannelId channel) {
    switch (channel) {
    case TChannelId::Angle:
    case TChannelId::LocationX:
    case TChannelId::LocationY:
        return 0;
    default:
        return 100;
    }
}

std::int32_t ChannelValue(const TAnimationChannel& channel, std::int32_t restingValue, std::int32_t frameRateFactor,
                          std::int64_t framesOnStage, std::int64_t frame) {
    frame = std::max<std::int64_t>(frame, 0);
    const std::int64_t in = moveFrames(channel.InSteps, frameRateFactor);
    const std::int64_t out = moveFrames(channel.OutSteps, frameRateFactor);
    switch (static_cast<TAnimationType>(channel.AnimationType)) {
    case TAnimationType::OnlyForInOut: {
        if (in > 0 && frame <= in)
            return moveValue(restingValue, channel.InFromValue, in - frame, in);
        const std::int64_t outStart = framesOnStage - out;
        if (out > 0 && frame >= outStart)
            return moveValue(restingValue, channel.OutToValue, frame - outStart, out);
        return restingValue;
    }
    case TAnimationType::AllTimeLoop: {
        const std::int64_t cycle = in + out;
        if (cycle <= 0)
            return restingValue;
        const std::int64_t k = frame % cycle;
        if (k <= in && in > 0)
            return moveValue(restingValue, channel.InFromValue, in - k, in);
        return moveValue(restingValue, channel.OutToValue, k - in, out);
    }
    default:
        return restingValue;
    }
}

OriginPoint BalloonArrowPoint(std::int32_t arrow, std::int32_t w, std::int32_t h) {
    return lookupTip(kBalloonTips, arrow, w, h);
}

OriginPoint RoundBalloonArrowPoint(std::int32_t arrow, std::int32_t w, std::int32_t h) {
    return lookupTip(kRoundBalloonTips, arrow, w, h);
}

OriginPoint CenterOrigin(std::int32_t objectCenter, std::int32_t w, std::int32_t h, OriginPoint custom,
                         std::optional<OriginPoint> arrowTip) {
    // 64-bit so that "w - 1" of a damaged, hugely negative width cannot overflow.
    const std::int64_t right = std::int64_t(w) - 1;
    const std::int64_t bottom = std::int64_t(h) - 1;
    auto point = [](std::int64_t x, std::int64_t y) { return OriginPoint{narrowToInt32(x), narrowToInt32(y)}; };
    const OriginPoint middle{w / 2, h / 2};
    switch (static_cast<TObjectCenter>(objectCenter)) {
    case TObjectCenter::CustomCenter: return custom;
    case TObjectCenter::Center: return middle;
    case TObjectCenter::LeftTopCorner: return {0, 0};
    case TObjectCenter::TopCenter: return {w / 2, 0};
    case TObjectCenter::TopRightCorner: return point(right, 0);
    case TObjectCenter::RightCenter: return point(right, h / 2);
    case TObjectCenter::RightBottomCorner: return point(right, bottom);
    case TObjectCenter::BottomCenter: return point(w / 2, bottom);
    case TObjectCenter::BottomLeftCorner: return point(0, bottom);
    case TObjectCenter::LeftCenter: return {0, h / 2};
    case TObjectCenter::ArrowPoint: return arrowTip.value_or(middle);
    }
    return middle;
}

OriginPoint ObjectOrigin(const TDemoObject& object) {
    std::int64_t w = object.Width;
    std::int64_t h = object.Height;
    if (object.Kind == TObjectKind::Shape || object.Kind == TObjectKind::Button) {
        w -= object.BorderWidth;
        h -= object.BorderWidth;
    }
    std::optional<OriginPoint> tip;
    if (object.Kind == TObjectKind::Balloon)
        tip = BalloonArrowPoint(object.Option, object.Width, object.Height);
    else if (object.Kind == TObjectKind::RoundBalloon)
        tip = RoundBalloonArrowPoint(object.Option, object.Width, object.Height);
    const TAnimationSettings& a = object.Animation;
    return CenterOrigin(a.ObjectCenter, narrowToInt32(w), narrowToInt32(h), {a.CustomCenterX, a.CustomCenterY}, tip);
}

OriginPoint SceneOrigin(const TAnimationSettings& settings, std::int32_t demoWidth, std::int32_t demoHeight) {
    return CenterOrigin(settings.ObjectCenter, demoWidth, demoHeight, {settings.CustomCenterX, settings.CustomCenterY});
}

} // namespace vantora
