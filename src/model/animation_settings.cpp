#include "model/animation_settings.h"

namespace vantora {

void SetFadeInOut(TAnimationSettings& settings) {
    settings.Fade.AnimationType = static_cast<std::int32_t>(TAnimationType::OnlyForInOut);
    settings.Fade.InFromValue = 0;
    settings.Fade.OutToValue = 0;
}

} // namespace vantora
