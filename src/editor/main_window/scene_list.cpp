// The views that follow the document: the scene list, the object box, the canvas frame, the
// status bar and the modified mark of the caption.

#include "editor/main_window/main_form.h"

#include "editor/canvas/scene_canvas.h"

#include "dialogs/colour_conversion.h"
#include "editor/document/editor_document.h"
#include "editor/document/editor_selection.h"
#include "editor/main_window/enabling_rules.h"
#include "editor/main_window/object_box.h"
#include "model/object_kind.h"
#include "model/object_operations.h"
#include "model/scene_operations.h"
#include "storage/clipboard_block.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QScrollArea>
#include <QUndoStack>

namespace vantora {
namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

} // namespace

void TMainForm::ConnectDocument() {
    EditorDocument* doc = document_.get();
    connect(doc, &EditorDocument::demoReset, this, [this] {
        RefreshSceneList();
        UpdateCaption();
    });
    // After every step of the history (done, undone or redone) the list and the object box are
    // drawn again: a removed scene is still in the demo while its own report runs.
    connect(&doc->undoStack(), &QUndoStack::indexChanged, this, [this] { RefreshSceneList(); });
    connect(doc, &EditorDocument::modelChanged, this, [this](const ModelChange& change) {
        if (change.kind == ModelChangeKind::DemoSettings)
            UpdateCaption();
    });
    connect(doc, &EditorDocument::currentSceneChanged, this, [this] { RefreshSceneList(); });
    connect(doc, &EditorDocument::selectionChanged, this, [this] { RefreshObjectBox(); });
    connect(doc, &EditorDocument::modifiedChanged, this, [this](bool modified) { setWindowModified(modified); });
    connect(doc, &EditorDocument::fileNameChanged, this, [this] { UpdateCaption(); });

    connect(sceneList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (refreshing_)
            return;
        const auto& scenes = document_->demo().Scenes;
        document_->setCurrentScene(row >= 0 && static_cast<std::size_t>(row) < scenes.size() ? scenes[row].get()
                                                                                             : nullptr);
    });
    connect(objectBox_, &QComboBox::activated, this, [this](int index) {
        TDemoFrame* scene = document_->currentScene();
        if (!scene || index < 0)
            return;
        // Item 0 is the scene itself: picking it selects no object.
        const std::size_t object = static_cast<std::size_t>(index);
        document_->selection().selectOnly(object >= 1 && object <= scene->Objects.size()
                                              ? scene->Objects[object - 1].get()
                                              : nullptr);
    });
}

// Brings the entries in line with the demo, one per scene, the current one selected. Entries are
// renamed in place rather than rebuilt, so that a press that makes a scene current does not take
// away the entry a drag is about to start from.
void TMainForm::RefreshSceneList() {
    const auto& scenes = document_->demo().Scenes;
    refreshing_ = true;
    while (static_cast<std::size_t>(sceneList_->count()) > scenes.size())
        delete sceneList_->takeItem(sceneList_->count() - 1);
    int current = -1;
    for (std::size_t i = 0; i < scenes.size(); ++i) {
        const QString name = QString::fromStdString(scenes[i]->Name);
        if (QListWidgetItem* item = sceneList_->item(static_cast<int>(i)))
            item->setText(name);
        else
            sceneList_->addItem(name);
        if (scenes[i].get() == document_->currentScene())
            current = static_cast<int>(i);
    }
    sceneList_->setCurrentRow(current);
    sceneList_->viewport()->update();
    refreshing_ = false;
    ShowSelectedScene();
    RefreshObjectBox();
}

// The object box: the scene, then its objects in list order; the item follows the selection.
void TMainForm::RefreshObjectBox() {
    const TDemoFrame* scene = document_->currentScene();
    refreshing_ = true;
    FillObjectBox(*objectBox_, scene, document_->selectedObjects());
    objectBox_->setEnabled(scene != nullptr);
    refreshing_ = false;
    UpdateStatusBar();
}

// The canvas frame takes the demo's size and the scene's colour; without a scene only the empty
// surround shows.
void TMainForm::ShowSelectedScene() {
    // The canvas hides itself without a scene and draws the scene's frame in its colour.
    canvas_->resetScene();
}

void TMainForm::UpdateStatusBar() {
    statusPanels_[0]->setText(ScenePanelText(selectedSceneIndex(), document_->demo().Scenes.size()));
    statusPanels_[1]->setText(ObjectPanelText(CurrentObjectPick()));
}

void TMainForm::UpdateCaption() {
    setWindowModified(document_->isModified());
    statusPanels_[2]->setText(CaptionPanelText(document_->demo().Name, document_->fileName()));
}

std::optional<std::size_t> TMainForm::selectedSceneIndex() const {
    const TDemoFrame* scene = document_->currentScene();
    if (!scene)
        return std::nullopt;
    const std::size_t index = IndexOfScene(document_->demo(), scene);
    if (index == std::string::npos)
        return std::nullopt;
    return index;
}

void TMainForm::selectScene(std::optional<std::size_t> index) {
    const auto& scenes = document_->demo().Scenes;
    document_->setCurrentScene(index && *index < scenes.size() ? scenes[*index].get() : nullptr);
}

CommandState TMainForm::CurrentCommandState() const {
    CommandState state;
    const std::optional<std::size_t> index = selectedSceneIndex();
    const TDemoFrame* scene = document_->currentScene();
    if (!index || !scene)
        return state;
    const std::size_t count = document_->demo().Scenes.size();
    state.sceneSelected = true;
    state.firstSceneSelected = *index == 0;
    state.lastSceneSelected = *index + 1 == count;
    state.sceneObjects = scene->Objects.size();
    state.selectedObjects = document_->selectedObjects().size();
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    state.clipboardHoldsObjects = clipboard && clipboard->hasFormat(Text(kClipboardMimeType));
    return state;
}

ObjectPick TMainForm::CurrentObjectPick() const {
    const TDemoFrame* scene = document_->currentScene();
    if (!scene)
        return {};
    const std::vector<TDemoObject*> selected = document_->selectedObjects();
    if (selected.empty())
        return {ObjectPick::Kind::Scene, 0, 0};
    if (selected.size() > 1)
        return {};
    return {ObjectPick::Kind::Object, IndexOfObject(*scene, selected.front()), scene->Objects.size()};
}

} // namespace vantora
