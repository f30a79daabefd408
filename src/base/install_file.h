#pragma once
// Putting a file that ships with the program into the program folder when it is not there yet, so
// that a copy the user has edited is never overwritten.

#include <cstdint>
#include <filesystem>
#include <span>

namespace vantora {

enum class InstallOutcome { AlreadyThere, Installed, Failed };

// Writes `bytes` as `target` when no file of that name exists, through a temporary file so that a
// failure leaves nothing half-written. The folder is created when needed.
InstallOutcome InstallMissingFile(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

// Shipped files beyond this size are refused rather than read into memory.
inline constexpr std::uintmax_t kMaxShippedFileBytes = 64ull * 1024 * 1024;

// The same with the bytes of the file `source` (a regular file of at most kMaxShippedFileBytes).
// Failed when `source` cannot be read and `target` is missing.
InstallOutcome InstallMissingCopy(const std::filesystem::path& target, const std::filesystem::path& source);

} // namespace vantora
