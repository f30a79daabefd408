#include "editor/commands/paste_objects_command.h"

#include "editor/document/editor_selection.h"
#include "model/object_edits.h"
#include "model/object_operations.h"

#include <algorithm>
#include <limits>

namespace vantora {
namespace {

std::int32_t Offset(std::int32_t value, std::int32_t offset) {
    const std::int64_t moved = static_cast<std::int64_t>(value) + offset;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(moved, std::numeric_limits<std::int32_t>::min(),
                                                               std::numeric_limits<std::int32_t>::max()));
}

} // namespace

PasteObjectsCommand::PasteObjectsCommand(TDemoFrame& scene, EditorSelection* selection,
                                         std::vector<std::unique_ptr<TDemoObject>> objects, std::int32_t offset,
                                         const QString& text)
    : SceneLayoutCommand(scene, selection, text), objects_(std::move(objects)), offset_(offset) {}

PasteObjectsCommand::~PasteObjectsCommand() {
    for (auto& object : objects_)
        FreeObject(object);
}

void PasteObjectsCommand::perform(TDemoFrame& scene) {
    std::vector<TDemoObject*> pasted;
    for (auto& incoming : objects_) {
        TDemoObject& object = InsertObject(scene, scene.Objects.size(), std::move(incoming));
        if (object.EndTime > scene.Length)
            SetSceneLength(scene, object.EndTime);
        TObjectBounds bounds = BoundsOf(object);
        bounds.Left = Offset(bounds.Left, offset_);
        bounds.Top = Offset(bounds.Top, offset_);
        SetObjectBounds(scene, object, bounds);
        pasted.push_back(&object);
    }
    objects_.clear();
    ChainAllCursors(scene);
    NormalizeObjectOrder(scene);
    if (selection())
        selection()->setSelected(pasted);
}

} // namespace vantora
