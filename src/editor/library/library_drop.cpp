#include "editor/library/library_drop.h"

#include "base/safe_file.h"
#include "editor/canvas/canvas_geometry.h"
#include "editor/document/editor_document.h"
#include "model/property_edit.h"
#include "picture/picture.h"

#include <QUndoStack>

#include <variant>

namespace vantora {
namespace {

using Sound = std::vector<std::uint8_t>;
// What a picture or sound item holds once its file is read.
using Material = std::variant<Picture, Sound>;

std::filesystem::path PathOf(const QString& file) { return std::filesystem::path(file.toStdString()); }

TObjectKind ObjectKindFor(LibraryKind kind) {
    switch (kind) {
    case LibraryKind::Cursors: return TObjectKind::Cursor;
    case LibraryKind::Buttons: return TObjectKind::Button;
    case LibraryKind::Audios: return TObjectKind::Audio;
    case LibraryKind::Images:
    case LibraryKind::Gallery: break;
    }
    return TObjectKind::Image;
}

std::string SoundTypeOf(const std::filesystem::path& file) { return SoundTypeOfFile(file).value_or("WAV"); }

std::optional<Material> ReadMaterial(const LibraryItemRef& item, const LibraryDropPrompts& prompts) {
    const std::filesystem::path file = PathOf(item.file);
    if (item.kind == LibraryKind::Audios) {
        Sound sound;
        if (ReadFileLimited(file, kMaxSoundFileBytes, sound).ok())
            return Material(std::move(sound));
        prompts.error(QStringLiteral("The sound file \"%1\" cannot be read.").arg(item.file));
        return std::nullopt;
    }
    Picture picture;
    std::string reason;
    if (picture.loadFromFile(file, &reason))
        return Material(std::move(picture));
    prompts.error(QString::fromStdString(reason));
    return std::nullopt;
}

// The front-most object of the matching kind under the point whose question is answered Yes.
TDemoObject* ObjectToReplace(const TDemoFrame& scene, const LibraryItemRef& item, QPoint point,
                             const LibraryDropPrompts& prompts) {
    const TObjectKind kind = ObjectKindFor(item.kind);
    std::vector<TDemoObject*> candidates;
    for (auto it = scene.Objects.rbegin(); it != scene.Objects.rend(); ++it)
        if (*it && (*it)->Kind == kind && canvas::HitTestSelected(**it, point) != canvas::kNoHandle)
            candidates.push_back(it->get());
    for (TDemoObject* object : candidates) {
        const ReplaceQuestion question = ReplaceQuestionFor(item.kind, QString::fromStdString(object->Name));
        if (prompts.confirm(question.caption, question.text))
            return object;
    }
    return nullptr;
}

bool DropGallery(EditorDocument& document, const LibraryItemRef& item, QPoint point,
                 const LibraryDropPrompts& prompts) {
    const int before = document.undoStack().index();
    const StorageResult result = document.dropGalleryObject(PathOf(item.file), point.x(), point.y());
    if (!result)
        prompts.error(QString::fromStdString(result.message));
    return document.undoStack().index() != before;
}

} // namespace

ReplaceQuestion ReplaceQuestionFor(LibraryKind kind, const QString& name) {
    const QString quoted = QStringLiteral("\"") + name + QStringLiteral("\"");
    switch (kind) {
    case LibraryKind::Cursors: return {QStringLiteral("Change Cursor"), QStringLiteral("Change %1 cursor?").arg(quoted)};
    case LibraryKind::Audios: return {QStringLiteral("Change Audio"), QStringLiteral("Change %1 audio?").arg(quoted)};
    case LibraryKind::Images:
    case LibraryKind::Buttons:
    case LibraryKind::Gallery: break;
    }
    return {QStringLiteral("Change Image"), QStringLiteral("Change %1 image?").arg(quoted)};
}

bool DropLibraryItem(EditorDocument& document, const LibraryItemRef& item, QPoint point,
                     const LibraryDropPrompts& prompts) {
    const TDemoFrame* scene = document.currentScene();
    if (!scene)
        return false;
    if (item.kind == LibraryKind::Gallery)
        return DropGallery(document, item, point, prompts);
    std::optional<Material> material = ReadMaterial(item, prompts);
    if (!material)
        return false;
    const int before = document.undoStack().index();
    const std::string soundType = SoundTypeOf(PathOf(item.file));
    if (TDemoObject* target = ObjectToReplace(*scene, item, point, prompts)) {
        if (auto* picture = std::get_if<Picture>(&*material))
            document.replacePicture(*target, std::move(*picture));
        else
            document.replaceSound(*target, std::move(std::get<Sound>(*material)), soundType);
    } else if (auto* picture = std::get_if<Picture>(&*material)) {
        document.dropPictureObject(ObjectKindFor(item.kind), std::move(*picture), point.x(), point.y());
    } else {
        document.dropSoundObject(std::move(std::get<Sound>(*material)), soundType, point.x(), point.y());
    }
    return document.undoStack().index() != before;
}

} // namespace vantora
