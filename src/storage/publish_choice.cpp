#include "storage/publish_choice.h"

#include "storage/ini_file.h"

namespace vantora {
namespace {

// A line break would end the value early and make the rest a line of its own: such a name is not
// kept at all.
std::string oneLine(const std::string& text) {
    return text.find_first_of("\r\n") == std::string::npos ? text : std::string();
}

} // namespace

PublishChoice ReadPublishChoice(const std::filesystem::path& file) {
    const IniFile ini = IniFile::Load(file);
    PublishChoice choice;
    choice.target = ini.value(kPublishSection, "Target").value_or("");
    choice.folder = ini.value(kPublishSection, "Folder").value_or("");
    return choice;
}

bool WritePublishChoice(const std::filesystem::path& file, const PublishChoice& choice) {
    IniFile ini = IniFile::Load(file);
    ini.setValue(kPublishSection, "Target", oneLine(choice.target));
    ini.setValue(kPublishSection, "Folder", oneLine(choice.folder.string()));
    return ini.save(file);
}

} // namespace vantora
