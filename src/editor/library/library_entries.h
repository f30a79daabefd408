#pragma once
// What one library list shows: an entry per file of its folder that could be read, captioned with
// the file name, with its thumbnail. A missing folder gives no entries.

#include "storage/library_folders.h"

#include <QImage>
#include <QString>

#include <filesystem>
#include <vector>

namespace vantora {

struct LibraryEntry {
    QString caption; // the file name with its extension
    std::filesystem::path file;
    QImage thumbnail;
};

// Gallery: the .vto files by name; Cursors, Images, Buttons: the picture files by name; Audios:
// the MP3 files, then the WAV files. Files that cannot be read are left out.
std::vector<LibraryEntry> ReadLibraryEntries(LibraryKind kind, const std::filesystem::path& folder);

// The list's tool tip: "Drag and Drop to Add", and for sounds ", Double Click to Play" as well.
QString LibraryHint(LibraryKind kind);

} // namespace vantora
