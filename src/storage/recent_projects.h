#pragma once
// The recent-files list: ten entries, entry 0 the most recently saved project, kept in the
// [RECENT] section of Vantora.ini and offered by the "Reopen" submenu.

#include "model/demo.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantora {

constexpr std::size_t kRecentProjectCount = 10;
using RecentProjects = std::array<TRecentProject, kRecentProjectCount>;

inline constexpr std::string_view kReopenEmptyCaption = "(Empty)";
inline constexpr std::string_view kUntitledCaption = "[Untitled]";

// DEMONAME0..9 and DEMOFILE0..9; missing keys give empty texts.
RecentProjects ReadRecentProjects(const std::filesystem::path& file);
// Writes all ten entries, empty ones included, keeping everything else in the file.
bool WriteRecentProjects(const std::filesystem::path& file, const RecentProjects& recent);

// After a successful save: the entry of the same file (compared ignoring letter case), or else the
// oldest entry, leaves its place; the entries above it move down one; entry 0 becomes (name, path).
void AddRecentProject(RecentProjects& recent, std::string demoName, std::string filePath);

struct ReopenItem {
    std::string caption; // "<name or [Untitled]> - <path>"
    std::size_t index;   // the entry it reopens
};

using FileExists = std::function<bool(const std::filesystem::path&)>;

// The "Reopen" items: every entry with a file name whose file exists. Empty when none; the menu
// then shows one disabled kReopenEmptyCaption item.
std::vector<ReopenItem> ReopenItems(const RecentProjects& recent, const FileExists& exists = {});

// The file to reopen for entry `index`; nothing when the index is out of range, the entry is empty
// or its file no longer exists.
std::optional<std::filesystem::path> ReopenTarget(const RecentProjects& recent, std::size_t index,
                                                  const FileExists& exists = {});

} // namespace vantora
