#include "base/program_folder.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace vantora {
namespace {

namespace fs = std::filesystem;

const char* nonEmptyVariable(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

fs::path homeFolder() {
    if (const char* home = nonEmptyVariable("HOME"))
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return fs::temp_directory_path();
}

} // namespace

fs::path ProgramFolder() {
    if (const char* home = nonEmptyVariable("VANTORA_HOME"))
        return fs::path(home);
    if (const char* data = nonEmptyVariable("XDG_DATA_HOME"); data && fs::path(data).is_absolute())
        return fs::path(data) / "Vantora";
    return homeFolder() / ".local" / "share" / "Vantora";
}

} // namespace vantora
