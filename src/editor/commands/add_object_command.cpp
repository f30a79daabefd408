#include "editor/commands/add_object_command.h"

#include "editor/document/editor_selection.h"
#include "model/object_edits.h"
#include "model/object_operations.h"
#include "render/natural_size.h"

namespace vantora {

AddObjectCommand::AddObjectCommand(TDemoFrame& scene, EditorSelection* selection, TObjectKind kind,
                                   std::int32_t left, std::int32_t top)
    : SceneLayoutCommand(scene, selection, QStringLiteral("Add %1").arg(QString::fromUtf8(ObjectKindName(kind))))
    , kind_(kind)
    , left_(left)
    , top_(top) {}

void AddObjectCommand::perform(TDemoFrame& scene) {
    object_ = &NewObject(scene, kind_, left_, top_);
    // A cursor or a sound starts at the size it is shown at.
    if (const std::optional<NaturalObjectSize> size = NaturalSize(*object_))
        SetObjectBounds(scene, *object_, {object_->Left, object_->Top, size->width, size->height});
    if (selection())
        selection()->selectOnly(object_);
}

} // namespace vantora
