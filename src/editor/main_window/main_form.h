#pragma once
// The main window: scene list on the left, the canvas in the middle, the property grids on the
// right, timeline and libraries below; menus, tool bar and status bar. This class holds the
// wiring; the commands of each menu live in their own file (file_commands.cpp, ...).

#include "editor/main_window/main_form_actions.h"
#include "editor/main_window/main_form_services.h"
#include "editor/main_window/status_texts.h"
#include "storage/editor_settings.h"
#include "storage/recent_projects.h"

#include <QMainWindow>
#include <QPoint>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QDialog;
class QFrame;
class QLabel;
class QListWidget;
class QScrollArea;
class QTabWidget;

namespace vantora {

class EditorDocument;
class LibraryTabs;
class SceneCanvas;
class SoundPlayer;
class TDemoCheckForm;
struct DemoFinding;
struct LibraryItemRef;
class ScreenShotSource;
namespace timeline {
class TimelineView;
}
struct CommandState;
struct ProgressObserver;

class TMainForm : public QMainWindow {
public:
    explicit TMainForm(MainFormServices services = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Fills the library tabs in the start-up order; `afterEachStep` runs after each tab (the
    // splash window repaints there).
    void FillLibraryTabs(const std::function<void()>& afterEachStep = {});

    // The start-up steps that follow the first show: open the project of the command line (when
    // given) and start the tips timer.
    void FormShow(const QString& commandLineProject = {});

    // A later start of the program reached this one: come to the front and, when it names a
    // project, open it (asking about unsaved changes first).
    void ActivateFromOtherInstance(const QString& projectFile);

    // --- File ----------------------------------------------------------------------------------
    void New1Click();
    void Open1Click();
    void ReopenClick(std::size_t entry);
    bool Save1Click();
    bool SaveAs1Click();
    void Properties1Click();
    void Preview1Click();
    void Publish1Click();
    void Exit1Click();

    // Asks "Save changes to file?" with `caption` when the demo is modified. True when the caller
    // may go on (No, or Yes and the save worked).
    bool QuerySaveChanges(const QString& caption);
    // Loads the project (no question asked); false, with the error shown, when it cannot be read.
    bool OpenProject(const QString& fileName);
    // Saves under `fileName`; on success the name, modified flag and recent list follow.
    bool SaveProjectAs(const QString& fileName);

    // --- Scene ---------------------------------------------------------------------------------
    void NewScene1Click();
    void DuplicateScene1Click();
    void AddScenesFromScreenShots1Click();
    // The capture tool's shots as new scenes, in one undoable step (also "Take Screen Shots").
    void AddScenesFromScreenShots();
    void DeleteScene1Click();
    void MoveUp1Click();
    void MoveDown1Click();
    void MoveToFirst1Click();
    void MoveToLast1Click();
    void PreviewScene1Click();

    // --- Edit ----------------------------------------------------------------------------------
    void Copy1Click();
    void Paste1Click();
    void Duplicate1Click();
    void Delete1Click();
    void Clear1Click();
    void BringToFront1Click();
    void SendToBack1Click();
    void AlignToGrid1Click();
    void AlignLeft1Click();
    void AlignCenter1Click();
    void AlignRight1Click();
    void AlignTop1Click();
    void AlignMiddle1Click();
    void AlignBottom1Click();

    // --- View and Tools ------------------------------------------------------------------------
    void ToolBar1Click();
    void StatusBar1Click();
    void DisplayGrid1Click();
    void SnapToGrid1Click();
    void GridSize1Click();
    void BackgroundColor1Click();
    void SaveObjectToGallery1Click();
    void DeleteObjectFromGallery1Click();
    // Tools > "Check Demo": the demo check's window, also when it finds nothing.
    void CheckDemo1Click();
    TDemoCheckForm* demoCheckForm() const { return demoCheckForm_; }

    // --- Help ----------------------------------------------------------------------------------
    void VantoraHelp1Click();
    void TechnicalSupport1Click();
    void HomePage1Click();
    void WhatsNew1Click();
    void About1Click();
    // Opened by a one-shot timer once the window is on the screen.
    void ShowStartupTips();

    // --- State other parts of the editor and tests read ------------------------------------------
    EditorDocument& document() { return *document_; }
    const EditorDocument& document() const { return *document_; }
    const MainFormActions& actions() const { return actions_; }
    const EditorSettings& editorSettings() const { return settings_; }
    const RecentProjects& recentProjects() const { return recent_; }
    // Where the image editor's "Take a Screen Shot..." gets its picture: the capture tool, with
    // this window set aside while it runs.
    ScreenShotSource& screenShots() { return *screenShots_; }
    // The tool chosen in the tool bar: nothing for select, else the kind to add.
    std::optional<TObjectKind> currentTool() const;
    // The selected scene's index in the demo, if one is selected.
    std::optional<std::size_t> selectedSceneIndex() const;
    void selectScene(std::optional<std::size_t> index);
    QString statusPanelText(int panel) const;

    // The places later panes fill.
    QScrollArea* canvasArea() const { return canvasArea_; }
    SceneCanvas* canvas() const { return canvas_; }
    QTabWidget* gridTabs() const { return gridTabs_; }
    QTabWidget* bottomTabs() const { return bottomTabs_; }
    QListWidget* sceneList() const { return sceneList_; }
    QComboBox* objectBox() const { return objectBox_; }
    LibraryTabs& libraries() const { return *libraries_; }
    timeline::TimelineView* timelineView() const { return timeline_; }

    // A progress report that shows the one progress window over this window while loading,
    // saving or building runs.
    ProgressObserver ProgressForWork();

    // Rebuilds the "Reopen" submenu and the Scene/Edit enabling, as opening the menus does.
    void UpdateFileMenu();
    void UpdateSelectionCommands();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Construction, in the designed order (main_form.cpp, main_form_layout.cpp).
    void BuildLayout();
    void ConnectActions();
    void ConnectFileActions();
    void ConnectSceneActions();
    void ConnectEditActions();
    void ConnectSettingsActions();
    void ConnectHelpActions();
    void ConnectGalleryActions();
    void ConnectCheckActions();
    // Before Preview and Publish: the check's window when it finds something; it never stops them.
    void ShowDemoCheckFindings();
    void ShowDemoCheck(const std::vector<DemoFinding>& findings);
    void SelectFinding(std::size_t scene, std::size_t object);
    void UpdateGalleryCommands();
    // A library item dropped on the canvas at a scene point (gallery_commands.cpp).
    void DropLibraryItemOnCanvas(const LibraryItemRef& item, QPoint scenePoint);
    void ReadSettings();

    // Shutdown and window geometry (main_form.cpp).
    void RestoreGeometry();
    void SaveGeometry() const;

    enum class SceneMove { Up, Down, ToFirst, ToLast };
    void MoveSelectedScene(SceneMove move);

    // The views that follow the document (scene_list.cpp).
    void ConnectDocument();
    void RefreshSceneList();
    void RefreshObjectBox();
    void ShowSelectedScene();
    void UpdateStatusBar();
    void UpdateCaption();
    CommandState CurrentCommandState() const;
    ObjectPick CurrentObjectPick() const;

    // The open/save dialogs' first folder: that of the current file, else "Vantora Projects" in
    // the documents folder when it exists.
    QString ProjectDialogFolder() const;
    void ShowStorageError(const std::string& message);
    void WriteEditorSettingsNow();
    void RedrawSceneBackground();

    UserDialogs& dialogs() const;
    // Runs one of the window's dialogs through the services (exec by default).
    int RunDialog(QDialog& dialog);
    DesktopServices& desktop() const;
    CaptureTool& captureTool() const;
    SoundPlayer& soundPlayer();

    MainFormServices services_;
    std::unique_ptr<EditorDocument> document_;
    MainFormActions actions_;
    EditorSettings settings_;
    RecentProjects recent_;
    std::filesystem::path settingsFile_;
    std::unique_ptr<ScreenShotSource> screenShots_;
    std::unique_ptr<SoundPlayer> ownSoundPlayer_; // made when the services bring none

    QListWidget* sceneList_ = nullptr;
    QComboBox* objectBox_ = nullptr;
    QTabWidget* gridTabs_ = nullptr;
    QTabWidget* bottomTabs_ = nullptr;
    QScrollArea* canvasArea_ = nullptr;
    SceneCanvas* canvas_ = nullptr;
    LibraryTabs* libraries_ = nullptr;
    TDemoCheckForm* demoCheckForm_ = nullptr; // made at the first check
    timeline::TimelineView* timeline_ = nullptr;
    QLabel* statusPanels_[3] = {};
    bool refreshing_ = false; // the views are being refilled: their signals are not user picks
    bool closing_ = false;
};

} // namespace vantora
