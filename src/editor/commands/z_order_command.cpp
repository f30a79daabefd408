#include "editor/commands/z_order_command.h"

#include "model/demo.h"
#include "model/object_operations.h"

#include <algorithm>

namespace vantora {

ZOrderCommand::ZOrderCommand(TDemoFrame& scene, EditorSelection* selection, TDemoObject& object, Direction direction)
    : SceneLayoutCommand(scene, selection,
                         direction == Direction::ToFront ? QStringLiteral("Bring To Front")
                                                         : QStringLiteral("Send To Back"))
    , object_(object)
    , direction_(direction) {}

void ZOrderCommand::perform(TDemoFrame& scene) {
    std::vector<TDemoObject*> order = ObjectOrder(scene);
    const auto found = std::find(order.begin(), order.end(), &object_);
    if (found == order.end())
        return;
    order.erase(found);
    if (direction_ == Direction::ToFront)
        order.push_back(&object_);
    else
        order.insert(order.begin(), &object_);
    SetObjectOrder(scene, order);
    const auto moved = ObjectOrder(scene);
    NormalizeObjectOrder(scene);
    if (ObjectOrder(scene) != moved)
        NotifySceneChange(scene, ModelChangeKind::ObjectsReordered);
    if (object_.Kind == TObjectKind::Cursor)
        ChainAllCursors(scene);
}

} // namespace vantora
