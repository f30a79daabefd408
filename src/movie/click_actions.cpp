#include "movie/click_actions.h"

#include "swf/actions.h"

#include <algorithm>

namespace vantora {

SceneStarts::SceneStarts(const TVantora& demo, std::int32_t frameRateFactor) {
    for (const auto& scene : demo.Scenes) {
        names_.push_back(scene->Name);
        // A scene of length 0 or below has no frames in the movie, so it moves no later scene.
        starts_.push_back(starts_.back() + std::int64_t(std::max(scene->Length, 0)) * frameRateFactor);
    }
}

std::optional<int> SceneStarts::FindScene(const std::string& name) const {
    const auto found = std::find(names_.begin(), names_.end(), name);
    if (found == names_.end())
        return std::nullopt;
    return int(found - names_.begin());
}

std::int32_t SceneEntryFrame(std::int64_t start) { return std::uint16_t(start + 1); }

namespace {

void GotoScene(swf::TFlashActionScript& script, const SceneStarts& scenes, int index) {
    script.GotoFrame(SceneEntryFrame(scenes.StartFrame(index)));
}

// A mail link opens the visitor's mail program on the address; an empty address does nothing.
void SendEmail(swf::TFlashActionScript& script, const std::string& address) {
    if (!address.empty())
        script.GetURL("mailto:" + address, "");
}

} // namespace

void AddClickActions(swf::TFlashActionScript& script, const TCommand& command, const SceneStarts& scenes,
                     int sceneIndex) {
    const bool inDemo = sceneIndex >= 0 && sceneIndex < scenes.Count();
    switch (static_cast<TCommandAction>(command.Action)) {
    case TCommandAction::None: break;
    case TCommandAction::Play: script.Play(); break;
    case TCommandAction::Stop: script.Stop(); break;
    case TCommandAction::ReplayScene:
        if (inDemo)
            GotoScene(script, scenes, sceneIndex);
        break;
    case TCommandAction::ReplayAll: script.GotoFrame(1); break;
    case TCommandAction::NextScene:
        if (inDemo)
            GotoScene(script, scenes, sceneIndex + 1);
        break;
    case TCommandAction::PreScene:
        if (inDemo && sceneIndex > 0)
            GotoScene(script, scenes, sceneIndex - 1);
        break;
    case TCommandAction::GotoScene:
        if (const auto target = scenes.FindScene(command.Param))
            GotoScene(script, scenes, *target);
        break;
    case TCommandAction::VisitWebSite: script.GetURL(command.Param, "_blank"); break;
    case TCommandAction::SendEmail: SendEmail(script, command.Param); break;
    }
}

} // namespace vantora
