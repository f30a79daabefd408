// The View and Tools menus: bars, the canvas grid and the workspace colour. Each change of an
// editor setting is written to the settings file at once.

#include "editor/main_window/main_form.h"

#include "editor/canvas/scene_canvas.h"
#include "editor/document/editor_document.h"

#include <QActionGroup>
#include <QScrollArea>

#include "dialogs/colour_conversion.h"
#include "dialogs/grid_size_form.h"
#include "editor/main_window/main_form_texts.h"
#include "platform/user_dialogs.h"

#include <QAction>
#include <QDialog>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>

namespace vantora {
void TMainForm::ConnectSettingsActions() {
    connect(actions_.ToolBar1, &QAction::triggered, this, [this] { ToolBar1Click(); });
    connect(actions_.StatusBar1, &QAction::triggered, this, [this] { StatusBar1Click(); });
    connect(actions_.DisplayGrid1, &QAction::triggered, this, [this] { DisplayGrid1Click(); });
    connect(actions_.SnapToGrid1, &QAction::triggered, this, [this] { SnapToGrid1Click(); });
    connect(actions_.GridSize1, &QAction::triggered, this, [this] { GridSize1Click(); });
    connect(actions_.ZoomIn1, &QAction::triggered, canvas_, &SceneCanvas::zoomIn);
    connect(actions_.ZoomOut1, &QAction::triggered, canvas_, &SceneCanvas::zoomOut);
    connect(actions_.ActualSize1, &QAction::triggered, canvas_, &SceneCanvas::actualSize);
    connect(actions_.Fit1, &QAction::triggered, this, [this] { canvas_->fitInto(canvasArea_->viewport()->size()); });
    // The tool buttons pick what a press on the canvas adds; after one object the select tool
    // is current again.
    connect(actions_.tools, &QActionGroup::triggered, this, [this] { canvas_->setTool(currentTool()); });
    connect(canvas_, &SceneCanvas::toolFinished, this, [this] { actions_.ToolSelect->setChecked(true); });
    connect(actions_.BackgroundColor1, &QAction::triggered, this, [this] { BackgroundColor1Click(); });
    // The surround colour read from the settings.
    QPalette surround = canvasArea_->palette();
    surround.setColor(QPalette::Window, ToQColor(settings_.BackColor));
    canvasArea_->setPalette(surround);
    canvasArea_->setBackgroundRole(QPalette::Window);
}

// The check mark follows the action itself; the bar follows the check mark.
void TMainForm::ToolBar1Click() { actions_.ToolBar->setVisible(actions_.ToolBar1->isChecked()); }

void TMainForm::StatusBar1Click() { statusBar()->setVisible(actions_.StatusBar1->isChecked()); }

void TMainForm::DisplayGrid1Click() {
    settings_.DisplayGrid = actions_.DisplayGrid1->isChecked();
    WriteEditorSettingsNow();
    RedrawSceneBackground();
}

void TMainForm::SnapToGrid1Click() {
    settings_.SnapToGrid = actions_.SnapToGrid1->isChecked();
    RedrawSceneBackground();
    WriteEditorSettingsNow();
}

void TMainForm::GridSize1Click() {
    int sizeX = settings_.GridSizeX;
    int sizeY = settings_.GridSizeY;
    if (!RunGridSizeForm(sizeX, sizeY, this, [this](QDialog& dialog) { return RunDialog(dialog); }))
        return;
    settings_.GridSizeX = std::clamp(sizeX, kMinGridSize, kMaxGridSize);
    settings_.GridSizeY = std::clamp(sizeY, kMinGridSize, kMaxGridSize);
    document_->setGridSize(settings_.GridSizeX, settings_.GridSizeY);
    WriteEditorSettingsNow();
    if (settings_.DisplayGrid)
        RedrawSceneBackground();
}

void TMainForm::BackgroundColor1Click() {
    const std::optional<QColor> colour = dialogs().chooseColour(this, ToQColor(settings_.BackColor));
    if (!colour)
        return;
    settings_.BackColor = FromQColor(*colour);
    QPalette surround = canvasArea_->palette();
    surround.setColor(QPalette::Window, *colour);
    canvasArea_->setPalette(surround);
    WriteEditorSettingsNow();
}

void TMainForm::WriteEditorSettingsNow() {
    // A settings file that cannot be written keeps its old values; the editor goes on.
    WriteEditorSettings(settingsFile_, settings_);
}

// The canvas composes the background with or without the grid; until it is here there is nothing
// to redraw but the frame.
void TMainForm::RedrawSceneBackground() {
    canvas_->setGrid({settings_.DisplayGrid, settings_.SnapToGrid, settings_.GridSizeX, settings_.GridSizeY});
}

} // namespace vantora
