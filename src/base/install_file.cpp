#include "base/install_file.h"

#include "base/safe_file.h"

#include <system_error>
#include <vector>

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

InstallOutcome InstallMissingCopy(const std::filesystem::path& target, const std::filesystem::path& source) {
    std::error_code error;
    if (std::filesystem::exists(target, error))
        return InstallOutcome::AlreadyThere;
    std::vector<std::uint8_t> bytes;
    if (!ReadFileLimited(source, kMaxShippedFileBytes, bytes).ok())
        return InstallOutcome::Failed;
    return InstallMissingFile(target, bytes);
}

} // namespace vantora
