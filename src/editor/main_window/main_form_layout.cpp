// The window's panes: the scene list, the canvas, the object box and grids, the timeline and the
// library tabs.

#include "editor/main_window/main_form.h"

#include "dialogs/user_prompts.h"
#include "editor/canvas/scene_canvas.h"
#include "editor/grids/animation_grid_view.h"
#include "editor/grids/property_grid.h"
#include "editor/library/canvas_drop_target.h"
#include "editor/library/library_tabs.h"
#include "editor/main_window/object_box.h"
#include "editor/scene_list/scene_list_widget.h"
#include "editor/timeline/timeline_view.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vantora {

void TMainForm::BuildLayout() {
    // Left: the scene list, drawn as cards.
    sceneList_ = new SceneListWidget(*document_);
    sceneList_->setObjectName(QStringLiteral("SceneList"));
    sceneList_->setSelectionMode(QAbstractItemView::SingleSelection);
    sceneList_->setContextMenuPolicy(Qt::CustomContextMenu);
    sceneList_->setMinimumWidth(150);

    // Middle: the canvas frame on the workspace surround, scrolling when the demo is larger.
    canvasArea_ = new QScrollArea;
    canvasArea_->setObjectName(QStringLiteral("CanvasArea"));
    canvasArea_->setAlignment(Qt::AlignCenter);
    canvasArea_->setContextMenuPolicy(Qt::CustomContextMenu);
    canvas_ = new SceneCanvas(*document_);
    canvasArea_->setWidget(canvas_);
    canvasArea_->setWidgetResizable(false);

    // Right: the object box above the "Properties" and "Animation" grids.
    auto* rightPane = new QWidget;
    rightPane->setObjectName(QStringLiteral("GridPane"));
    auto* rightLayout = new QVBoxLayout(rightPane);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    objectBox_ = new ObjectBox;
    objectBox_->setObjectName(QStringLiteral("ObjectBox"));
    objectBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    gridTabs_ = new QTabWidget;
    gridTabs_->setObjectName(QStringLiteral("GridTabs"));
    // The grids ask through the window's own message boxes and dialog runner, as its menus do.
    auto prompts = std::make_shared<PlatformPrompts>(dialogs(), desktop());
    auto runDialog = [this](QDialog& dialog) { return RunDialog(dialog); };
    // Picture rows take their screen shots from the capture tool, with this window set aside.
    GridDialogs gridDialogs = StandardGridDialogs(std::move(prompts), runDialog, *screenShots_);
    gridTabs_->addTab(new TPropertyGrid(*document_, std::move(gridDialogs), gridTabs_), QStringLiteral("Properties"));
    gridTabs_->addTab(new TAnimationGrid(*document_, gridTabs_), QStringLiteral("Animation"));
    rightLayout->addWidget(objectBox_);
    rightLayout->addWidget(gridTabs_, 1);
    // The grids know how wide they must be to show their longest row names beside their values.
    rightPane->setMinimumWidth(std::max(190, gridTabs_->minimumSizeHint().width()));

    // Bottom: the timeline, then the libraries in the order they are filled.
    bottomTabs_ = new QTabWidget;
    bottomTabs_->setObjectName(QStringLiteral("BottomTabs"));
    timeline_ = new timeline::TimelineView(*document_, bottomTabs_);
    connect(timeline_, &timeline::TimelineView::barPressed, objectBox_, [this] { objectBox_->setFocus(); });
    bottomTabs_->addTab(timeline_, QStringLiteral("TimeLine"));
    libraries_ = new LibraryTabs(*bottomTabs_, soundPlayer(), this);
    new CanvasDropTarget(*canvas_, [this](const LibraryItemRef& item, QPoint at) { DropLibraryItemOnCanvas(item, at); });
    gridTabs_->setCurrentIndex(0);
    bottomTabs_->setCurrentIndex(0);

    auto* top = new QSplitter(Qt::Horizontal);
    top->setObjectName(QStringLiteral("TopSplitter"));
    top->addWidget(sceneList_);
    top->addWidget(canvasArea_);
    top->addWidget(rightPane);
    top->setStretchFactor(0, 0);
    top->setStretchFactor(1, 1);
    top->setStretchFactor(2, 0);
    // The grid pane opens wide enough for its names and pick-list values.
    top->setSizes({180, 700, std::max(220, rightPane->sizeHint().width())});

    auto* whole = new QSplitter(Qt::Vertical);
    whole->setObjectName(QStringLiteral("MainSplitter"));
    whole->addWidget(top);
    whole->addWidget(bottomTabs_);
    whole->setStretchFactor(0, 1);
    whole->setStretchFactor(1, 0);
    whole->setSizes({560, 200});
    setCentralWidget(whole);

    // Status bar: scene count, object pick, demo name and file.
    const int widths[3] = {110, 110, 0};
    for (int i = 0; i < 3; ++i) {
        statusPanels_[i] = new QLabel;
        statusPanels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        statusPanels_[i]->setMinimumWidth(widths[i]);
        if (i < 2)
            statusBar()->addWidget(statusPanels_[i]);
        else
            statusBar()->addWidget(statusPanels_[i], 1);
    }
}

} // namespace vantora
