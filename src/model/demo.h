#pragma once
// The demo: movie settings and the ordered scenes.

#include "model/colour.h"
#include "model/demo_frame.h"
#include "model/model_change.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vantora {

constexpr std::int32_t kMinDemoSize = 1;
constexpr std::int32_t kMaxDemoSize = 9999;

struct TVantora {
    std::string Name = "Demo";
    std::int32_t Width = 640;
    std::int32_t Height = 480;
    TColor BackColor = clWhite;
    std::int32_t FrameRateFactor = 2; // 1, 2 or 4: 10 x factor frames per second
    std::vector<std::unique_ptr<TDemoFrame>> Scenes; // playing order

    // Run-time: the modified flag and the listener of the editor. Not stored.
    ChangeNotifier Changes;

    TVantora() = default;
    TVantora(const TVantora&) = delete;
    TVantora& operator=(const TVantora&) = delete; // scenes point back at their demo: it never moves
};

// An entry of the recent-files list.
struct TRecentProject {
    std::string Name;     // the demo's name
    std::string FileName; // the project file

    bool operator==(const TRecentProject&) const = default;
};

// Reports a change to the demo that owns `scene` (nothing happens for a scene of no demo).
void NotifySceneChange(const TDemoFrame& scene, ModelChangeKind kind, const TDemoObject* object = nullptr);

} // namespace vantora
