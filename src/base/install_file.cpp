#include "base/install_file.h"

#include "base/safe_file.h"

#include <system_error>

namespace vantora {

InstallOutcome InstallMissingFile(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) {
    std::error_code error;
    if (std::filesystem::exists(target, error))
        return InstallOutcome::AlreadyThere;
    if (error)
        return InstallOutcome::Failed;
    if (target.has_parent_path())
        std::filesystem::create_directories(target.parent_path(), error);
    if (error)
        return InstallOutcome::Failed;
    return WriteFileSafely(target, bytes).ok() ? InstallOutcome::Installed : InstallOutcome::Failed;
}

} // namespace vantora
