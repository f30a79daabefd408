#include "storage/library_folders.h"

#include "base/program_folder.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace vantora {
namespace {

namespace fs = std::filesystem;

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::string_view LibraryName(LibraryKind kind) {
    switch (kind) {
    case LibraryKind::Gallery: return "Gallery";
    case LibraryKind::Cursors: return "Cursors";
    case LibraryKind::Images: return "Images";
    case LibraryKind::Buttons: return "Buttons";
    case LibraryKind::Audios: return "Audios";
    }
    return "Gallery";
}

fs::path LibraryFolder(LibraryKind kind) { return ProgramFolder() / std::string(LibraryName(kind)); }

fs::path DefaultClickSoundFile() { return ProgramFolder() / "DefaultClick.wav"; }

fs::path WorkFolder() { return ProgramFolder() / "Temp"; }

bool EnsureWorkFolder() {
    std::error_code error;
    fs::create_directories(WorkFolder(), error);
    return fs::is_directory(WorkFolder(), error);
}

std::vector<fs::path> ListFilesWithExtensions(const fs::path& folder, std::initializer_list<std::string_view> extensions) {
    std::vector<fs::path> files;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        if (!it->is_regular_file(error))
            continue;
        const std::string extension = it->path().extension().string();
        if (std::any_of(extensions.begin(), extensions.end(),
                        [&](std::string_view wanted) { return equalsIgnoringCase(extension, wanted); }))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end(),
              [](const fs::path& a, const fs::path& b) { return a.filename().string() < b.filename().string(); });
    return files;
}

std::vector<fs::path> ListPictureFiles(const fs::path& folder) {
    return ListFilesWithExtensions(folder, {".jpg", ".jpeg", ".bmp", ".gif", ".png", ".ico", ".wmf", ".emf"});
}

std::vector<fs::path> ListSoundFiles(const fs::path& folder) {
    std::vector<fs::path> files = ListFilesWithExtensions(folder, {".mp3"});
    std::vector<fs::path> waves = ListFilesWithExtensions(folder, {".wav"});
    files.insert(files.end(), waves.begin(), waves.end());
    return files;
}

} // namespace vantora
