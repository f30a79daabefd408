#include "model/screen_shot_scenes.h"

#include "model/animation_motion.h"
#include "model/object_operations.h"

#include <algorithm>
#include <optional>
#include <set>

namespace vantora {
namespace {

// Arrow codes of "Balloon" (names::BalloonArrow).
constexpr std::int32_t kLeftDown = 1, kLeftUp = 2, kTopLeft = 3, kTopRight = 4, kRightUp = 5, kRightDown = 6,
                       kBottomRight = 7, kBottomLeft = 8;
constexpr std::int32_t kEllipse = 1;   // names::ShapeKind
constexpr std::int32_t kFillClear = 1; // names::FillStyle
constexpr std::int32_t kEdgeMargin = 50;
constexpr std::int32_t kRingBorder = 5;
constexpr std::int32_t kRingSteps = 5;
// Where the arrow cursor's picture has its hot spot.
constexpr std::int32_t kCursorHotSpotX = 7;
constexpr std::int32_t kCursorHotSpotY = 4;
// The cursor of a new scene waits this long before moving, so the scene is seen first.
constexpr std::int32_t kNewSceneCursorDelay = 30;
constexpr std::int32_t kClickMoveDelay = 10;
constexpr std::int32_t kClickMoveDuration = 5;
constexpr std::int32_t kRingLead = 10;
constexpr std::int32_t kSoundLead = 7;
constexpr std::int32_t kBalloonDelay = 5;
// Typing starts this long after the cursor has reached the clicked spot.
constexpr std::int32_t kTypingLead = 2;
// Room per typed character in the InputText's box (its default font), and round the text.
constexpr std::int32_t kTypedCharWidth = 9;
constexpr std::int32_t kTypedTextPadding = 10;
// Typed text comes from another program's file; longer text is cut here.
constexpr std::size_t kLongestTypedText = 4096;
// Click positions come from another program's file; beyond this they mean nothing on any screen
// and would only overflow the sums below.
constexpr std::int32_t kFarthestClick = 1 << 20;

std::int32_t clampClick(std::int32_t value) { return std::clamp(value, -kFarthestClick, kFarthestClick); }

// Scene names for a batch that joins the demo at once: unique among its scenes and the batch.
class SceneNamer {
public:
    explicit SceneNamer(const TVantora& demo) {
        for (const auto& scene : demo.Scenes)
            if (scene)
                taken_.insert(scene->Name);
    }
    std::string next() {
        for (std::size_t n = 1;; ++n) {
            std::string candidate = "Scene" + std::to_string(n);
            if (taken_.insert(candidate).second)
                return candidate;
        }
    }

private:
    std::set<std::string> taken_;
};

void setInOutScale(TAnimationChannel& channel) {
    channel.AnimationType = static_cast<std::int32_t>(TAnimationType::OnlyForInOut);
    channel.InFromValue = 0;
    channel.InSteps = kRingSteps;
    channel.OutToValue = 0;
    channel.OutSteps = kRingSteps;
}

// Where and when a click happened on its scene: typing after it goes there.
struct ClickSpot {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t arrival = 0; // the cursor is on the spot
};

// The click at (x, y) shown on the scene it happened on: the cursor moves there quickly, the
// ring and the sound come just before, and the balloon once the cursor is there.
ClickSpot addClick(TDemoFrame& scene, std::int32_t x, std::int32_t y, const TVantora& demo,
              const std::vector<std::uint8_t>& clickSound) {
    TDemoObject& cursor = NewObject(scene, TObjectKind::Cursor, x - kCursorHotSpotX, y - kCursorHotSpotY);
    cursor.StartTime += kClickMoveDelay;
    cursor.EndTime = cursor.StartTime + kClickMoveDuration;
    const std::int32_t at = cursor.StartTime;

    TDemoObject& ring = NewObject(scene, TObjectKind::Shape, x - kClickRingSize / 2, y - kClickRingSize / 2);
    ring.Width = ring.Height = kClickRingSize;
    ring.Style = kEllipse;
    ring.Option = kFillClear;
    ring.BorderWidth = kRingBorder;
    setInOutScale(ring.Animation.Width);
    setInOutScale(ring.Animation.Height);
    ring.StartTime = at - kRingLead;
    ring.EndTime = at;

    TDemoObject& sound = NewObject(scene, TObjectKind::Audio, 0, 0);
    sound.StartTime = at - kSoundLead;
    sound.EndTime = at;
    if (!clickSound.empty()) {
        sound.AudioType = "WAV";
        sound.AudioData = clickSound;
    }

    TDemoObject& balloon = NewObject(scene, TObjectKind::Balloon, x, y);
    balloon.Width = kClickBalloonWidth;
    balloon.Height = kClickBalloonHeight;
    balloon.Text = kClickBalloonText;
    balloon.Option = ClickBalloonArrow(x, y, demo.Width, demo.Height);
    const std::int32_t stay = balloon.EndTime - balloon.StartTime;
    balloon.StartTime = at + kBalloonDelay;
    balloon.EndTime = balloon.StartTime + stay;
    const OriginPoint tip = BalloonArrowPoint(balloon.Option, balloon.Width, balloon.Height);
    balloon.Left = x - tip.x;
    balloon.Top = y - tip.y;
    return ClickSpot{x, y, cursor.EndTime};
}

// The text typed after a click: an InputText whose box starts at the clicked spot, typing from
// the first character once the cursor is there, one character per unit.
void addTyping(TDemoFrame& scene, const ClickSpot& click, const std::string& typed, const TVantora& demo) {
    const std::string text = typed.substr(0, kLongestTypedText);
    TDemoObject& input = NewObject(scene, TObjectKind::InputText, click.x, 0);
    input.Text = text;
    input.Top = click.y - input.Height / 2;
    const auto characters = static_cast<std::int32_t>(text.size());
    input.Width = std::max(input.Width, std::min(characters * kTypedCharWidth + kTypedTextPadding,
                                                 std::max(demo.Width - click.x, kTypedCharWidth)));
    input.Angle = 1;  // InputFrom: type every character
    input.Margin = 0; // InputDelay
    input.Spacing = kTypedCharDelay;
    input.StartTime = click.arrival + kTypingLead;
    input.EndTime = input.StartTime + characters * kTypedCharDelay + kTypedTextStay;
}

void delayCursors(TDemoFrame& scene) {
    for (const auto& object : scene.Objects)
        if (object->Kind == TObjectKind::Cursor) {
            object->StartTime += kNewSceneCursorDelay;
            object->EndTime += kNewSceneCursorDelay;
        }
}

void fitLengthToObjects(TDemoFrame& scene) {
    std::int32_t length = 0;
    for (const auto& object : scene.Objects)
        length = std::max(length, object->EndTime);
    scene.Length = length;
}

} // namespace

std::int32_t ClickBalloonArrow(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    const bool upper = y < height / 2;
    if (x < kEdgeMargin)
        return upper ? kLeftUp : kLeftDown;
    if (x > width - kEdgeMargin)
        return upper ? kRightUp : kRightDown;
    const bool right = x >= width / 2;
    if (y < kEdgeMargin)
        return right ? kTopRight : kTopLeft;
    if (y > height - kEdgeMargin || y > height / 2)
        return right ? kBottomRight : kBottomLeft;
    return right ? kTopRight : kTopLeft;
}

std::optional<ShotSize> FullScreenShotSize(std::span<const TScreenShot> shots) {
    for (const TScreenShot& shot : shots)
        for (const TShotEvent& event : shot.Events) {
            if (event.Kind != static_cast<std::int32_t>(TShotEventKind::Click))
                continue;
            const std::int32_t width = event.Extra[0], height = event.Extra[1];
            if (event.Extra[4] != kFullScreenMark || width < kMinDemoSize || width > kMaxDemoSize ||
                height < kMinDemoSize || height > kMaxDemoSize)
                return std::nullopt;
            return ShotSize{width, height};
        }
    return std::nullopt;
}

std::vector<std::unique_ptr<TDemoFrame>> BuildScreenShotScenes(const TVantora& demo,
                                                               std::span<const TScreenShot> shots,
                                                               const std::vector<std::uint8_t>& clickSound) {
    std::vector<std::unique_ptr<TDemoFrame>> scenes;
    SceneNamer names(demo);
    for (const TScreenShot& shot : shots) {
        auto scene = std::make_unique<TDemoFrame>();
        scene->Name = names.next();
        scene->BackImage = Picture(PictureFormat::Jpeg, shot.Jpeg);
        TDemoFrame* previous = scenes.empty() ? nullptr : scenes.back().get();
        if (!previous)
            NewObject(*scene, TObjectKind::Cursor, demo.Width / 2, demo.Height / 2);
        std::optional<ClickSpot> lastClick; // on the previous scene
        for (const TShotEvent& event : shot.Events) {
            if (event.Kind == static_cast<std::int32_t>(TShotEventKind::TypedText)) {
                if (lastClick && !event.Text.empty())
                    addTyping(*previous, *lastClick, event.Text, demo);
                continue;
            }
            if (event.Kind != static_cast<std::int32_t>(TShotEventKind::Click))
                continue;
            const std::int32_t x = clampClick(event.X), y = clampClick(event.Y);
            NewObject(*scene, TObjectKind::Cursor, x - kCursorHotSpotX, y - kCursorHotSpotY);
            if (previous)
                lastClick = addClick(*previous, x, y, demo, clickSound);
        }
        delayCursors(*scene);
        scenes.push_back(std::move(scene));
    }
    for (const auto& scene : scenes)
        fitLengthToObjects(*scene);
    return scenes;
}

} // namespace vantora
