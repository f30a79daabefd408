#include "editor/library/library_tabs.h"

#include "editor/library/sound_player.h"

#include <QAction>
#include <QDir>
#include <QFileSystemWatcher>
#include <QMenu>
#include <QTabWidget>
#include <QTimer>

namespace vantora {
namespace {

// The tabs in the order they stand after "TimeLine".
constexpr LibraryKind kTabOrder[] = {LibraryKind::Gallery, LibraryKind::Cursors, LibraryKind::Images,
                                     LibraryKind::Buttons, LibraryKind::Audios};

int SlotOf(LibraryKind kind) { return static_cast<int>(kind); }

// A copy of many files reports each one: the list is filled once the folder has been quiet this
// long.
constexpr int kRefillDelayMs = 200;

QString FolderText(const std::filesystem::path& folder) { return QString::fromStdString(folder.string()); }

QString TabCaption(LibraryKind kind) {
    const std::string_view name = LibraryName(kind);
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

} // namespace

LibraryTabs::LibraryTabs(QTabWidget& tabs, SoundPlayer& player, QObject* parent) : QObject(parent), player_(player) {
    for (LibraryKind kind : kTabOrder) {
        auto* list = new TLibraryList(kind, LibraryFolder(kind), &tabs);
        lists_[SlotOf(kind)] = list;
        tabs.addTab(list, TabCaption(kind));
    }
    buildAudioMenu();
    followFolders();
}

TLibraryList& LibraryTabs::list(LibraryKind kind) const { return *lists_[SlotOf(kind)]; }

void LibraryTabs::fillAll(const std::function<void()>& afterEachStep) {
    for (LibraryKind kind : kLibraryFillOrder) {
        list(kind).fill();
        if (afterEachStep)
            afterEachStep();
    }
}

void LibraryTabs::refillGallery() { list(LibraryKind::Gallery).fill(); }

void LibraryTabs::followFolders() {
    watcher_ = new QFileSystemWatcher(this);
    for (LibraryKind kind : kTabOrder) {
        const QString folder = FolderText(list(kind).folder());
        QDir().mkpath(folder); // a folder that is not there cannot be followed
        watcher_->addPath(folder);
        auto* timer = new QTimer(this);
        timer->setSingleShot(true);
        timer->setInterval(kRefillDelayMs);
        connect(timer, &QTimer::timeout, this, [this, kind] {
            refillKeepingSelection(kind);
            emit folderFollowed(kind);
        });
        refills_[SlotOf(kind)] = timer;
    }
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this](const QString& changed) {
        for (LibraryKind kind : kTabOrder)
            if (QDir(FolderText(list(kind).folder())) == QDir(changed))
                refills_[SlotOf(kind)]->start();
    });
}

void LibraryTabs::refillKeepingSelection(LibraryKind kind) {
    TLibraryList& refilled = list(kind);
    const QList<QListWidgetItem*> selected = refilled.selectedItems();
    const std::filesystem::path picked = selected.isEmpty() ? std::filesystem::path() : refilled.fileOf(*selected.front());
    const QSignalBlocker quiet(refilled); // a kept selection is no new pick: the sound plays on
    refilled.fill();
    for (int i = 0; i < refilled.count() && !picked.empty(); ++i)
        if (refilled.fileOf(*refilled.item(i)) == picked)
            refilled.setCurrentItem(refilled.item(i));
}

void LibraryTabs::buildAudioMenu() {
    TLibraryList* sounds = &list(LibraryKind::Audios);
    audioMenu_ = new QMenu(sounds);
    audioMenu_->setObjectName(QStringLiteral("AudioPopupMenu"));
    play_ = audioMenu_->addAction(QStringLiteral("&Play"));
    play_->setObjectName(QStringLiteral("Play1"));
    connect(audioMenu_, &QMenu::aboutToShow, this, [this, sounds] { play_->setEnabled(!sounds->selectedItems().isEmpty()); });
    connect(play_, &QAction::triggered, this, [this, sounds] {
        const QList<QListWidgetItem*> selected = sounds->selectedItems();
        if (!selected.isEmpty())
            playItem(selected.front());
    });
    sounds->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(sounds, &QWidget::customContextMenuRequested, this,
            [this, sounds](QPoint at) { audioMenu_->popup(sounds->viewport()->mapToGlobal(at)); });
    connect(sounds, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { playItem(item); });
    connect(sounds, &QListWidget::itemSelectionChanged, this, [this] { player_.stop(); });
    connect(sounds, &TLibraryList::left, this, [this] { player_.stop(); });
}

void LibraryTabs::playItem(const QListWidgetItem* item) {
    if (!item)
        return;
    player_.play(QString::fromStdString(list(LibraryKind::Audios).fileOf(*item).string()));
}

} // namespace vantora
