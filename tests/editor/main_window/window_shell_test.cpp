// The window's shell: menus and their shortcuts, tool bar hints, the layout's places, the settings
// commands, the Help menu, the Reopen submenu and the remembered geometry.
#include "main_form_fixture.h"
#include "scoped_env.h"

#include "editor/canvas/scene_canvas.h"
#include "editor/document/editor_document.h"
#include "model/demo.h"
#include "storage/editor_settings.h"
#include "storage/ini_file.h"
#include "storage/recent_projects.h"

#include <QLabel>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QUndoStack>
#include <QtTest/QTest>

namespace vantora::test {
namespace {

QStringList Texts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* a : actions)
        if (!a->isSeparator())
            texts << a->text().remove(QLatin1Char('&'));
    return texts;
}

using MainFormShell = MainFormTest;

TEST_F(MainFormShell, MenusHoldTheDesignedItemsInOrder) {
    EXPECT_EQ(Texts(menu("File1")->actions()),
              (QStringList{"New...", "Open...", "Reopen", "Save", "Save As...", "Properties...", "Preview...",
                           "Publish...", "Exit"}));
    EXPECT_EQ(Texts(menu("Scene1")->actions()),
              (QStringList{"New Scene...", "Duplicate Scene", "Add Scenes From Screen Shots...", "Delete Scene...",
                           "Move Up", "Move Down", "Move to First", "Move to Last", "Preview Scene..."}));
    // Undo and Redo head the Edit menu.
    EXPECT_EQ(Texts(menu("Edit1")->actions()),
              (QStringList{"Undo", "Redo", "Copy", "Paste", "Duplicate", "Align", "Delete", "Clear", "Bring To Front",
                           "Send To Back"}));
    EXPECT_EQ(Texts(menu("Align1")->actions()),
              (QStringList{"Align to Grid", "Align Left", "Align Center", "Align Right", "Align Top", "Align Middle",
                           "Align Bottom"}));
    EXPECT_EQ(Texts(menu("View1")->actions()),
              (QStringList{"Tool Bar", "Status Bar", "Zoom In", "Zoom Out", "Actual Size", "Fit"}));
    EXPECT_EQ(Texts(menu("Tools1")->actions()),
              (QStringList{"Display Grid", "Snap To Grid", "Grid Size...", "Background Color...",
                           "Save Object to Gallery", "Delete Object from Gallery", "Check Demo"}));
    EXPECT_EQ(Texts(menu("Help1")->actions()), (QStringList{"Vantora Help...", "Technical Support...", "Home Page...",
                                                            "What's New...", "About..."}));
    // The pop-ups repeat the Scene and Edit items; the scene list's Delete Scene has no dots.
    EXPECT_EQ(Texts(menu("ScenePopupMenu")->actions()),
              (QStringList{"New Scene...", "Duplicate Scene", "Add Scenes From Screen Shots...", "Delete Scene",
                           "Move Up", "Move Down", "Move to First", "Move to Last", "Preview Scene..."}));
    EXPECT_EQ(Texts(menu("CanvasPopupMenu")->actions()),
              (QStringList{"Copy", "Paste", "Duplicate", "Align", "Delete", "Clear", "Bring To Front", "Send To Back"}));
}

