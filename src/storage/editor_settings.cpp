#include "storage/editor_settings.h"

#include "storage/app_settings_file.h"
#include "storage/ini_file.h"
#include "base/program_folder.h"

#include <limits>

namespace vantora {
namespace {

bool readFlag(const IniFile& ini, std::string_view key) {
    const std::optional<std::string> text = ini.value(kSettingsSection, key);
    const std::optional<std::int64_t> number = text ? ParseIniInteger(*text) : std::nullopt;
    return number.value_or(0) != 0;
}

std::int32_t readGridSize(const IniFile& ini, std::string_view key, std::int32_t current) {
    const std::optional<std::string> text = ini.value(kSettingsSection, key);
    const std::optional<std::int64_t> number = text ? ParseIniInteger(*text) : std::nullopt;
    if (!number || *number < kMinGridSize || *number > kMaxGridSize)
        return current;
    return static_cast<std::int32_t>(*number);
}

TColor readColour(const IniFile& ini, std::string_view key, TColor current) {
    const std::optional<std::string> text = ini.value(kSettingsSection, key);
    const std::optional<std::int64_t> number = text ? ParseIniInteger(*text) : std::nullopt;
    if (!number || *number < std::numeric_limits<std::int32_t>::min() ||
        *number > std::numeric_limits<std::uint32_t>::max())
        return current;
    return static_cast<TColor>(*number);
}

} // namespace

std::filesystem::path SettingsFile() { return ProgramFolder() / std::string(kSettingsFileName); }

EditorSettings ReadEditorSettings(const std::filesystem::path& file, EditorSettings current) {
    const IniFile ini = IniFile::Load(file);
    current.DisplayGrid = readFlag(ini, "DISPLAYGRID");
    current.SnapToGrid = readFlag(ini, "SNAPTOGRID");
    current.GridSizeX = readGridSize(ini, "GRIDSIZEX", current.GridSizeX);
    current.GridSizeY = readGridSize(ini, "GRIDSIZEY", current.GridSizeY);
    current.BackColor = readColour(ini, "BACKCOLOR", current.BackColor);
    return current;
}

bool WriteEditorSettings(const std::filesystem::path& file, const EditorSettings& settings) {
    IniFile ini = IniFile::Load(file);
    ini.setValue(kSettingsSection, "DISPLAYGRID", settings.DisplayGrid ? "1" : "0");
    ini.setValue(kSettingsSection, "SNAPTOGRID", settings.SnapToGrid ? "1" : "0");
    ini.setValue(kSettingsSection, "GRIDSIZEX", std::to_string(settings.GridSizeX));
    ini.setValue(kSettingsSection, "GRIDSIZEY", std::to_string(settings.GridSizeY));
    // Stored as the platform stores colours: a signed 32-bit number.
    ini.setValue(kSettingsSection, "BACKCOLOR", std::to_string(static_cast<std::int32_t>(settings.BackColor)));
    return ini.save(file);
}

std::string ReadAcknowledgedVersion(const std::filesystem::path& file) {
    return IniFile::Load(file).value(kSystemSection, "Version").value_or("");
}

bool WriteAcknowledgedVersion(const std::filesystem::path& file, const std::string& version) {
    IniFile ini = IniFile::Load(file);
    ini.setValue(kSystemSection, "Version", version);
    return ini.save(file);
}

} // namespace vantora
