#pragma once
// One library tab: an icon list of the files of its folder, with thumbnails of the tab's size and
// the file names as captions. Items are dragged out (never moved inside the list) with the
// library item payload; the list itself accepts no drops.

#include "editor/library/library_entries.h"

#include <QListWidget>

#include <filesystem>

namespace vantora {

class TLibraryList : public QListWidget {
    Q_OBJECT

public:
    TLibraryList(LibraryKind kind, std::filesystem::path folder, QWidget* parent = nullptr);

    LibraryKind kind() const { return kind_; }
    const std::filesystem::path& folder() const { return folder_; }

    // Clears the list and lists the folder's readable files again.
    void fill();

    // The caption of the selected item; empty when none is selected.
    QString selectedCaption() const;
    // The file of an item of this list.
    std::filesystem::path fileOf(const QListWidgetItem& item) const;

signals:
    // The list lost the focus to another widget (not to its own pop-up menu).
    void left();

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    LibraryKind kind_;
    std::filesystem::path folder_;
};

} // namespace vantora