TEST_F(MainFormShell, ShortcutsAreTheDesignedOnes) {
    const std::pair<const char*, const char*> shortcuts[] = {
        {"New1", "Ctrl+N"},  {"Open1", "Ctrl+O"},       {"Save1", "Ctrl+S"},  {"Preview1", "Ctrl+P"},
        {"Exit1", "Ctrl+X"}, {"Delete1", "Ctrl+Del"},   {"Copy1", "Ctrl+C"},  {"Paste1", "Ctrl+V"},
        {"Undo1", "Ctrl+Z"}, {"VantoraHelp1", "F1"},
    };
    for (const auto& [name, keys] : shortcuts)
        EXPECT_EQ(action(name)->shortcut(), QKeySequence(QString::fromLatin1(keys))) << name;
    EXPECT_EQ(action("Redo1")->shortcuts(),
              (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    // Ctrl+X stays Exit: nothing else in the window claims it.
    int claims = 0;
    for (const QAction* a : form->findChildren<QAction*>())
        claims += a->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+X")));
    EXPECT_EQ(claims, 1);
}

TEST_F(MainFormShell, ToolBarButtonsCarryTheirHints) {
    QStringList hints;
    for (QAction* a : form->findChild<QToolBar*>(QStringLiteral("ToolBar"))->actions())
        if (!a->isSeparator())
            hints << a->toolTip();
    EXPECT_EQ(hints, (QStringList{"New", "Open", "Save", "Demo Properties", "Preview", "Publish", "New Scene",
                                  "Preview Scene", "Copy", "Paste", "Select", "Add Balloon", "Add RoundBalloon",
                                  "Add Note", "Add Shape", "Add Image", "Add Label", "Add Text", "Add InputText",
                                  "Add Button", "Add Cursor", "Add Audio"}));
    EXPECT_EQ(form->currentTool(), std::nullopt);
    action("ToolAddCursor")->trigger();
    EXPECT_EQ(form->currentTool(), TObjectKind::Cursor);
    action("ToolSelect")->trigger();
    EXPECT_EQ(form->currentTool(), std::nullopt);
}

TEST_F(MainFormShell, AToolButtonAndACanvasPressAddOneObjectAndGiveBackTheSelectTool) {
    action("NewScene1")->trigger();
    ASSERT_EQ(form->document().demo().Scenes.size(), 1u);
    SceneCanvas* canvas = form->canvas();
    ASSERT_NE(canvas, nullptr);
    EXPECT_TRUE(canvas->isVisibleTo(form.get()));
    const int stepsBefore = form->document().undoStack().count();
    action("ToolAddNote")->trigger();
    const QPoint scenePoint(45, 30);
    QTest::mousePress(canvas, Qt::LeftButton, {}, scenePoint + QPoint(SceneCanvas::kFrameWidth, SceneCanvas::kFrameWidth));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, scenePoint + QPoint(SceneCanvas::kFrameWidth, SceneCanvas::kFrameWidth));
    const TDemoFrame& scene = *form->document().demo().Scenes.front();
    ASSERT_EQ(scene.Objects.size(), 1u);
    EXPECT_EQ(scene.Objects.front()->Kind, TObjectKind::Note);
    EXPECT_EQ(form->currentTool(), std::nullopt) << "the select tool is current again";
    EXPECT_EQ(form->document().undoStack().count(), stepsBefore + 1);
    form->document().undoStack().undo();
    EXPECT_TRUE(scene.Objects.empty());
}

TEST_F(MainFormShell, ZoomItemsScaleTheCanvasAndActualSizeRestoresIt) {
    action("NewScene1")->trigger();
    SceneCanvas* canvas = form->canvas();
    EXPECT_DOUBLE_EQ(canvas->zoom(), 1.0);
    action("ZoomIn1")->trigger();
    EXPECT_GT(canvas->zoom(), 1.0);
    action("ZoomOut1")->trigger();
    action("ZoomOut1")->trigger();
    EXPECT_LT(canvas->zoom(), 1.0);
    action("ActualSize1")->trigger();
    EXPECT_DOUBLE_EQ(canvas->zoom(), 1.0);
    EXPECT_EQ(action("ActualSize1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+0")));
}

