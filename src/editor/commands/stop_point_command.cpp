#include "editor/commands/stop_point_command.h"

#include "model/stop_points.h"

namespace vantora {
namespace {

QString textOf(StopPointCommand::Action action) {
    switch (action) {
    case StopPointCommand::Action::Add: return QStringLiteral("Add Scene Pause");
    case StopPointCommand::Action::Remove: return QStringLiteral("Delete Scene Pause");
    case StopPointCommand::Action::Move: break;
    }
    return QStringLiteral("Move Scene Pause");
}

} // namespace

StopPointCommand::StopPointCommand(TDemoFrame& scene, Action action, std::int32_t time, std::size_t index,
                                   int dragKey)
    : SceneLayoutCommand(scene, nullptr, textOf(action), dragKey), action_(action), time_(time), index_(index) {}

void StopPointCommand::perform(TDemoFrame& scene) {
    switch (action_) {
    case Action::Add: AddStopPoint(scene, time_); break;
    case Action::Remove: RemoveStopPoint(scene, time_); break;
    case Action::Move: MoveStopPoint(scene, index_, time_); break;
    }
}

} // namespace vantora
