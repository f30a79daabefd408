#include "editor/commands/reorder_object_command.h"

#include "model/demo.h"
#include "model/object_edits.h"
#include "model/object_operations.h"

#include <algorithm>

namespace vantora {

ReorderObjectCommand::ReorderObjectCommand(TDemoFrame& scene, EditorSelection* selection, TDemoObject* object,
                                           ObjectPlace place)
    : SceneLayoutCommand(scene, selection,
                         place == ObjectPlace::Front ? QStringLiteral("Bring To Front") : QStringLiteral("Send To Back")),
      object_(object),
      place_(place) {}

void ReorderObjectCommand::perform(TDemoFrame& scene) {
    std::vector<TDemoObject*> order = ObjectOrder(scene);
    const auto at = std::find(order.begin(), order.end(), object_);
    if (at == order.end())
        return;
    order.erase(at);
    if (place_ == ObjectPlace::Front)
        order.push_back(object_);
    else
        order.insert(order.begin(), object_);
    SetObjectOrder(scene, order);
    const auto moved = ObjectOrder(scene);
    NormalizeObjectOrder(scene);
    if (ObjectOrder(scene) != moved)
        NotifySceneChange(scene, ModelChangeKind::ObjectsReordered);
    if (object_->Kind == TObjectKind::Cursor)
        ChainAllCursors(scene);
}

} // namespace vantora
