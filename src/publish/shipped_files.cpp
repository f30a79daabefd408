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
    if (fs::exists(target, error))
        return target;
    if (const auto shipped = ShippedFile(name)) {
        fs::create_directories(target.parent_path(), error);
        fs::copy(*shipped, target, fs::copy_options::recursive | fs::copy_options::skip_existing, error);
        if (error)
            fs::remove_all(target, error); // a half-copied folder would look complete next time
    }
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
