// The Scene menu and the scene list's pop-up: new, duplicate, delete and move scenes, scenes from
// screen shots, and the scene preview.

#include "editor/main_window/main_form.h"

#include "editor/capture/screen_capture.h"
#include "editor/commands/add_scene_command.h"
#include "editor/commands/add_scenes_command.h"
#include "editor/commands/edit_macro.h"
#include "editor/document/editor_document.h"
#include "editor/main_window/enabling_rules.h"
#include "editor/timeline/preview_playhead.h"
#include "model/property_edit.h"
#include "model/scene_operations.h"
#include "model/screen_shot_scenes.h"
#include "render/natural_size.h"
#include "base/program_folder.h"
#include "base/safe_file.h"
#include "platform/user_dialogs.h"
#include "movie/movie_builder.h"
#include "preview/preview_commands.h"
#include "storage/library_folders.h"
#include "storage/scene_copy.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>

namespace vantora {
namespace {

// The default click sound for the click objects; silent ones when the file is missing or unreadable.
std::vector<std::uint8_t> DefaultClickSound() {
    std::vector<std::uint8_t> sound;
    if (!ReadFileLimited(DefaultClickSoundFile(), kMaxSoundFileBytes, sound).ok())
        sound.clear();
    return sound;
}

} // namespace

void TMainForm::ConnectSceneActions() {
    connect(actions_.NewScene1, &QAction::triggered, this, [this] { NewScene1Click(); });
    connect(actions_.DuplicateScene1, &QAction::triggered, this, [this] { DuplicateScene1Click(); });
    connect(actions_.AddScenesFromScreenShots1, &QAction::triggered, this,
            [this] { AddScenesFromScreenShots1Click(); });
    connect(actions_.DeleteScene1, &QAction::triggered, this, [this] { DeleteScene1Click(); });
    connect(actions_.DeleteScenePopup1, &QAction::triggered, this, [this] { DeleteScene1Click(); });
    connect(actions_.MoveUp1, &QAction::triggered, this, [this] { MoveUp1Click(); });
    connect(actions_.MoveDown1, &QAction::triggered, this, [this] { MoveDown1Click(); });
    connect(actions_.MoveToFirst1, &QAction::triggered, this, [this] { MoveToFirst1Click(); });
    connect(actions_.MoveToLast1, &QAction::triggered, this, [this] { MoveToLast1Click(); });
    connect(actions_.PreviewScene1, &QAction::triggered, this, [this] { PreviewScene1Click(); });
    for (QMenu* menu : {actions_.SceneMenu, actions_.ScenePopupMenu, actions_.EditMenu, actions_.CanvasPopupMenu}) {
        connect(menu, &QMenu::aboutToShow, this, [this] { UpdateSelectionCommands(); });
        // Shortcuts reach the commands with the menus closed; the commands check for themselves.
        connect(menu, &QMenu::aboutToHide, this, [this] {
            for (QAction* action : actions_.selectionActions())
                action->setEnabled(true);
            actions_.Align1->menuAction()->setEnabled(true);
        });
    }
    connect(sceneList_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { actions_.ScenePopupMenu->popup(sceneList_->viewport()->mapToGlobal(at)); });
}

void TMainForm::UpdateSelectionCommands() {
    const CommandState state = CurrentCommandState();
    const SceneCommandsEnabled scene = SceneCommandsFor(state);
    actions_.DuplicateScene1->setEnabled(scene.duplicateScene);
    actions_.DeleteScene1->setEnabled(scene.deleteScene);
    actions_.DeleteScenePopup1->setEnabled(scene.deleteScene);
    actions_.PreviewScene1->setEnabled(scene.previewScene);
    actions_.MoveUp1->setEnabled(scene.moveUp);
    actions_.MoveToFirst1->setEnabled(scene.moveToFirst);
    actions_.MoveDown1->setEnabled(scene.moveDown);
    actions_.MoveToLast1->setEnabled(scene.moveToLast);
    const EditCommandsEnabled edit = EditCommandsFor(state);
    actions_.Copy1->setEnabled(edit.copy);
    actions_.Paste1->setEnabled(edit.paste);
    actions_.Duplicate1->setEnabled(edit.duplicate);
    actions_.Align1->menuAction()->setEnabled(edit.align);
    actions_.align.AlignToGrid1->setEnabled(edit.align);
    for (QAction* action : {actions_.align.AlignLeft1, actions_.align.AlignCenter1, actions_.align.AlignRight1,
                            actions_.align.AlignTop1, actions_.align.AlignMiddle1, actions_.align.AlignBottom1})
        action->setEnabled(edit.alignToEachOther);
    actions_.Delete1->setEnabled(edit.deleteObjects);
    actions_.Clear1->setEnabled(edit.clear);
    actions_.BringToFront1->setEnabled(edit.bringToFront);
    actions_.SendToBack1->setEnabled(edit.sendToBack);
}

void TMainForm::NewScene1Click() {
    document_->addScene();
    sceneList_->setFocus();
}

void TMainForm::DuplicateScene1Click() {
    const TDemoFrame* scene = document_->currentScene();
    if (!scene)
        return;
    // A copy that cannot be written or read back is dropped without a word.
    std::string error;
    std::unique_ptr<TDemoFrame> copy = CopyScene(*scene, error);
    if (!copy)
        return;
    copy->Name = UniqueSceneName(document_->demo());
    document_->push(new AddSceneCommand(document_->demo(), &document_->selection(), std::move(copy),
                                        QStringLiteral("Duplicate Scene")));
}

void TMainForm::AddScenesFromScreenShots1Click() { AddScenesFromScreenShots(); }

void TMainForm::AddScenesFromScreenShots() {
    TVantora& demo = document_->demo();
    const CaptureOutcome outcome = RunScreenCapture(this, captureTool(), ScenesCaptureRequest(demo.Width, demo.Height));
    switch (outcome.status) {
    case CaptureOutcome::Status::NoTool: return;
    case CaptureOutcome::Status::StartFailed:
        dialogs().message(this, kScreenShotCaption, outcome.error, MessageIcon::Error, MessageButtons::Ok);
        return;
    case CaptureOutcome::Status::NoShots:
        dialogs().message(this, kScreenShotCaption, kScreenCaptureFailed, MessageIcon::Information,
                          MessageButtons::Ok);
        return;
    case CaptureOutcome::Status::Shots: break;
    }
    if (outcome.shots.Shots.empty())
        return;
    const QString text = QStringLiteral("Add Scenes From Screen Shots");
    EditMacro step(document_->undoStack(), text);
    // Shots of the whole screen ("Full screen" in the tool) make the demo the screen's size.
    if (const std::optional<ShotSize> screen = FullScreenShotSize(outcome.shots.Shots);
        screen && (screen->width != demo.Width || screen->height != demo.Height)) {
        TDemoSettings settings = DemoSettingsOf(demo);
        settings.Width = screen->width;
        settings.Height = screen->height;
        document_->setDemoSettings(settings);
    }
    // A damaged file still gives the scenes of the shots read before the damage.
    std::vector<std::unique_ptr<TDemoFrame>> scenes =
        BuildScreenShotScenes(demo, outcome.shots.Shots, DefaultClickSound());
    if (scenes.empty())
        return;
    for (const auto& scene : scenes)
        for (const auto& object : scene->Objects)
            TakeNaturalSize(*object);
    document_->push(new AddScenesCommand(demo, &document_->selection(), std::move(scenes), text));
}

void TMainForm::DeleteScene1Click() { document_->deleteCurrentScene(); }

void TMainForm::MoveSelectedScene(SceneMove move) {
    const std::optional<std::size_t> index = selectedSceneIndex();
    const std::size_t count = document_->demo().Scenes.size();
    if (!index || count < 2)
        return;
    std::size_t to = *index;
    switch (move) {
    case SceneMove::Up: to = *index == 0 ? 0 : *index - 1; break;
    case SceneMove::Down: to = std::min(*index + 1, count - 1); break;
    case SceneMove::ToFirst: to = 0; break;
    case SceneMove::ToLast: to = count - 1; break;
    }
    if (to != *index)
        document_->moveScene(*index, to);
    sceneList_->setFocus();
}

void TMainForm::MoveUp1Click() { MoveSelectedScene(SceneMove::Up); }
void TMainForm::MoveDown1Click() { MoveSelectedScene(SceneMove::Down); }
void TMainForm::MoveToFirst1Click() { MoveSelectedScene(SceneMove::ToFirst); }
void TMainForm::MoveToLast1Click() { MoveSelectedScene(SceneMove::ToLast); }

// The scene preview is opened from here.
void TMainForm::PreviewScene1Click() {
    // Leaving a property cell commits its edit before the movie is built.
    sceneList_->setFocus();
    const std::optional<std::size_t> scene = selectedSceneIndex();
    if (!scene)
        return;
    timeline::PreviewPlayhead playhead(*document_, *timeline_, int(*scene));
    PreviewScene(this, document().demo(), int(*scene), ProgramFolder() / std::string(kPreviewMovieName),
                 [&playhead](int frame) { playhead.frameShown(frame); });
}

} // namespace vantora
