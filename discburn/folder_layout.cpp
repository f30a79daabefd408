#include "discburn/folder_layout.h"

#include "discburn/burn_engine.h"
#include "discburn/log_icon.h"
#include "discburn/texts.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <vector>

namespace discora {

namespace fs = std::filesystem;

namespace {

struct Entries {
    std::vector<fs::path> folders;
    std::vector<fs::path> files;
};

// Names in the order a file manager shows them: letters regardless of case.
bool byName(const fs::path& a, const fs::path& b) {
    const std::string x = a.filename().string();
    const std::string y = b.filename().string();
    const auto lower = [](unsigned char c) { return static_cast<char>(std::tolower(c)); };
    std::string lx(x.size(), '\0'), ly(y.size(), '\0');
    std::transform(x.begin(), x.end(), lx.begin(), lower);
    std::transform(y.begin(), y.end(), ly.begin(), lower);
    return lx != ly ? lx < ly : x < y;
}

// Folders and plain files (links followed), each sorted by name; other kinds of entries (sockets,
// devices, dangling links) have no place on a disc.
Entries listFolder(const fs::path& folder) {
    Entries entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path& path = it->path();
        if (path.filename() == "AutoRunSource")
            continue;
        std::error_code typeError;
        if (fs::is_directory(path, typeError))
            entries.folders.push_back(path);
        else if (fs::is_regular_file(path, typeError))
            entries.files.push_back(path);
    }
    std::sort(entries.folders.begin(), entries.folders.end(), byName);
    std::sort(entries.files.begin(), entries.files.end(), byName);
    return entries;
}

} // namespace

void addFolderContents(BurnEngine& engine, const std::string& folder, const LayoutReport& report) {
    report.log("========== ADD FILES TO CD/DVD LAYOUT ... ", log_icon::None);
    const Entries entries = listFolder(fs::absolute(fs::path(folder)));
    for (const fs::path& sub : entries.folders) {
        const std::string name = sub.filename().string();
        report.log(name, log_icon::Folder);
        if (!engine.addFolder(sub.string(), name))
            report.failed(folderNotAddedText(folderPattern(sub.string())));
    }
    for (const fs::path& file : entries.files) {
        const std::string name = file.filename().string();
        report.log(name, log_icon::File);
        if (!engine.addFile(file.string(), name))
            report.failed(fileNotAddedText(file.string()));
    }
}

} // namespace discora
