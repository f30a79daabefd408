// The Scene menu and the scene list's pop-up: new, duplicate, delete and move scenes, scenes from
// screen shots, and the scene preview.

#include "editor/main_window/main_form.h"

#include "editor/main_window/enabling_rules.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>

namespace vantora {

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
    actions_.Delete1->setEnabled(edit.deleteObjects);
    actions_.Clear1->setEnabled(edit.clear);
    actions_.BringToFront1->setEnabled(edit.bringToFront);
    actions_.SendToBack1->setEnabled(edit.sendToBack);
}

void TMainForm::NewScene1Click() {}
void TMainForm::DuplicateScene1Click() {}
// Scenes from the capture tool's shots are made by the screen-capture work.
void TMainForm::AddScenesFromScreenShots1Click() {}
void TMainForm::DeleteScene1Click() {}
void TMainForm::MoveUp1Click() {}
void TMainForm::MoveDown1Click() {}
void TMainForm::MoveToFirst1Click() {}
void TMainForm::MoveToLast1Click() {}
// The scene preview is opened from here.
void TMainForm::PreviewScene1Click() {}

} // namespace vantora
