#pragma once
// Everything the library tabs show on a first start, made in memory: the Cursors, Images,
// Buttons, Audios and Gallery folders and "DefaultClick.wav". The same bytes on every run.

#include "library_material/material_file.h"

#include <filesystem>
#include <string>

namespace vantora::material {

// The library folders this generator fills, and owns, below the resource folder.
inline constexpr const char* kMaterialFolders[] = {"Cursors", "Images", "Buttons", "Audios", "Gallery"};

// Every picture, sound and gallery file, sorted by path. Needs a QGuiApplication (fonts).
MaterialFiles MakeLibraryMaterial();

// An MP3 copy (Audios/<name>.mp3) of every WAV file of the Audios folder among `files`, encoded
// by the program `lame`. Throws std::runtime_error when the encoder fails.
MaterialFiles Mp3Copies(const MaterialFiles& files, const std::filesystem::path& lame);

struct WriteReport {
    int written = 0;   // files that were new or changed
    int unchanged = 0; // files that already held the same bytes (left untouched)
    int removed = 0;   // stale files of the owned folders that no longer belong there
};

// Puts `files` below `folder`. A file that already holds the same bytes is not rewritten, so its
// time stamp stays and nothing downstream rebuilds; other files of the owned folders are removed.
// Throws std::runtime_error when a file cannot be written.
WriteReport WriteMaterial(const std::filesystem::path& folder, const MaterialFiles& files);

} // namespace vantora::material
