// The timeline's edits of the current scene (bar times, scene end, stop points) and the drops
// from the library tabs. Each pushes one undoable command.

#include "editor/commands/drop_object_command.h"
#include "editor/commands/property_command.h"
#include "editor/commands/stop_point_command.h"
#include "editor/commands/timing_command.h"
#include "editor/document/editor_document.h"
#include "editor/document/editor_selection.h"
#include "model/demo.h"
#include "storage/gallery_file.h"

namespace vantora {
namespace {

// Images and buttons take the size of a dropped picture; one that does not decode keeps the
// size a new object has.
void sizeToPicture(TDemoObject& object) {
    const RgbaImage decoded = object.Picture.decode();
    if (!decoded.empty()) {
        object.Width = decoded.width;
        object.Height = decoded.height;
    }
}

} // namespace

void EditorDocument::setTimings(const std::vector<std::pair<TDemoObject*, TObjectTiming>>& changes, int dragKey) {
    TDemoFrame* scene = currentScene();
    if (!scene || changes.empty())
        return;
    push(new TimingCommand(*scene, selection_, changes, dragKey));
}

void EditorDocument::setSceneLength(std::int32_t length, std::int32_t minimumLength, int dragKey) {
    if (TDemoFrame* scene = currentScene())
        push(new TimingCommand(*scene, selection_, length, minimumLength, dragKey));
}

void EditorDocument::addStopPoint(std::int32_t time) {
    if (TDemoFrame* scene = currentScene())
        push(new StopPointCommand(*scene, StopPointCommand::Action::Add, time));
}

void EditorDocument::removeStopPoint(std::int32_t time) {
    if (TDemoFrame* scene = currentScene())
        push(new StopPointCommand(*scene, StopPointCommand::Action::Remove, time));
}

void EditorDocument::moveStopPoint(std::size_t index, std::int32_t time, int dragKey) {
    if (TDemoFrame* scene = currentScene())
        push(new StopPointCommand(*scene, StopPointCommand::Action::Move, time, index, dragKey));
}

StorageResult EditorDocument::dropGalleryObject(const std::filesystem::path& file, std::int32_t left,
                                                std::int32_t top) {
    TDemoFrame* scene = currentScene();
    if (!scene)
        return StorageResult::Success(); // no scene: the drop does nothing
    auto object = std::make_unique<TDemoObject>();
    StorageResult result = ReadGalleryObject(file, *object);
    if (!result)
        return result;
    push(new DropObjectCommand(*scene, selection_, std::move(object), left, top));
    return result;
}

TDemoObject* EditorDocument::dropPictureObject(TObjectKind kind, Picture picture, std::int32_t left,
                                               std::int32_t top) {
    TDemoFrame* scene = currentScene();
    if (!scene || (kind != TObjectKind::Cursor && kind != TObjectKind::Image && kind != TObjectKind::Button))
        return nullptr;
    auto fill = [kind, picture = std::move(picture)](TDemoObject& object) {
        object.Picture = picture;
        if (kind == TObjectKind::Cursor)
            object.Style = 0; // "Custom"
        else
            sizeToPicture(object);
    };
    auto* command = new DropObjectCommand(*scene, selection_, kind, left, top, std::move(fill));
    push(command);
    return command->object();
}

TDemoObject* EditorDocument::dropSoundObject(std::vector<std::uint8_t> sound, const std::string& type,
                                             std::int32_t left, std::int32_t top) {
    TDemoFrame* scene = currentScene();
    if (!scene)
        return nullptr;
    auto fill = [sound = std::move(sound), type](TDemoObject& object) {
        object.AudioData = sound;
        object.AudioType = type;
    };
    auto* command = new DropObjectCommand(*scene, selection_, TObjectKind::Audio, left, top, std::move(fill));
    push(command);
    return command->object();
}

void EditorDocument::replacePicture(TDemoObject& object, Picture picture) {
    TDemoFrame* scene = currentScene();
    if (!scene)
        return;
    const PropertySubject subject{demo_.get(), scene, &object};
    const QString text = object.Kind == TObjectKind::Cursor ? QStringLiteral("Change Cursor") : QStringLiteral("Change Image");
    auto shared = std::make_shared<Picture>(std::move(picture));
    runPropertyEdit(subject, text, 0, [subject, shared] {
        TDemoObject& target = *subject.object;
        if (target.Picture == *shared && target.Style == 0)
            return EditResult{};
        target.Picture = std::move(*shared);
        target.Style = 0;
        NotifySceneChange(*subject.scene, ModelChangeKind::ObjectChanged, &target);
        return EditResult{true, {}, true};
    });
}

void EditorDocument::replaceSound(TDemoObject& object, std::vector<std::uint8_t> sound, const std::string& type) {
    TDemoFrame* scene = currentScene();
    if (!scene)
        return;
    const PropertySubject subject{demo_.get(), scene, &object};
    auto shared = std::make_shared<std::vector<std::uint8_t>>(std::move(sound));
    runPropertyEdit(subject, QStringLiteral("Change Audio"), 0, [subject, shared, type] {
        TDemoObject& target = *subject.object;
        if (target.AudioData == *shared && target.AudioType == type)
            return EditResult{};
        target.AudioData = std::move(*shared);
        target.AudioType = type;
        NotifySceneChange(*subject.scene, ModelChangeKind::ObjectChanged, &target);
        return EditResult{true, {}, true};
    });
}

} // namespace vantora
