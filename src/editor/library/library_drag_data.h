#pragma once
// What a drag out of a library list carries: which tab the item came from and the item's file.
// The payload travels under a private MIME type so that only the canvas takes it.

#include "storage/library_folders.h"

#include <QString>

#include <memory>
#include <optional>

class QMimeData;

namespace vantora {

inline const QString kLibraryItemMimeType = QStringLiteral("application/x-vantora-library-item");

struct LibraryItemRef {
    LibraryKind kind = LibraryKind::Gallery;
    QString file; // folder + item caption
    bool operator==(const LibraryItemRef&) const = default;
};

std::unique_ptr<QMimeData> EncodeLibraryItem(const LibraryItemRef& item);

// The item a drag carries; nothing when it carries no library item or a damaged one.
std::optional<LibraryItemRef> DecodeLibraryItem(const QMimeData& data);

} // namespace vantora
