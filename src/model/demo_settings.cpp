#include "model/demo_settings.h"

#include "model/int_text.h"

namespace vantora {

TDemoSettings DemoSettingsOf(const TVantora& demo) {
    return {demo.Name, demo.Width, demo.Height, demo.BackColor, demo.FrameRateFactor};
}

void ApplyDemoSettings(TVantora& demo, const TDemoSettings& settings) {
    demo.Name = settings.Name;
    demo.Width = ClampToRange(settings.Width, kMinDemoSize, kMaxDemoSize);
    demo.Height = ClampToRange(settings.Height, kMinDemoSize, kMaxDemoSize);
    demo.BackColor = settings.BackColor;
    if (IsValidFrameRateFactor(settings.FrameRateFactor))
        demo.FrameRateFactor = settings.FrameRateFactor;
    demo.Changes.notify({ModelChangeKind::DemoSettings, nullptr, nullptr});
}

} // namespace vantora
