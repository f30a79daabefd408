// The library tabs in the main window: their place and order, filling at start-up, the gallery
// commands of the Tools menu, drops onto the (zoomed) canvas with the questions asked through the
// window's message boxes, and the sound player of the "Audios" tab.

#include "library_test_files.h"

#include "../main_window/main_form_fixture.h"
#include "editor/canvas/scene_canvas.h"
#include "editor/document/editor_document.h"
#include "editor/document/editor_selection.h"
#include "editor/library/library_tabs.h"
#include "editor/library/sound_player.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QUndoStack>

namespace vantora::test {
namespace {

class RecordingPlayer final : public SoundPlayer {
public:
    void play(const QString& file) override { calls << QStringLiteral("play ") + QFileInfo(file).fileName(); }
    void stop() override { calls << QStringLiteral("stop"); }
    QStringList calls;
};

QStringList Captions(const QListWidget& list) {
    QStringList captions;
    for (int i = 0; i < list.count(); ++i)
        captions << list.item(i)->text();
    return captions;
}

class LibraryTabsTest : public MainFormTest {
protected:
    void SetUp() override {
        EnsureApplication();
        const auto& folder = home.path();
        WritePicture(folder / "Cursors" / "arrow.png", 12, 20, Qt::black);
        WritePicture(folder / "Images" / "photo.png", 37, 23, Qt::darkGreen);
        WriteGarbage(folder / "Images" / "broken.png");
        WritePicture(folder / "Buttons" / "ok.png", 60, 20, Qt::gray);
        WriteSound(folder / "Audios" / "click.wav", 1);
        WriteSound(folder / "Audios" / "tune.mp3", 2);
        WriteGalleryObject(folder / "Gallery" / "Note1.vto", TObjectKind::Note, "Note1");
        WriteGalleryObject(folder / "Gallery" / "Note2.vto", TObjectKind::Note, "Note2");
        MainFormServices services{&dialogs, &desktop, {}};
        services.runDialog = [](QDialog&) { return int(QDialog::Accepted); };
        services.soundPlayer = &player;
        form = std::make_unique<TMainForm>(services);
    }

    TLibraryList& list(LibraryKind kind) { return form->libraries().list(kind); }
    EditorDocument& doc() { return form->document(); }
    TDemoFrame& newScene() {
        form->NewScene1Click();
        return *doc().currentScene();
    }
    void pick(LibraryKind kind, const QString& caption) {
        const auto found = list(kind).findItems(caption, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << caption.toStdString();
        list(kind).setCurrentItem(found.front());
    }
    std::unique_ptr<QMimeData> dragOf(LibraryKind kind, const QString& caption) {
        const auto found = list(kind).findItems(caption, Qt::MatchExactly);
        EXPECT_EQ(found.size(), 1);
        return std::unique_ptr<QMimeData>(list(kind).model()->mimeData({list(kind).indexFromItem(found.front())}));
    }
    // A drag entering the canvas and dropped at the widget position of the scene point.
    bool dropOnCanvas(const QMimeData& data, QPoint scenePoint) {
        SceneCanvas& canvas = *form->canvas();
        const QPoint at = canvas.widgetRect(QRect(scenePoint, QSize(1, 1))).center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &drop);
        QApplication::processEvents(); // the drop is handled after the drag loop
        return drop.isAccepted();
    }
    bool galleryHas(const char* name) const { return std::filesystem::exists(home.path() / "Gallery" / name); }

