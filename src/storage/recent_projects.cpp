#include "storage/recent_projects.h"

#include "storage/app_settings_file.h"
#include "storage/ini_file.h"

#include <algorithm>
#include <cctype>

namespace vantora {
namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool fileExists(const FileExists& exists, const std::filesystem::path& path) {
    if (exists)
        return exists(path);
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::string nameKey(std::size_t i) { return "DEMONAME" + std::to_string(i); }
std::string fileKey(std::size_t i) { return "DEMOFILE" + std::to_string(i); }

} // namespace

RecentProjects ReadRecentProjects(const std::filesystem::path& file) {
    const IniFile ini = IniFile::Load(file);
    RecentProjects recent;
    for (std::size_t i = 0; i < kRecentProjectCount; ++i) {
        recent[i].Name = ini.value(kRecentSection, nameKey(i)).value_or("");
        recent[i].FileName = ini.value(kRecentSection, fileKey(i)).value_or("");
    }
    return recent;
}

bool WriteRecentProjects(const std::filesystem::path& file, const RecentProjects& recent) {
    IniFile ini = IniFile::Load(file);
    for (std::size_t i = 0; i < kRecentProjectCount; ++i) {
        ini.setValue(kRecentSection, nameKey(i), recent[i].Name);
        ini.setValue(kRecentSection, fileKey(i), recent[i].FileName);
    }
    return ini.save(file);
}

void AddRecentProject(RecentProjects& recent, std::string demoName, std::string filePath) {
    std::size_t found = kRecentProjectCount - 1;
    for (std::size_t i = 0; i < kRecentProjectCount; ++i) {
        if (equalsIgnoringCase(recent[i].FileName, filePath)) {
            found = i;
            break;
        }
    }
    for (std::size_t k = found; k >= 1; --k)
        recent[k] = recent[k - 1];
    recent[0] = {std::move(demoName), std::move(filePath)};
}

std::vector<ReopenItem> ReopenItems(const RecentProjects& recent, const FileExists& exists) {
    std::vector<ReopenItem> items;
    for (std::size_t i = 0; i < kRecentProjectCount; ++i) {
        const TRecentProject& entry = recent[i];
        if (entry.FileName.empty() || !fileExists(exists, entry.FileName))
            continue;
        const std::string name = entry.Name.empty() ? std::string(kUntitledCaption) : entry.Name;
        items.push_back({name + " - " + entry.FileName, i});
    }
    return items;
}

std::optional<std::filesystem::path> ReopenTarget(const RecentProjects& recent, std::size_t index,
                                                  const FileExists& exists) {
    if (index >= kRecentProjectCount || recent[index].FileName.empty() ||
        !fileExists(exists, recent[index].FileName))
        return std::nullopt;
    return std::filesystem::path(recent[index].FileName);
}

} // namespace vantora
