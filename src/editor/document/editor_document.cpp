#include "editor/document/editor_document.h"

#include "editor/commands/add_object_command.h"
#include "editor/commands/add_scene_command.h"
#include "editor/commands/delete_objects_command.h"
#include "editor/commands/delete_scene_command.h"
#include "editor/commands/demo_settings_command.h"
#include "editor/commands/move_resize_command.h"
#include "editor/commands/move_scene_command.h"
#include "editor/commands/property_command.h"
#include "editor/document/editor_selection.h"
#include "model/scene_operations.h"
#include "render/object_render_cache.h"
#include "storage/scene_copy.h"
#include "storage/project_file.h"

#include <QUndoStack>

#include <functional>

namespace vantora {
namespace {

// Rows that store on every key merge their keystrokes into one step per row.
int typingMergeKey(const PropertyRow& row) {
    return row.route == EditRoute::TypedAtOnce ? static_cast<int>(row.field) + 1 : 0;
}

QString rowText(const PropertyRow& row) { return QString::fromStdString(row.name); }

} // namespace

EditorDocument::EditorDocument(QObject* parent)
    : QObject(parent)
    , demo_(std::make_unique<TVantora>())
    , stack_(new QUndoStack(this))
    , selection_(new EditorSelection(this))
    , renderCache_(std::make_unique<ObjectRenderCache>()) {
    listener_ = demo_->Changes.addListener([this](const ModelChange& change) { onModelChange(change); });
    connect(stack_, &QUndoStack::cleanChanged, this, [this] { updateModified(); });
    connect(stack_, &QUndoStack::indexChanged, this, [this] { updateModified(); });
    connect(selection_, &EditorSelection::changed, this, &EditorDocument::selectionChanged);
    connect(selection_, &EditorSelection::currentSceneChanged, this,
            [this] { emit currentSceneChanged(selection_->currentScene()); });
}

EditorDocument::~EditorDocument() {
    // The commands point into the demo: they go first, without telling anyone.
    stack_->blockSignals(true);
    stack_->clear();
    demo_->Changes.removeListener(listener_);
}

TDemoFrame* EditorDocument::currentScene() const { return selection_->currentScene(); }

void EditorDocument::setCurrentScene(TDemoFrame* scene) {
    if (scene && IndexOfScene(*demo_, scene) == std::string::npos)
        return; // not a scene of this demo
    selection_->setCurrentScene(scene);
}

std::vector<TDemoObject*> EditorDocument::selectedObjects() const { return selection_->selectedObjects(); }

void EditorDocument::setFileName(const QString& fileName) {
    if (fileName_ == fileName)
        return;
    fileName_ = fileName;
    emit fileNameChanged(fileName_);
}

bool EditorDocument::isModified() const { return unsavedNew_ || !stack_->isClean(); }

void EditorDocument::markSaved() {
    unsavedNew_ = false;
    stack_->setClean();
    demo_->Changes.setModified(false);
    updateModified();
}

void EditorDocument::updateModified() {
    const bool modified = isModified();
    demo_->Changes.setModified(modified);
    if (modified == lastModified_)
        return;
    lastModified_ = modified;
    emit modifiedChanged(modified);
}

void EditorDocument::resetHistory() {
    // The selection may point at scenes a load has just freed: it lets go before the history's
    // signals reach the views.
    selection_->clear();
    selection_->setCurrentScene(nullptr);
    stack_->clear();
    renderCache_->clear(); // scenes were freed without reports; their addresses may come back
}

void EditorDocument::newDemo(const TDemoSettings& settings, bool addBlankScene) {
    ClearDemo(*demo_);
    resetHistory();
    ApplyDemoSettings(*demo_, settings);
    if (addBlankScene)
        NewScene(*demo_);
    setFileName(QString());
    unsavedNew_ = true;
    updateModified();
    selection_->setCurrentScene(demo_->Scenes.empty() ? nullptr : demo_->Scenes.front().get());
    emit demoReset();
}

StorageResult EditorDocument::open(const std::filesystem::path& file, const ProgressObserver* progress) {
    // Loading replaces the scenes only when the whole file was read, so the history may stay
    // until then; after that its commands would point at freed scenes.
    StorageResult result = LoadProject(file, *demo_, progress);
    if (!result)
        return result;
    resetHistory();
    setFileName(QString::fromStdString(file.string()));
    markSaved();
    selection_->setCurrentScene(demo_->Scenes.empty() ? nullptr : demo_->Scenes.front().get());
    emit demoReset();
    return result;
}

StorageResult EditorDocument::save(const std::filesystem::path& file, const ProgressObserver* progress) {
    StorageResult result = SaveProject(file, *demo_, progress);
    if (!result)
        return result;
    setFileName(QString::fromStdString(file.string()));
    markSaved();
    return result;
}

void EditorDocument::push(QUndoCommand* command) {
    if (command)
        stack_->push(command);
}

void EditorDocument::onModelChange(const ModelChange& change) {
    renderCache_->apply(change);
    if (change.kind == ModelChangeKind::ObjectRemoved)
        selection_->forget(change.object);
    if (change.kind == ModelChangeKind::SceneRemoved)
        selection_->forgetScene(change.scene);
    emit modelChanged(change);
}

TDemoObject* EditorDocument::addObject(TObjectKind kind, std::int32_t left, std::int32_t top) {
    TDemoFrame* scene = currentScene();
    if (!scene)
        return nullptr;
    auto* command = new AddObjectCommand(*scene, selection_, kind, left, top);
    push(command);
    return command->object(); // the stack keeps the command: the object is in the scene
}

bool EditorDocument::deleteSelection() {
    TDemoFrame* scene = currentScene();
    const auto selected = selectedObjects();
    if (!scene || selected.empty())
        return false;
    push(new DeleteObjectsCommand(*scene, selection_, selected));
    return true;
}

bool EditorDocument::clearScene() {
    TDemoFrame* scene = currentScene();
    if (!scene || scene->Objects.empty())
        return false;
    push(new DeleteObjectsCommand(*scene, selection_, ObjectOrder(*scene), QStringLiteral("Clear")));
    return true;
}

void EditorDocument::setBounds(const std::vector<std::pair<TDemoObject*, TObjectBounds>>& changes, int dragKey) {
    TDemoFrame* scene = currentScene();
    if (!scene || changes.empty())
        return;
    push(new MoveResizeCommand(*scene, selection_, changes, QStringLiteral("Move"), dragKey));
}

int EditorDocument::newDragKey() { return ++lastDragKey_; }

EditResult EditorDocument::runPropertyEdit(const PropertySubject& subject, const QString& text, int mergeKey,
                                           std::function<EditResult()> edit) {
    // The command runs the edit inside push and may be merged or dropped right after: the
    // answer is taken while it runs. The command forgets the edit after that first run.
    EditResult result;
    push(new PropertyCommand(
        subject, text, [&result, edit = std::move(edit)] { return result = edit(); }, mergeKey));
    return result;
}

EditResult EditorDocument::applyTyped(const PropertyRow& row, const PropertySubject& subject, std::string_view text) {
    return runPropertyEdit(subject, rowText(row), typingMergeKey(row),
                           [row, subject, value = std::string(text)] { return ApplyTyped(row, subject, value); });
}

EditResult EditorDocument::applyPick(const PropertyRow& row, const PropertySubject& subject, std::string_view text) {
    return runPropertyEdit(subject, rowText(row), 0,
                           [row, subject, value = std::string(text)] { return ApplyPick(row, subject, value); });
}

EditResult EditorDocument::applyTextBody(const PropertySubject& subject, std::string text) {
    return runPropertyEdit(subject, QStringLiteral("Text"), 0,
                           [subject, value = std::move(text)] { return ApplyTextBody(subject, value); });
}

EditResult EditorDocument::applyFont(const PropertySubject& subject, const TObjectFont& font) {
    return runPropertyEdit(subject, QStringLiteral("Font"), 0, [subject, font] { return ApplyFont(subject, font); });
}

EditResult EditorDocument::applyColour(const PropertyRow& row, const PropertySubject& subject, TColor colour) {
    return runPropertyEdit(subject, rowText(row), 0,
                           [row, subject, colour] { return ApplyColour(row, subject, colour); });
}

EditResult EditorDocument::applyPicture(const PropertyRow& row, const PropertySubject& subject, Picture picture,
                                        std::optional<PictureSize> size) {
    auto shared = std::make_shared<Picture>(std::move(picture));
    return runPropertyEdit(subject, rowText(row), 0, [row, subject, shared, size] {
        return ApplyPicture(row, subject, std::move(*shared), size);
    });
}

SoundLoadResult EditorDocument::loadSound(const PropertySubject& subject, const std::filesystem::path& file) {
    SoundLoadResult loaded;
    runPropertyEdit(subject, QStringLiteral("Audio"), 0, [&loaded, subject, file] {
        loaded = LoadSoundFile(subject, file);
        return loaded.edit;
    });
    return loaded;
}

void EditorDocument::setDemoSettings(const TDemoSettings& settings) { push(new DemoSettingsCommand(*demo_, settings)); }

TDemoFrame* EditorDocument::addScene() {
    auto* command = new AddSceneCommand(*demo_, selection_);
    push(command);
    return command->scene();
}

bool EditorDocument::deleteCurrentScene() {
    TDemoFrame* scene = currentScene();
    if (!scene)
        return false;
    push(new DeleteSceneCommand(*demo_, selection_, *scene));
    return true;
}

TDemoFrame* EditorDocument::duplicateCurrentScene() {
    TDemoFrame* scene = currentScene();
    if (!scene)
        return nullptr;
    std::string error;
    std::unique_ptr<TDemoFrame> copy = CopyScene(*scene, error);
    if (!copy)
        return nullptr; // a failed copy is dropped without a message
    copy->Name = UniqueSceneName(*demo_);
    auto* command = new AddSceneCommand(*demo_, selection_, std::move(copy), QStringLiteral("Duplicate Scene"));
    push(command);
    return command->scene();
}

PropertySubject EditorDocument::subjectFor(TDemoObject* object) {
    PropertySubject subject{demo_.get(), currentScene(), object};
    if (object)
        subject.rendered = renderCache_->render(*object);
    return subject;
}

bool EditorDocument::moveScene(std::size_t from, std::size_t to) {
    const std::size_t count = demo_->Scenes.size();
    if (from == to || from >= count || to >= count)
        return false;
    push(new MoveSceneCommand(*demo_, from, to, QStringLiteral("Move Scene")));
    return true;
}

} // namespace vantora
