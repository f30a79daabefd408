#include "editor/commands/paste_objects_command.h"

#include "editor/document/editor_selection.h"
#include "model/demo.h"
#include "model/object_operations.h"

#include <algorithm>
#include <limits>

namespace vantora {
namespace {

std::int32_t shifted(std::int32_t value, std::int32_t offset) {
    const std::int64_t sum = std::int64_t(value) + offset;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

} // namespace

PasteObjectsCommand::PasteObjectsCommand(TDemoFrame& scene, EditorSelection* selection, ObjectPool objects,
                                         std::int32_t offset, const QString& text)
    : SceneLayoutCommand(scene, selection, text), objects_(std::move(objects)), offset_(offset) {}

void PasteObjectsCommand::perform(TDemoFrame& scene) {
    std::vector<TDemoObject*> pasted;
    for (auto& object : objects_) {
        if (!object)
            continue;
        object->Left = shifted(object->Left, offset_);
        object->Top = shifted(object->Top, offset_);
        TakeFreeNameIfUsed(scene, *object);
        TDemoObject& added = InsertObject(scene, scene.Objects.size(), std::move(object));
        SetSceneLength(scene, std::max(scene.Length, added.EndTime));
        pasted.push_back(&added);
        ChainAllCursors(scene);
    }
    objects_.clear();
    const auto order = ObjectOrder(scene);
    NormalizeObjectOrder(scene);
    if (ObjectOrder(scene) != order)
        NotifySceneChange(scene, ModelChangeKind::ObjectsReordered);
    if (selection())
        selection()->setSelected(pasted);
}

} // namespace vantora
