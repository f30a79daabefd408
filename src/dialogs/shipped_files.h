#pragma once
// Files that ship with the program and live in the program folder ("Tips.rtf"). They are built
// into the program and copied into the folder at start-up when they are missing, so a user's own
// edited copy is never overwritten.

#include <cstdint>
#include <filesystem>
#include <span>

namespace vantora {

enum class InstallOutcome { AlreadyThere, Installed, Failed };

// Writes `bytes` as `target` when no file of that name exists (through a temporary file, so a
// failure leaves nothing half-written). The folder is created when needed.
InstallOutcome InstallMissingFile(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

// Copies every shipped file that is missing into the program folder. False when one could not be
// written (the program runs on without it).
bool InstallShippedFiles();

} // namespace vantora
