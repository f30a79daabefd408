#pragma once
// The five library tabs below the canvas, next to "TimeLine": "Gallery", "Cursors", "Images",
// "Buttons" and "Audios", one TLibraryList each over its folder in the program folder. The
// "Audios" list plays a sound on double-click or through "Play" in its pop-up menu, and stops it
// when another item is picked or the list loses the focus. Each list follows its folder: files
// added, removed or renamed while the editor runs show up shortly after.

#include "editor/library/library_list.h"

#include <QObject>

#include <functional>

class QAction;
class QFileSystemWatcher;
class QMenu;
class QTabWidget;
class QTimer;

namespace vantora {

class SoundPlayer;

class LibraryTabs : public QObject {
    Q_OBJECT

public:
    // Adds the tabs to `tabs`; `player` must outlive this object.
    LibraryTabs(QTabWidget& tabs, SoundPlayer& player, QObject* parent = nullptr);

    TLibraryList& list(LibraryKind kind) const;

    // Fills the lists in the start-up order (Cursors, Images, Gallery, Buttons, Audios), calling
    // `afterEachStep` after each one (the splash window repaints there).
    void fillAll(const std::function<void()>& afterEachStep = {});
    // Lists the gallery folder again (after saving to or deleting from it).
    void refillGallery();

    QMenu& audioMenu() const { return *audioMenu_; }
    QAction& playAction() const { return *play_; }

signals:
    // A list was filled again because its folder changed.
    void folderFollowed(LibraryKind kind);

private:
    void buildAudioMenu();
    void playItem(const QListWidgetItem* item);
    void followFolders();
    void refillKeepingSelection(LibraryKind kind);

    SoundPlayer& player_;
    TLibraryList* lists_[5] = {};
    QMenu* audioMenu_ = nullptr;
    QAction* play_ = nullptr;
    QFileSystemWatcher* watcher_ = nullptr;
    QTimer* refills_[5] = {};
};

} // namespace vantora
