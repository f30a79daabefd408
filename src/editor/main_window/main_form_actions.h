#pragma once
// Every menu item and tool button of the main window, named after the design's handlers, and the
// menus that hold them. Built once by BuildMainFormActions; TMainForm connects them.

#include "model/object_kind.h"

#include <QList>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QToolBar;

namespace vantora {

struct AlignActions {
    QAction* AlignToGrid1 = nullptr;
    QAction* AlignLeft1 = nullptr;
    QAction* AlignCenter1 = nullptr;
    QAction* AlignRight1 = nullptr;
    QAction* AlignTop1 = nullptr;
    QAction* AlignMiddle1 = nullptr;
    QAction* AlignBottom1 = nullptr;
};

struct MainFormActions {
    // File
    QAction* New1 = nullptr;
    QAction* Open1 = nullptr;
    QMenu* Reopen1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* SaveAs1 = nullptr;
    QAction* Properties1 = nullptr;
    QAction* Preview1 = nullptr;
    QAction* Publish1 = nullptr;
    QAction* Exit1 = nullptr;
    // Scene
    QAction* NewScene1 = nullptr;
    QAction* DuplicateScene1 = nullptr;
    QAction* AddScenesFromScreenShots1 = nullptr;
    QAction* DeleteScene1 = nullptr;
    QAction* MoveUp1 = nullptr;
    QAction* MoveDown1 = nullptr;
    QAction* MoveToFirst1 = nullptr;
    QAction* MoveToLast1 = nullptr;
    QAction* PreviewScene1 = nullptr;
    QAction* DeleteScenePopup1 = nullptr; // the scene list's "Delete Scene", without dots
    // Edit
    QAction* Undo1 = nullptr;
    QAction* Redo1 = nullptr;
    QAction* Copy1 = nullptr;
    QAction* Paste1 = nullptr;
    QAction* Duplicate1 = nullptr;
    QMenu* Align1 = nullptr;
    AlignActions align;
    QAction* Delete1 = nullptr;
    QAction* Clear1 = nullptr;
    QAction* BringToFront1 = nullptr;
    QAction* SendToBack1 = nullptr;
    // View
    QAction* ToolBar1 = nullptr;
    QAction* StatusBar1 = nullptr;
    QAction* ZoomIn1 = nullptr;
    QAction* ZoomOut1 = nullptr;
    QAction* ActualSize1 = nullptr;
    QAction* Fit1 = nullptr;
    // Tools
    QAction* DisplayGrid1 = nullptr;
    QAction* SnapToGrid1 = nullptr;
    QAction* GridSize1 = nullptr;
    QAction* BackgroundColor1 = nullptr;
    QAction* SaveObjectToGallery1 = nullptr;
    QAction* DeleteObjectFromGallery1 = nullptr;
    QAction* CheckDemo1 = nullptr;
    // Help
    QAction* VantoraHelp1 = nullptr;
    QAction* TechnicalSupport1 = nullptr;
    QAction* HomePage1 = nullptr;
    QAction* WhatsNew1 = nullptr;
    QAction* About1 = nullptr;

    // The tool group of the tool bar: select first, then one "Add <kind>" per object kind.
    QActionGroup* tools = nullptr;
    QAction* ToolSelect = nullptr;
    QList<QAction*> addObjectTools;

    QMenu* FileMenu = nullptr;
    QMenu* SceneMenu = nullptr;
    QMenu* EditMenu = nullptr;
    QMenu* ViewMenu = nullptr;
    QMenu* ToolsMenu = nullptr;
    QMenu* HelpMenu = nullptr;
    QMenu* ScenePopupMenu = nullptr;  // the scene list's pop-up
    QMenu* CanvasPopupMenu = nullptr; // the canvas's pop-up: the Edit items
    QToolBar* ToolBar = nullptr;

    // The Scene and Edit actions whose enabling follows the selection.
    QList<QAction*> selectionActions() const;
};

// The kinds in the tool bar's order of "Add ..." buttons.
inline constexpr TObjectKind kToolBarKinds[] = {
    TObjectKind::Balloon, TObjectKind::RoundBalloon, TObjectKind::Note,   TObjectKind::Shape,
    TObjectKind::Image,   TObjectKind::Label,        TObjectKind::Text,   TObjectKind::InputText,
    TObjectKind::Button,  TObjectKind::Cursor,       TObjectKind::Audio,
};

// Creates the menus of `window`'s menu bar, the pop-up menus and the tool bar.
MainFormActions BuildMainFormActions(QMainWindow& window);

} // namespace vantora
