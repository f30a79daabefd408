#include "editor/commands/timing_command.h"

#include "model/object_operations.h"

#include <algorithm>

namespace vantora {

std::int32_t LastObjectEnd(const TDemoFrame& scene) {
    std::int32_t end = 0;
    for (const auto& object : scene.Objects)
        if (object)
            end = std::max(end, object->EndTime);
    return end;
}

TimingCommand::TimingCommand(TDemoFrame& scene, EditorSelection* selection, std::vector<TimingChange> changes,
                             int dragKey)
    : SceneLayoutCommand(scene, selection, QStringLiteral("Timing"), dragKey), changes_(std::move(changes)) {}

TimingCommand::TimingCommand(TDemoFrame& scene, EditorSelection* selection, std::int32_t length,
                             std::int32_t minimumLength, int dragKey)
    : SceneLayoutCommand(scene, selection, QStringLiteral("Scene Length"), dragKey)
    , length_(length)
    , minimumLength_(minimumLength) {}

void TimingCommand::perform(TDemoFrame& scene) {
    if (length_) {
        SetSceneLength(scene, std::max({*length_, LastObjectEnd(scene), minimumLength_}));
        return;
    }
    for (const auto& [object, timing] : changes_) {
        const std::size_t index = IndexOfObject(scene, object);
        if (index == std::string::npos)
            continue;
        SetObjectTiming(scene, *object, timing);
        ChainCursors(scene, *object, index); // nothing for other kinds
    }
    SetSceneLength(scene, std::max(scene.Length, LastObjectEnd(scene)));
}

} // namespace vantora
