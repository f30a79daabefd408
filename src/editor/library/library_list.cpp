#include "editor/library/library_list.h"

#include "editor/library/library_drag_data.h"
#include "editor/library/library_thumbnails.h"

#include <QFocusEvent>
#include <QIcon>
#include <QMimeData>
#include <QPixmap>

#include <algorithm>

namespace vantora {
namespace {

constexpr int kFileRole = Qt::UserRole + 1;

QString LibraryObjectName(LibraryKind kind) {
    const std::string_view name = LibraryName(kind);
    return QString::fromUtf8(name.data(), qsizetype(name.size())) + QStringLiteral("List");
}

} // namespace

TLibraryList::TLibraryList(LibraryKind kind, std::filesystem::path folder, QWidget* parent)
    : QListWidget(parent), kind_(kind), folder_(std::move(folder)) {
    setObjectName(LibraryObjectName(kind));
    setViewMode(QListView::IconMode);
    setIconSize(LibraryThumbnailSize(kind));
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWrapping(true);
    setTextElideMode(Qt::ElideMiddle);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    setToolTip(LibraryHint(kind));
    // Room for a caption of about twenty characters under the picture.
    const QSize icon = LibraryThumbnailSize(kind);
    setGridSize(QSize(std::max(icon.width(), fontMetrics().averageCharWidth() * 22), icon.height() + fontMetrics().height() + 12));
}

void TLibraryList::fill() {
    clear();
    for (LibraryEntry& entry : ReadLibraryEntries(kind_, folder_)) {
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(entry.thumbnail)), entry.caption, this);
        item->setData(kFileRole, QString::fromStdString(entry.file.string()));
        item->setToolTip(LibraryHint(kind_));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    }
}

QString TLibraryList::selectedCaption() const {
    const QList<QListWidgetItem*> items = selectedItems();
    return items.isEmpty() ? QString() : items.front()->text();
}

std::filesystem::path TLibraryList::fileOf(const QListWidgetItem& item) const {
    return std::filesystem::path(item.data(kFileRole).toString().toStdString());
}

QStringList TLibraryList::mimeTypes() const { return {kLibraryItemMimeType}; }

QMimeData* TLibraryList::mimeData(const QList<QListWidgetItem*>& items) const {
    if (items.isEmpty() || !items.front())
        return nullptr;
    const LibraryItemRef item{kind_, QString::fromStdString(fileOf(*items.front()).string())};
    return EncodeLibraryItem(item).release();
}

void TLibraryList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        emit left();
}

} // namespace vantora
