#include "publish/web/page_options.h"

#include "movie/click_actions.h"
#include "movie/object_timing.h"

namespace vantora::publish::web {
namespace {

// The kinds whose text the viewer reads on the stage. Text that types itself is announced from
// the movie's own field once it is typed.
bool IsReadText(TObjectKind kind) {
    switch (kind) {
    case TObjectKind::Balloon:
    case TObjectKind::RoundBalloon:
    case TObjectKind::Note:
    case TObjectKind::Label:
    case TObjectKind::Text:
    case TObjectKind::Button: return true;
    default: return false;
    }
}

} // namespace

WebPageOptions WebPageOptionsFor(const TVantora& demo, const PublishSettings& settings) {
    WebPageOptions options;
    options.title = settings.title;
    options.showControls = settings.showControls;
    const std::int32_t factor = EffectiveFrameRateFactor(demo.FrameRateFactor);
    const SceneStarts starts(demo, factor);
    for (int scene = 0; scene < starts.Count(); ++scene) {
        const std::int64_t first = starts.StartFrame(scene);
        if (first >= starts.StartFrame(scene + 1))
            continue; // a scene without frames has no start
        options.sceneFrames.push_back(int(first));
        for (const auto& object : demo.Scenes[std::size_t(scene)]->Objects) {
            const ObjectTiming timing = TimingOf(*object, factor);
            if (!IsReadText(object->Kind) || object->Text.empty() || !timing.OnStage)
                continue;
            options.captions.push_back({first + timing.Start, first + timing.Leave, object->Text,
                                        object->Left + object->Width / 2, object->Top + object->Height / 2});
        }
    }
    return options;
}

} // namespace vantora::publish::web
