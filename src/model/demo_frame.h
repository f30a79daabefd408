#pragma once
// One scene of the demo: a background and the objects on it, in drawing order.

#include "model/animation_settings.h"
#include "model/colour.h"
#include "model/demo_object.h"
#include "picture/picture.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vantora {

struct TVantora;

enum class TBackImageStyle : std::int32_t { Normal = 0, Center = 1, Stretch = 2, Tile = 3 };

constexpr std::int32_t kNewSceneLength = 100; // ten seconds

struct TDemoFrame {
    std::string Name;
    TColor BackColor = clWhite;
    vantora::Picture BackImage;
    std::int32_t BackImageStyle = static_cast<std::int32_t>(TBackImageStyle::Normal);
    TAnimationSettings Animation;
    std::vector<std::int32_t> StopPoints; // timeline units, unique
    std::int32_t Length = kNewSceneLength; // timeline units
    std::vector<std::unique_ptr<TDemoObject>> Objects; // later objects lie in front

    // Run-time link to the owning demo, set when the scene joins one (AdoptScene, NewScene); lets
    // scene-level edits reach the demo's change notifier. Not stored.
    TVantora* Demo = nullptr;
};

} // namespace vantora
