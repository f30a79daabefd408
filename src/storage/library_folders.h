#pragma once
// The library folders in the program folder and the files the library tabs list from them.

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace vantora {

enum class LibraryKind { Gallery, Cursors, Images, Buttons, Audios };

// The order in which the library tabs are filled at start-up.
inline constexpr LibraryKind kLibraryFillOrder[] = {LibraryKind::Cursors, LibraryKind::Images, LibraryKind::Gallery,
                                                    LibraryKind::Buttons, LibraryKind::Audios};

// "Gallery", "Cursors", "Images", "Buttons", "Audios": the folder name and the tab's caption.
std::string_view LibraryName(LibraryKind kind);

std::filesystem::path LibraryFolder(LibraryKind kind);

// The mouse-click sound of cursor clicks.
std::filesystem::path DefaultClickSoundFile();

// "Temp": the work folder of movie building. EnsureWorkFolder creates it when missing.
std::filesystem::path WorkFolder();
bool EnsureWorkFolder();

// The files of `folder` whose extension is one of `extensions` (".jpg", compared ignoring case),
// sorted by name. A missing or unreadable folder gives an empty list.
std::vector<std::filesystem::path> ListFilesWithExtensions(const std::filesystem::path& folder,
                                                           std::initializer_list<std::string_view> extensions);

// The picture files of a Cursors, Images or Buttons folder: *.jpg;*.jpeg;*.bmp;*.gif;*.png;*.ico;*.wmf;*.emf.
std::vector<std::filesystem::path> ListPictureFiles(const std::filesystem::path& folder);

// The sound files of an Audios folder: first every *.mp3, then every *.wav.
std::vector<std::filesystem::path> ListSoundFiles(const std::filesystem::path& folder);

} // namespace vantora
