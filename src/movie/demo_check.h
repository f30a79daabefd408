#pragma once
// The demo check: what would stand in a viewer's way in the published movie, found before it is
// built. Tools > "Check Demo" lists the findings, Preview and Publish show them without stopping,
// and `vantora-build --check` prints them one a line.

#include "model/demo.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vantora {

enum class DemoFindingKind {
    StopWithoutContinue, // a stop point with no button on the stage whose action goes on
    ClickOffStage,       // a pointer that clicks outside the stage
    OffStage,            // an object wholly off the stage
    EmptyPicture,        // an image (or custom pointer) without a picture
    MissingFont,         // a font this machine lacks
    UndecodableSound,    // sound data the movie cannot take
};

inline constexpr std::size_t kNoObject = static_cast<std::size_t>(-1);

struct DemoFinding {
    DemoFindingKind kind;
    std::size_t scene = 0;         // index in the demo's scenes
    std::size_t object = kNoObject; // index in the scene's objects; kNoObject for a stop point
    std::string subject;           // the object's name, or "stop point at 4.5 s"
    std::string text;              // what is wrong, "lies wholly off the 800 x 600 stage"
};

// What the check asks of the machine; tests hand in their own.
struct DemoCheckProbes {
    std::function<bool(const std::string& family)> fontAvailable;
    std::function<bool(const TDemoObject& audio)> soundDecodes;
};

// This machine's fonts, and the sound reader of the movie builder.
DemoCheckProbes SystemCheckProbes();

// The findings scene by scene, each scene's stop points first, then its objects in list order.
std::vector<DemoFinding> CheckDemo(const TVantora& demo, const DemoCheckProbes& probes = SystemCheckProbes());

// One line naming the scene and the object: Scene 2 "Intro", Balloon1: lies wholly off the
// 800 x 600 stage.
std::string FindingLine(const TVantora& demo, const DemoFinding& finding);

} // namespace vantora
