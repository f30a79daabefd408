#include "publish/shipped_files.h"

#include "base/program_folder.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace vantora::publish {
namespace {

std::vector<fs::path> resourceFolders() {
    std::vector<fs::path> folders;
    // A named resource folder is the only one: tests and installations can rely on what it holds.
    if (const char* env = std::getenv("VANTORA_RESOURCES"); env && *env)
        return {fs::path(env)};
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        folders.push_back(self.parent_path() / "resources");
        folders.push_back(self.parent_path().parent_path() / "share" / "vantora");
        // Installed programs (the Linux player, the capture tool) sit beside the editor.
        folders.push_back(self.parent_path());
    }
#ifdef VANTORA_BUILD_RESOURCES
    folders.emplace_back(VANTORA_BUILD_RESOURCES);
#endif
    return folders;
}

} // namespace

std::optional<fs::path> ShippedFile(std::string_view name) {
    for (const fs::path& folder : resourceFolders()) {
        std::error_code error;
        const fs::path candidate = folder / name;
        if (fs::exists(candidate, error))
            return candidate;
    }
    return std::nullopt;
}

fs::path ProgramFile(std::string_view name) {
    const fs::path target = ProgramFolder() / name;
    std::error_code error;
    const auto shipped = ShippedFile(name);
    if (!shipped)
        return target;
    // A newer installation brings newer files: the copy follows the shipped one.
    const bool present = fs::exists(target, error);
    if (present && fs::last_write_time(target, error) >= fs::last_write_time(*shipped, error))
        return target;
    fs::create_directories(target.parent_path(), error);
    const fs::path partial = target.string() + ".part";
    fs::remove_all(partial, error);
    fs::copy(*shipped, partial, fs::copy_options::recursive, error);
    if (!error) {
        fs::remove_all(target, error);
        fs::rename(partial, target, error);
    }
    if (error)
        fs::remove_all(partial, error); // a half-copied file or folder would look complete next time
    return target;
}

fs::path TemporaryVantoraFolder() {
    std::error_code error;
    fs::path folder = fs::temp_directory_path(error);
    if (error)
        folder = "/tmp";
    folder /= "Vantora";
    fs::create_directories(folder, error);
    return folder;
}

} // namespace vantora::publish
