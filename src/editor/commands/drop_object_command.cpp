#include "editor/commands/drop_object_command.h"

#include "editor/document/editor_selection.h"
#include "model/demo.h"
#include "model/object_edits.h"
#include "model/object_operations.h"
#include "render/natural_size.h"

namespace vantora {

DropObjectCommand::DropObjectCommand(TDemoFrame& scene, EditorSelection* selection,
                                     std::unique_ptr<TDemoObject> object, std::int32_t left, std::int32_t top)
    : SceneLayoutCommand(scene, selection, QStringLiteral("Add From Gallery"))
    , gallery_(std::move(object))
    , left_(left)
    , top_(top) {}

DropObjectCommand::DropObjectCommand(TDemoFrame& scene, EditorSelection* selection, TObjectKind kind,
                                     std::int32_t left, std::int32_t top, Fill fill)
    : SceneLayoutCommand(scene, selection, QStringLiteral("Add %1").arg(QString::fromUtf8(ObjectKindName(kind))))
    , kind_(kind)
    , fill_(std::move(fill))
    , left_(left)
    , top_(top) {}

void DropObjectCommand::perform(TDemoFrame& scene) {
    if (gallery_) {
        added_ = &AddDroppedObject(scene, std::move(gallery_), left_, top_);
    } else {
        added_ = &NewObject(scene, kind_, left_, top_);
        if (fill_) {
            fill_(*added_);
            fill_ = nullptr;
            NotifySceneChange(scene, ModelChangeKind::ObjectChanged, added_);
        }
    }
    // A cursor or a sound takes the size it is shown at, the pointer or the speaker icon,
    // as when the tool adds one; its picture is known only now.
    if (const std::optional<NaturalObjectSize> size = NaturalSize(*added_))
        SetObjectBounds(scene, *added_, {added_->Left, added_->Top, size->width, size->height});
    if (selection())
        selection()->selectOnly(added_);
}

} // namespace vantora
