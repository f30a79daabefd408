#include "editor/library/library_entries.h"

#include "editor/library/library_thumbnails.h"
#include "editor/library/sound_icons.h"
#include "storage/gallery_file.h"

#include <optional>

namespace vantora {
namespace {

QString CaptionOf(const std::filesystem::path& file) { return QString::fromStdString(file.filename().string()); }

std::optional<QImage> ThumbnailOf(LibraryKind kind, const std::filesystem::path& file, QSize size) {
    switch (kind) {
    case LibraryKind::Gallery: return GalleryThumbnail(file, size);
    case LibraryKind::Audios: return SoundIcon(SoundIconKindOf(file), size);
    case LibraryKind::Cursors:
    case LibraryKind::Images:
    case LibraryKind::Buttons: break;
    }
    return PictureThumbnail(file, size);
}

std::vector<std::filesystem::path> FilesOf(LibraryKind kind, const std::filesystem::path& folder) {
    switch (kind) {
    case LibraryKind::Gallery: return ListGalleryFiles(folder);
    case LibraryKind::Audios: return ListSoundFiles(folder);
    case LibraryKind::Cursors:
    case LibraryKind::Images:
    case LibraryKind::Buttons: break;
    }
    return ListPictureFiles(folder);
}

} // namespace

std::vector<LibraryEntry> ReadLibraryEntries(LibraryKind kind, const std::filesystem::path& folder) {
    const QSize size = LibraryThumbnailSize(kind);
    std::vector<LibraryEntry> entries;
    for (const std::filesystem::path& file : FilesOf(kind, folder)) {
        std::optional<QImage> thumbnail = ThumbnailOf(kind, file, size);
        if (thumbnail)
            entries.push_back({CaptionOf(file), file, std::move(*thumbnail)});
    }
    return entries;
}

QString LibraryHint(LibraryKind kind) {
    return kind == LibraryKind::Audios ? QStringLiteral("Drag and Drop to Add, Double Click to Play")
                                       : QStringLiteral("Drag and Drop to Add");
}

} // namespace vantora