TEST_F(MainFormShell, LayoutLeavesNamedPlacesForThePanes) {
    for (const char* name : {"Canvas", "PropertyGrid", "AnimationGrid", "Timeline", "GalleryList", "CursorsList",
                             "ImagesList", "ButtonsList", "AudiosList"})
        EXPECT_NE(form->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    QStringList bottom;
    for (int i = 0; i < form->bottomTabs()->count(); ++i)
        bottom << form->bottomTabs()->tabText(i);
    EXPECT_EQ(bottom, (QStringList{"TimeLine", "Gallery", "Cursors", "Images", "Buttons", "Audios"}));
    EXPECT_EQ(form->bottomTabs()->currentIndex(), 0);
    EXPECT_EQ(form->gridTabs()->tabText(0), QStringLiteral("Properties"));
    EXPECT_EQ(form->gridTabs()->tabText(1), QStringLiteral("Animation"));
    EXPECT_EQ(form->gridTabs()->currentIndex(), 0);
}

TEST_F(MainFormShell, FirstStartWithoutSettingsShowsNoGridAndAnEmptyReopenList) {
    EXPECT_FALSE(form->editorSettings().DisplayGrid);
    EXPECT_FALSE(form->editorSettings().SnapToGrid);
    EXPECT_EQ(form->editorSettings().GridSizeX, 8);
    EXPECT_EQ(form->editorSettings().GridSizeY, 8);
    EXPECT_FALSE(action("DisplayGrid1")->isChecked());
    EXPECT_FALSE(action("SnapToGrid1")->isChecked());
    EXPECT_EQ(reopenCaptions(), QStringList{QStringLiteral("(Empty) (disabled)")});
}

TEST_F(MainFormShell, GridCommandsToggleAndWriteTheSettingsAtOnce) {
    action("DisplayGrid1")->trigger();
    EXPECT_TRUE(form->editorSettings().DisplayGrid);
    EXPECT_TRUE(ReadEditorSettings(settingsFile(), {}).DisplayGrid);
    EXPECT_FALSE(ReadEditorSettings(settingsFile(), {}).SnapToGrid);
    action("SnapToGrid1")->trigger();
    EXPECT_TRUE(ReadEditorSettings(settingsFile(), {}).SnapToGrid);
    action("DisplayGrid1")->trigger();
    EXPECT_FALSE(ReadEditorSettings(settingsFile(), {}).DisplayGrid);

    // The next start ticks the menu items from the file.
    makeForm();
    EXPECT_FALSE(action("DisplayGrid1")->isChecked());
    EXPECT_TRUE(action("SnapToGrid1")->isChecked());
}

TEST_F(MainFormShell, GridSizeIsAskedForAndWrittenWhenConfirmed) {
    answerDialog = [](QDialog&) { return int(QDialog::Rejected); };
    action("GridSize1")->trigger(); // rejected: nothing changes, nothing is written
    ASSERT_EQ(dialogsRun.size(), 1);
    EXPECT_EQ(form->editorSettings().GridSizeX, 8);
    EXPECT_FALSE(std::filesystem::exists(settingsFile()));

    answerDialog = [](QDialog& dialog) {
        const QList<QSpinBox*> edits = dialog.findChildren<QSpinBox*>();
        EXPECT_EQ(edits.size(), 2);
        if (edits.size() == 2) {
            EXPECT_EQ(edits[0]->value(), 8); // the dialog starts at the current size
            edits[0]->setValue(12);
            edits[1]->setValue(20);
        }
        return int(QDialog::Accepted);
    };
    action("GridSize1")->trigger();
    EXPECT_EQ(form->editorSettings().GridSizeX, 12);
    EXPECT_EQ(form->editorSettings().GridSizeY, 20);
    const EditorSettings written = ReadEditorSettings(settingsFile(), {});
    EXPECT_EQ(written.GridSizeX, 12);
    EXPECT_EQ(written.GridSizeY, 20);
}

TEST_F(MainFormShell, BackgroundColourIsChosenAppliedAndWritten) {
    dialogs.colourAnswer = QColor(0x12, 0x34, 0x56);
    action("BackgroundColor1")->trigger();
    EXPECT_EQ(form->editorSettings().BackColor, 0x563412u);
    EXPECT_EQ(ReadEditorSettings(settingsFile(), {}).BackColor, 0x563412u);
    EXPECT_EQ(form->canvasArea()->palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));

    // Cancelled: nothing changes; the chooser started at the current colour.
    dialogs.colourAnswer.reset();
    action("BackgroundColor1")->trigger();
    EXPECT_EQ(dialogs.colourInitial, QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(form->editorSettings().BackColor, 0x563412u);

    makeForm();
    EXPECT_EQ(form->canvasArea()->palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
}

TEST_F(MainFormShell, ViewTogglesShowAndHideTheBars) {
    form->show();
    action("ToolBar1")->trigger();
    EXPECT_FALSE(action("ToolBar1")->isChecked());
    EXPECT_FALSE(form->findChild<QToolBar*>(QStringLiteral("ToolBar"))->isVisible());
    action("StatusBar1")->trigger();
    EXPECT_FALSE(form->statusBar()->isVisible());
    action("ToolBar1")->trigger();
    action("StatusBar1")->trigger();
    EXPECT_TRUE(form->findChild<QToolBar*>(QStringLiteral("ToolBar"))->isVisible());
    EXPECT_TRUE(form->statusBar()->isVisible());
}

TEST_F(MainFormShell, HelpItemsOpenTheHelpFileMailAndHomePage) {
    writeFileBytes(home.path() / "Vantora.chm", {'I', 'T', 'S', 'F'}); // a help file comes first
    action("VantoraHelp1")->trigger();
    action("TechnicalSupport1")->trigger();
    action("HomePage1")->trigger();
    ASSERT_EQ(desktop.opened.size(), 3u);
    EXPECT_EQ(desktop.opened[0], QUrl::fromLocalFile(QString::fromStdString((home.path() / "Vantora.chm").string())));
    EXPECT_EQ(desktop.opened[1], QUrl(QStringLiteral("mailto:support@vantora.app")));
    EXPECT_EQ(desktop.opened[2], QUrl(QStringLiteral("https://vantora.app")));
}

// Without a help file F1 opens the manual shipped with the program, and says so when there is none.
TEST_F(MainFormShell, HelpOpensTheShippedManualOrSaysItIsMissing) {
    TempDir resources;
    ScopedEnv shipped("VANTORA_RESOURCES", resources.path().string());
    action("VantoraHelp1")->trigger();
    EXPECT_TRUE(desktop.opened.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, "Vantora Help");
    EXPECT_EQ(dialogs.messages[0].text,
              "The manual was not found. It is installed with Vantora, in share/vantora/manual.");

    std::filesystem::create_directories(resources / "manual");
    writeFileBytes(resources / "manual" / "index.html", {'<', 'p', '>'});
    action("VantoraHelp1")->trigger();
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(desktop.opened[0], QUrl::fromLocalFile(QString::fromStdString((resources / "manual" / "index.html").string())));
}

TEST_F(MainFormShell, ReopenListsEntriesWhoseFilesExist) {
    const std::filesystem::path kept = home.path() / "kept.vtp";
    writeFileBytes(kept, {1});
    RecentProjects recent{};
    recent[0] = {"Tour", kept.string()};
    recent[1] = {"Gone", (home.path() / "gone.vtp").string()};
    recent[3] = {"", kept.string()};
    ASSERT_TRUE(WriteRecentProjects(settingsFile(), recent));
    makeForm();
    EXPECT_EQ(reopenCaptions(), (QStringList{QString::fromStdString("Tour - " + kept.string()),
                                             QString::fromStdString("[Untitled] - " + kept.string())}));
    // The missing file stays in the list and in the file when the window closes.
    form->close();
    EXPECT_EQ(ReadRecentProjects(settingsFile())[1].FileName, (home.path() / "gone.vtp").string());
}

TEST_F(MainFormShell, TheWindowRemembersItsGeometry) {
    form->show();
    form->setGeometry(40, 50, 900, 640);
    QApplication::processEvents();
    const QRect placed = form->geometry();
    form->close();
    makeForm();
    form->show();
    QApplication::processEvents();
    EXPECT_EQ(form->geometry().size(), placed.size());
    EXPECT_EQ(form->geometry().topLeft(), placed.topLeft());
}

TEST_F(MainFormShell, ADamagedGeometryEntryIsIgnored) {
    IniFile ini = IniFile::Load(settingsFile());
    ini.setValue("WINDOW", "GEOMETRY", "not base64 geometry!");
    ASSERT_TRUE(ini.save(settingsFile()));
    makeForm();
    EXPECT_FALSE(form->geometry().isEmpty());
}

} // namespace
} // namespace vantora::test
