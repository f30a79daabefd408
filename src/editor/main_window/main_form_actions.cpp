#include "editor/main_window/main_form_actions.h"

#include "editor/main_window/tool_bar_icons.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace vantora {
namespace {

QAction* Item(QMenu* menu, const char* name, const QString& text, const QKeySequence& shortcut = {}) {
    auto* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

QAction* Check(QMenu* menu, const char* name, const QString& text, bool checked) {
    QAction* action = Item(menu, name, text);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

void BuildFileMenu(QMainWindow& window, MainFormActions& a) {
    QMenu* m = a.FileMenu = window.menuBar()->addMenu(QStringLiteral("&File"));
    m->setObjectName(QStringLiteral("File1"));
    a.New1 = Item(m, "New1", QStringLiteral("&New..."), QKeySequence(QStringLiteral("Ctrl+N")));
    a.Open1 = Item(m, "Open1", QStringLiteral("&Open..."), QKeySequence(QStringLiteral("Ctrl+O")));
    a.Reopen1 = m->addMenu(QStringLiteral("&Reopen"));
    a.Reopen1->setObjectName(QStringLiteral("Reopen1"));
    a.Save1 = Item(m, "Save1", QStringLiteral("&Save"), QKeySequence(QStringLiteral("Ctrl+S")));
    a.SaveAs1 = Item(m, "SaveAs1", QStringLiteral("Save &As..."));
    m->addSeparator();
    a.Properties1 = Item(m, "Properties1", QStringLiteral("Prop&erties..."));
    a.Preview1 = Item(m, "Preview1", QStringLiteral("Pre&view..."), QKeySequence(QStringLiteral("Ctrl+P")));
    a.Publish1 = Item(m, "Publish1", QStringLiteral("&Publish..."));
    m->addSeparator();
    a.Exit1 = Item(m, "Exit1", QStringLiteral("E&xit"), QKeySequence(QStringLiteral("Ctrl+X")));
}

void BuildSceneMenu(QMainWindow& window, MainFormActions& a) {
    QMenu* m = a.SceneMenu = window.menuBar()->addMenu(QStringLiteral("&Scene"));
    m->setObjectName(QStringLiteral("Scene1"));
    a.NewScene1 = Item(m, "NewScene1", QStringLiteral("&New Scene..."));
    a.DuplicateScene1 = Item(m, "DuplicateScene1", QStringLiteral("D&uplicate Scene"));
    a.AddScenesFromScreenShots1 =
        Item(m, "AddScenesFromScreenShots1", QStringLiteral("&Add Scenes From Screen Shots..."));
    a.DeleteScene1 = Item(m, "DeleteScene1", QStringLiteral("&Delete Scene..."));
    m->addSeparator();
    a.MoveUp1 = Item(m, "MoveUp1", QStringLiteral("Move &Up"));
    a.MoveDown1 = Item(m, "MoveDown1", QStringLiteral("Move D&own"));
    a.MoveToFirst1 = Item(m, "MoveToFirst1", QStringLiteral("Move to &First"));
    a.MoveToLast1 = Item(m, "MoveToLast1", QStringLiteral("Move to &Last"));
    m->addSeparator();
    a.PreviewScene1 = Item(m, "PreviewScene1", QStringLiteral("&Preview Scene..."));
}

// The Edit items, shared by the Edit menu and the canvas pop-up.
void BuildEditItems(QMenu* m, MainFormActions& a) {
    a.Copy1 = Item(m, "Copy1", QStringLiteral("&Copy"), QKeySequence(QStringLiteral("Ctrl+C")));
    a.Paste1 = Item(m, "Paste1", QStringLiteral("&Paste"), QKeySequence(QStringLiteral("Ctrl+V")));
    a.Duplicate1 = Item(m, "Duplicate1", QStringLiteral("D&uplicate"));
    a.Align1 = m->addMenu(QStringLiteral("&Align"));
    a.Align1->setObjectName(QStringLiteral("Align1"));
    QMenu* al = a.Align1;
    a.align.AlignToGrid1 = Item(al, "AlignToGrid1", QStringLiteral("Align to &Grid"));
    al->addSeparator();
    a.align.AlignLeft1 = Item(al, "AlignLeft1", QStringLiteral("Align &Left"));
    a.align.AlignCenter1 = Item(al, "AlignCenter1", QStringLiteral("Align &Center"));
    a.align.AlignRight1 = Item(al, "AlignRight1", QStringLiteral("Align &Right"));
    al->addSeparator();
    a.align.AlignTop1 = Item(al, "AlignTop1", QStringLiteral("Align &Top"));
    a.align.AlignMiddle1 = Item(al, "AlignMiddle1", QStringLiteral("Align &Middle"));
    a.align.AlignBottom1 = Item(al, "AlignBottom1", QStringLiteral("Align &Bottom"));
    a.Delete1 = Item(m, "Delete1", QStringLiteral("&Delete"), QKeySequence(QStringLiteral("Ctrl+Del")));
    a.Clear1 = Item(m, "Clear1", QStringLiteral("Cl&ear"));
    m->addSeparator();
    a.BringToFront1 = Item(m, "BringToFront1", QStringLiteral("&Bring To Front"));
    a.SendToBack1 = Item(m, "SendToBack1", QStringLiteral("&Send To Back"));
}

void BuildEditMenu(QMainWindow& window, MainFormActions& a) {
    QMenu* m = a.EditMenu = window.menuBar()->addMenu(QStringLiteral("&Edit"));
    m->setObjectName(QStringLiteral("Edit1"));
    a.Undo1 = Item(m, "Undo1", QStringLiteral("&Undo"));
    a.Undo1->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Z"))});
    a.Redo1 = Item(m, "Redo1", QStringLiteral("&Redo"));
    a.Redo1->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    m->addSeparator();
    BuildEditItems(m, a);
}

void BuildViewAndToolsMenus(QMainWindow& window, MainFormActions& a) {
    QMenu* v = a.ViewMenu = window.menuBar()->addMenu(QStringLiteral("&View"));
    v->setObjectName(QStringLiteral("View1"));
    a.ToolBar1 = Check(v, "ToolBar1", QStringLiteral("&Tool Bar"), true);
    a.StatusBar1 = Check(v, "StatusBar1", QStringLiteral("&Status Bar"), true);
    v->addSeparator();
    a.ZoomIn1 = Item(v, "ZoomIn1", QStringLiteral("Zoom &In"), QKeySequence(QKeySequence::ZoomIn));
    a.ZoomOut1 = Item(v, "ZoomOut1", QStringLiteral("Zoom &Out"), QKeySequence(QKeySequence::ZoomOut));
    a.ActualSize1 = Item(v, "ActualSize1", QStringLiteral("&Actual Size"), QKeySequence(QStringLiteral("Ctrl+0")));
    a.Fit1 = Item(v, "Fit1", QStringLiteral("&Fit"));

    QMenu* t = a.ToolsMenu = window.menuBar()->addMenu(QStringLiteral("&Tools"));
    t->setObjectName(QStringLiteral("Tools1"));
    a.DisplayGrid1 = Check(t, "DisplayGrid1", QStringLiteral("&Display Grid"), false);
    a.SnapToGrid1 = Check(t, "SnapToGrid1", QStringLiteral("&Snap To Grid"), false);
    a.GridSize1 = Item(t, "GridSize1", QStringLiteral("&Grid Size..."));
    a.BackgroundColor1 = Item(t, "BackgroundColor1", QStringLiteral("&Background Color..."));
    t->addSeparator();
    a.SaveObjectToGallery1 = Item(t, "SaveObjectToGallery1", QStringLiteral("Save &Object to Gallery"));
    a.DeleteObjectFromGallery1 = Item(t, "DeleteObjectFromGallery1", QStringLiteral("D&elete Object from Gallery"));
    t->addSeparator();
    a.CheckDemo1 = Item(t, "CheckDemo1", QStringLiteral("&Check Demo"));
}

void BuildHelpMenu(QMainWindow& window, MainFormActions& a) {
    QMenu* m = a.HelpMenu = window.menuBar()->addMenu(QStringLiteral("&Help"));
    m->setObjectName(QStringLiteral("Help1"));
    a.VantoraHelp1 = Item(m, "VantoraHelp1", QStringLiteral("Vantora &Help..."), QKeySequence(Qt::Key_F1));
    a.TechnicalSupport1 = Item(m, "TechnicalSupport1", QStringLiteral("&Technical Support..."));
    a.HomePage1 = Item(m, "HomePage1", QStringLiteral("Home &Page..."));
    m->addSeparator();
    a.WhatsNew1 = Item(m, "WhatsNew1", QStringLiteral("&What's New..."));
    a.About1 = Item(m, "About1", QStringLiteral("&About..."));
}

void BuildPopupMenus(QMainWindow& window, MainFormActions& a) {
    QMenu* scene = a.ScenePopupMenu = new QMenu(&window);
    scene->setObjectName(QStringLiteral("ScenePopupMenu"));
    scene->addAction(a.NewScene1);
    scene->addAction(a.DuplicateScene1);
    scene->addAction(a.AddScenesFromScreenShots1);
    a.DeleteScenePopup1 = Item(scene, "DeleteScenePopup1", QStringLiteral("&Delete Scene"));
    scene->addSeparator();
    scene->addActions({a.MoveUp1, a.MoveDown1, a.MoveToFirst1, a.MoveToLast1});
    scene->addSeparator();
    scene->addAction(a.PreviewScene1);

    QMenu* canvas = a.CanvasPopupMenu = new QMenu(&window);
    canvas->setObjectName(QStringLiteral("CanvasPopupMenu"));
    canvas->addActions({a.Copy1, a.Paste1, a.Duplicate1});
    canvas->addMenu(a.Align1);
    canvas->addActions({a.Delete1, a.Clear1});
    canvas->addSeparator();
    canvas->addActions({a.BringToFront1, a.SendToBack1});
}

QAction* Button(QToolBar* bar, QAction* action, const QString& hint, const QIcon& icon) {
    action->setIcon(icon);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    bar->addAction(action);
    return action;
}

void BuildToolBar(QMainWindow& window, MainFormActions& a) {
    QToolBar* bar = a.ToolBar = window.addToolBar(QStringLiteral("Tool Bar"));
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setMovable(false);
    bar->setIconSize(QSize(20, 20));
    Button(bar, a.New1, QStringLiteral("New"), ToolBarIcon(ToolBarGlyph::New));
    Button(bar, a.Open1, QStringLiteral("Open"), ToolBarIcon(ToolBarGlyph::Open));
    Button(bar, a.Save1, QStringLiteral("Save"), ToolBarIcon(ToolBarGlyph::Save));
    Button(bar, a.Properties1, QStringLiteral("Demo Properties"), ToolBarIcon(ToolBarGlyph::Properties));
    Button(bar, a.Preview1, QStringLiteral("Preview"), ToolBarIcon(ToolBarGlyph::Preview));
    Button(bar, a.Publish1, QStringLiteral("Publish"), ToolBarIcon(ToolBarGlyph::Publish));
    bar->addSeparator();
    Button(bar, a.NewScene1, QStringLiteral("New Scene"), ToolBarIcon(ToolBarGlyph::NewScene));
    Button(bar, a.PreviewScene1, QStringLiteral("Preview Scene"), ToolBarIcon(ToolBarGlyph::PreviewScene));
    bar->addSeparator();
    Button(bar, a.Copy1, QStringLiteral("Copy"), ToolBarIcon(ToolBarGlyph::Copy));
    Button(bar, a.Paste1, QStringLiteral("Paste"), ToolBarIcon(ToolBarGlyph::Paste));
    bar->addSeparator();

    a.tools = new QActionGroup(&window);
    a.tools->setExclusive(true);
    a.ToolSelect = new QAction(&window);
    a.ToolSelect->setObjectName(QStringLiteral("ToolSelect"));
    a.ToolSelect->setCheckable(true);
    a.ToolSelect->setChecked(true);
    a.ToolSelect->setActionGroup(a.tools);
    Button(bar, a.ToolSelect, QStringLiteral("Select"), ToolBarIcon(ToolBarGlyph::Select));
    for (TObjectKind kind : kToolBarKinds) {
        const QString name = QString::fromUtf8(ObjectKindName(kind).data(), ObjectKindName(kind).size());
        auto* tool = new QAction(&window);
        tool->setObjectName(QStringLiteral("ToolAdd") + name);
        tool->setCheckable(true);
        tool->setData(static_cast<int>(kind));
        tool->setActionGroup(a.tools);
        Button(bar, tool, QStringLiteral("Add ") + name, ObjectKindIcon(kind));
        a.addObjectTools << tool;
    }
}

} // namespace

QList<QAction*> MainFormActions::selectionActions() const {
    return {DuplicateScene1, DeleteScene1, DeleteScenePopup1, PreviewScene1, MoveUp1, MoveDown1, MoveToFirst1,
            MoveToLast1, Copy1, Paste1, Duplicate1, Delete1, Clear1, BringToFront1, SendToBack1,
            align.AlignToGrid1, align.AlignLeft1, align.AlignCenter1, align.AlignRight1, align.AlignTop1,
            align.AlignMiddle1, align.AlignBottom1};
}

MainFormActions BuildMainFormActions(QMainWindow& window) {
    MainFormActions actions;
    BuildFileMenu(window, actions);
    BuildSceneMenu(window, actions);
    BuildEditMenu(window, actions);
    BuildViewAndToolsMenus(window, actions);
    BuildHelpMenu(window, actions);
    BuildPopupMenus(window, actions);
    BuildToolBar(window, actions);
    return actions;
}

} // namespace vantora
