#include "editor/commands/property_command.h"

#include "editor/commands/command_ids.h"
#include "model/demo.h"

namespace vantora {

PropertyCommand::PropertyCommand(const PropertySubject& subject, const QString& text, Edit edit, int mergeKey)
    : QUndoCommand(text), subject_(subject), edit_(std::move(edit)), mergeKey_(mergeKey) {}

PropertyCommand::SceneFields PropertyCommand::fieldsOf(const TDemoFrame& scene) {
    return {scene.Name, scene.BackColor, scene.BackImage, scene.BackImageStyle, scene.Animation};
}

void PropertyCommand::redo() {
    if (performed_) {
        if (objectAfter_)
            restoreObject(*objectAfter_);
        if (sceneAfter_)
            restoreScene(*sceneAfter_);
        return;
    }
    performed_ = true;
    if (!subject_.scene || !edit_) {
        setObsolete(true);
        return;
    }
    if (subject_.object)
        objectBefore_ = *subject_.object;
    else
        sceneBefore_ = fieldsOf(*subject_.scene);
    result_ = edit_();
    edit_ = nullptr; // it may hold large values (pictures, sounds) no longer needed
    if (!result_.changed) {
        setObsolete(true);
        return;
    }
    if (subject_.object)
        objectAfter_ = *subject_.object;
    else
        sceneAfter_ = fieldsOf(*subject_.scene);
}

void PropertyCommand::undo() {
    if (objectBefore_ && objectAfter_)
        restoreObject(*objectBefore_);
    if (sceneBefore_ && sceneAfter_)
        restoreScene(*sceneBefore_);
}

void PropertyCommand::restoreObject(const TDemoObject& fields) {
    TDemoObject& object = *subject_.object;
    const bool renamed = object.Name != fields.Name;
    const bool animated = object.Animation != fields.Animation;
    object = fields;
    NotifySceneChange(*subject_.scene, ModelChangeKind::ObjectChanged, &object);
    if (renamed)
        NotifySceneChange(*subject_.scene, ModelChangeKind::ObjectRenamed, &object);
    if (animated)
        NotifySceneChange(*subject_.scene, ModelChangeKind::AnimationChanged, &object);
}

void PropertyCommand::restoreScene(const SceneFields& fields) {
    TDemoFrame& scene = *subject_.scene;
    const bool renamed = scene.Name != fields.Name;
    const bool animated = scene.Animation != fields.Animation;
    scene.Name = fields.Name;
    scene.BackColor = fields.BackColor;
    scene.BackImage = fields.BackImage;
    scene.BackImageStyle = fields.BackImageStyle;
    scene.Animation = fields.Animation;
    NotifySceneChange(scene, ModelChangeKind::SceneChanged);
    if (renamed)
        NotifySceneChange(scene, ModelChangeKind::SceneRenamed);
    if (animated)
        NotifySceneChange(scene, ModelChangeKind::AnimationChanged);
}

int PropertyCommand::id() const { return mergeKey_ != 0 ? kPropertyCommandId : -1; }

bool PropertyCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const PropertyCommand*>(other);
    if (!next || next->mergeKey_ != mergeKey_ || next->subject_.scene != subject_.scene ||
        next->subject_.object != subject_.object)
        return false;
    if (next->objectAfter_)
        objectAfter_ = next->objectAfter_;
    if (next->sceneAfter_)
        sceneAfter_ = next->sceneAfter_;
    result_ = next->result_;
    return true;
}

} // namespace vantora