    RecordingPlayer player;
};

TEST_F(LibraryTabsTest, TheFiveTabsFollowTheTimeLine) {
    QTabWidget* tabs = form->bottomTabs();
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    EXPECT_EQ(captions, (QStringList{QStringLiteral("TimeLine"), QStringLiteral("Gallery"), QStringLiteral("Cursors"),
                                     QStringLiteral("Images"), QStringLiteral("Buttons"), QStringLiteral("Audios")}));
    EXPECT_EQ(tabs->widget(2), &list(LibraryKind::Cursors));
    EXPECT_EQ(list(LibraryKind::Buttons).iconSize(), QSize(64, 32));
    EXPECT_EQ(list(LibraryKind::Audios).toolTip(), QStringLiteral("Drag and Drop to Add, Double Click to Play"));
    EXPECT_EQ(list(LibraryKind::Images).viewMode(), QListView::IconMode);
}

TEST_F(LibraryTabsTest, FillingGoesTabByTabInTheStartUpOrder) {
    const LibraryKind order[] = {LibraryKind::Cursors, LibraryKind::Images, LibraryKind::Gallery, LibraryKind::Buttons,
                                 LibraryKind::Audios};
    for (LibraryKind kind : order)
        EXPECT_EQ(list(kind).count(), 0);
    std::vector<std::vector<int>> countsAfterEachStep;
    form->FillLibraryTabs([&] {
        std::vector<int> counts;
        for (LibraryKind kind : order)
            counts.push_back(list(kind).count());
        countsAfterEachStep.push_back(counts);
    });
    const std::vector<std::vector<int>> expected{
        {1, 0, 0, 0, 0}, {1, 1, 0, 0, 0}, {1, 1, 2, 0, 0}, {1, 1, 2, 1, 0}, {1, 1, 2, 1, 2}};
    EXPECT_EQ(countsAfterEachStep, expected);
    EXPECT_EQ(Captions(list(LibraryKind::Images)), QStringList{QStringLiteral("photo.png")}); // broken.png left out
    EXPECT_EQ(Captions(list(LibraryKind::Audios)), (QStringList{QStringLiteral("tune.mp3"), QStringLiteral("click.wav")}));
    EXPECT_EQ(Captions(list(LibraryKind::Gallery)), (QStringList{QStringLiteral("Note1.vto"), QStringLiteral("Note2.vto")}));
}

// Files that come and go while the editor runs: the list follows, keeping the picked item.
TEST_F(LibraryTabsTest, TheListsFollowTheirFolders) {
    form->FillLibraryTabs();
    pick(LibraryKind::Images, QStringLiteral("photo.png"));
    QSignalSpy followed(&form->libraries(), &LibraryTabs::folderFollowed);
    WritePicture(home.path() / "Images" / "added.png", 30, 20, Qt::red);
    ASSERT_TRUE(followed.wait(5000));
    EXPECT_EQ(followed.front().front().value<LibraryKind>(), LibraryKind::Images);
    EXPECT_EQ(Captions(list(LibraryKind::Images)), (QStringList{QStringLiteral("added.png"), QStringLiteral("photo.png")}));
    EXPECT_EQ(list(LibraryKind::Images).selectedCaption(), QStringLiteral("photo.png"));

    followed.clear();
    std::filesystem::remove(home.path() / "Audios" / "click.wav");
    ASSERT_TRUE(followed.wait(5000));
    EXPECT_EQ(Captions(list(LibraryKind::Audios)), QStringList{QStringLiteral("tune.mp3")});
}

TEST_F(LibraryTabsTest, SavedObjectsTakeTheSmallestFreeNumber) {
    form->FillLibraryTabs();
    TDemoFrame& scene = newScene();
    TDemoObject* note = doc().addObject(TObjectKind::Note, 0, 0);
    ASSERT_NE(note, nullptr);
    const int steps = doc().undoStack().count();
    form->SaveObjectToGallery1Click();
    EXPECT_TRUE(galleryHas("Note3.vto"));
    EXPECT_EQ(Captions(list(LibraryKind::Gallery)),
              (QStringList{QStringLiteral("Note1.vto"), QStringLiteral("Note2.vto"), QStringLiteral("Note3.vto")}));

    pick(LibraryKind::Gallery, QStringLiteral("Note2.vto"));
    form->DeleteObjectFromGallery1Click();
    EXPECT_FALSE(galleryHas("Note2.vto"));
    EXPECT_TRUE(dialogs.messages.empty()); // deleted without asking
    EXPECT_EQ(Captions(list(LibraryKind::Gallery)), (QStringList{QStringLiteral("Note1.vto"), QStringLiteral("Note3.vto")}));

    form->SaveObjectToGallery1Click();
    EXPECT_TRUE(galleryHas("Note2.vto"));
    EXPECT_FALSE(galleryHas("Note4.vto"));
    EXPECT_EQ(scene.Objects.size(), 1u); // saving leaves the scene alone
    EXPECT_EQ(doc().undoStack().count(), steps);
}

TEST_F(LibraryTabsTest, EverySelectedObjectIsSavedInItsOwnFile) {
    newScene();
    TDemoObject* note = doc().addObject(TObjectKind::Note, 0, 0);
    TDemoObject* shape = doc().addObject(TObjectKind::Shape, 50, 50);
    doc().selection().setSelected({note, shape});
    doc().addObject(TObjectKind::Label, 90, 90); // selected alone now
    doc().selection().setSelected({note, shape});
    form->SaveObjectToGallery1Click();
    EXPECT_TRUE(galleryHas("Note3.vto"));
    EXPECT_TRUE(galleryHas("Shape1.vto"));
    EXPECT_FALSE(galleryHas("Label1.vto"));
}

TEST_F(LibraryTabsTest, AGalleryFileThatCannotBeMadeIsReportedPerObject) {
    std::filesystem::remove_all(home.path() / "Gallery");
    writeFileBytes(home.path() / "Gallery", {1}); // a file where the folder should be
    newScene();
    TDemoObject* note = doc().addObject(TObjectKind::Note, 0, 0);
    TDemoObject* shape = doc().addObject(TObjectKind::Shape, 50, 50);
    doc().selection().setSelected({note, shape});
    form->SaveObjectToGallery1Click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Error"));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("Note1.vto")));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("1007")));
    EXPECT_TRUE(dialogs.messages[1].text.contains(QStringLiteral("Shape1.vto")));
    EXPECT_EQ(list(LibraryKind::Gallery).count(), 0);
}

TEST_F(LibraryTabsTest, TheGalleryCommandsNeedASelectionOrAPick) {
    form->FillLibraryTabs();
    QMenu* tools = menu("Tools1");
    QAction* save = action("SaveObjectToGallery1");
    QAction* remove = action("DeleteObjectFromGallery1");
    openMenu(tools);
    EXPECT_FALSE(save->isEnabled());
    EXPECT_FALSE(remove->isEnabled());
    closeMenu(tools);

    form->DeleteObjectFromGallery1Click(); // nothing picked: nothing goes
    EXPECT_TRUE(galleryHas("Note1.vto"));
    EXPECT_TRUE(galleryHas("Note2.vto"));

    newScene();
    doc().addObject(TObjectKind::Note, 0, 0);
    pick(LibraryKind::Gallery, QStringLiteral("Note1.vto"));
    openMenu(tools);
    EXPECT_TRUE(save->isEnabled());
    EXPECT_TRUE(remove->isEnabled());
    closeMenu(tools);
}

TEST_F(LibraryTabsTest, AnImageDroppedOnTheZoomedCanvasLandsOnTheScenePointAsOneStep) {
    form->FillLibraryTabs();
    TDemoFrame& scene = newScene();
    form->canvas()->setZoom(2.0);
    const int steps = doc().undoStack().count();
    ASSERT_TRUE(dropOnCanvas(*dragOf(LibraryKind::Images, QStringLiteral("photo.png")), {40, 30}));
    ASSERT_EQ(scene.Objects.size(), 1u);
    const TDemoObject& image = *scene.Objects[0];
    EXPECT_EQ(QRect(image.Left, image.Top, image.Width, image.Height), QRect(40, 30, 37, 23));
    EXPECT_EQ(doc().undoStack().count(), steps + 1);
    EXPECT_EQ(doc().selectedObjects(), (std::vector<TDemoObject*>{scene.Objects[0].get()}));
    doc().undoStack().undo();
    EXPECT_TRUE(scene.Objects.empty());
    doc().undoStack().redo();
    EXPECT_EQ(scene.Objects.size(), 1u);
}

TEST_F(LibraryTabsTest, TheCanvasAsksThroughTheWindowsMessageBoxes) {
    form->FillLibraryTabs();
    TDemoFrame& scene = newScene();
    TDemoObject* cursor = doc().addObject(TObjectKind::Cursor, 100, 100);
    ASSERT_NE(cursor, nullptr);
    dialogs.answers = {MessageAnswer::Yes};
    ASSERT_TRUE(dropOnCanvas(*dragOf(LibraryKind::Cursors, QStringLiteral("arrow.png")), {cursor->Left + 2, cursor->Top + 2}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Change Cursor"));
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Change \"%1\" cursor?").arg(QString::fromStdString(cursor->Name)));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(scene.Objects.size(), 1u);
    EXPECT_EQ(cursor->Style, 0);
    EXPECT_FALSE(cursor->Picture.empty());
}

TEST_F(LibraryTabsTest, TheCanvasRefusesDragsThatCarryNoLibraryItem) {
    TDemoFrame& scene = newScene();
    QMimeData text;
    text.setText(QStringLiteral("photo.png"));
    EXPECT_FALSE(dropOnCanvas(text, {10, 10}));
    EXPECT_TRUE(scene.Objects.empty());
}

TEST_F(LibraryTabsTest, ADoubleClickPlaysAndAnotherPickOrLeavingStops) {
    form->FillLibraryTabs();
    form->resize(1000, 700);
    form->show();
    form->bottomTabs()->setCurrentWidget(&list(LibraryKind::Audios));
    TLibraryList& sounds = list(LibraryKind::Audios);
    const QRect tune = sounds.visualItemRect(sounds.item(0));
    // The first click picks the item, the second press arrives as a double-click.
    QTest::mouseClick(sounds.viewport(), Qt::LeftButton, {}, tune.center());
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(tune.center()), sounds.viewport()->mapToGlobal(QPointF(tune.center())),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(sounds.viewport(), &second);
    ASSERT_FALSE(player.calls.isEmpty());
    EXPECT_EQ(player.calls.back(), QStringLiteral("play tune.mp3")) << player.calls.join(QStringLiteral(", ")).toStdString();

    player.calls.clear();
    pick(LibraryKind::Audios, QStringLiteral("click.wav"));
    EXPECT_EQ(player.calls, QStringList{QStringLiteral("stop")});

    player.calls.clear();
    QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(&sounds, &toMenu);
    EXPECT_TRUE(player.calls.isEmpty()); // its own pop-up menu does not stop the sound
    QFocusEvent away(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(&sounds, &away);
    EXPECT_EQ(player.calls, QStringList{QStringLiteral("stop")});
}

TEST_F(LibraryTabsTest, PlayInThePopUpMenuNeedsAPickedSound) {
    form->FillLibraryTabs();
    LibraryTabs& tabs = form->libraries();
    QMenu& popup = tabs.audioMenu();
    emit popup.aboutToShow();
    EXPECT_FALSE(tabs.playAction().isEnabled());
    pick(LibraryKind::Audios, QStringLiteral("click.wav"));
    emit popup.aboutToShow();
    EXPECT_TRUE(tabs.playAction().isEnabled());
    player.calls.clear();
    tabs.playAction().trigger();
    EXPECT_EQ(player.calls, QStringList{QStringLiteral("play click.wav")});
    EXPECT_EQ(tabs.playAction().text(), QStringLiteral("&Play"));
}

TEST_F(LibraryTabsTest, PictureListsDoNotPlayOnDoubleClick) {
    form->FillLibraryTabs();
    emit list(LibraryKind::Images).itemDoubleClicked(list(LibraryKind::Images).item(0));
    EXPECT_TRUE(player.calls.isEmpty());
}

} // namespace
} // namespace vantora::test
