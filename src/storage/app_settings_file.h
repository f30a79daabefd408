#pragma once
// Where the settings file lives, and its section names.

#include <filesystem>
#include <string_view>

namespace vantora {

inline constexpr std::string_view kSettingsFileName = "Vantora.ini";
inline constexpr std::string_view kSettingsSection = "SETTINGS";
inline constexpr std::string_view kRecentSection = "RECENT";
inline constexpr std::string_view kSystemSection = "SYSTEM";

// Vantora.ini in the program folder.
std::filesystem::path SettingsFile();

} // namespace vantora
