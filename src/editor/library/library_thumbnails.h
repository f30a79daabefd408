#pragma once
// The item pictures of the library lists: a picture file stretched over the whole thumbnail, or a
// gallery object rendered as the canvas shows it, fitted and centred. Files that cannot be read
// or drawn give nothing, so the list leaves them out.

#include "storage/library_folders.h"

#include <QImage>
#include <QSize>

#include <filesystem>
#include <optional>

namespace vantora {

// The thumbnail size of a tab: Gallery and Images 64 x 64, Cursors and Audios 32 x 32,
// Buttons 64 x 32.
QSize LibraryThumbnailSize(LibraryKind kind);

// The picture file stretched (aspect ratio not kept) over a transparent thumbnail of `size`.
std::optional<QImage> PictureThumbnail(const std::filesystem::path& file, QSize size);

// The gallery file's object rendered and drawn into the rectangle FitThumbnail gives for its
// size: reduced to fit, never enlarged, centred.
std::optional<QImage> GalleryThumbnail(const std::filesystem::path& file, QSize size);

} // namespace vantora
