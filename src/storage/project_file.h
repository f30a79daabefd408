#pragma once
// Saving and loading a whole project (.vtp). Saving goes through a temporary file, so a failed save
// leaves the previous file intact. Loading reads into a fresh demo and hands it over only when the
// whole file was read, so a damaged file leaves the open demo as it was.

#include "model/demo.h"
#include "base/progress.h"
#include "storage/storage_result.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace vantora {

// Larger files are refused before they are read completely.
inline constexpr std::uintmax_t kMaxProjectFileBytes = 2ull * 1024 * 1024 * 1024 - 1;

// The project's extension and the open/save dialogs' filter.
inline constexpr std::string_view kProjectExtension = ".vtp";
inline constexpr std::string_view kProjectFileFilter = "Vantora Projects (*.vtp)|*.vtp";

// Writes the demo to `file`, replacing it only after a complete write. Neither the demo nor its
// modified flag change: the caller sets its file name, clears the flag and adds the recent entry.
StorageResult SaveProject(const std::filesystem::path& file, const TVantora& demo,
                          const ProgressObserver* progress = nullptr);

// Reads `file` and, when all of it was read, replaces the demo's settings and scenes with it and
// clears the modified flag. On failure the demo is untouched, and the message names the file and
// says what is wrong with it: not a project at all, cut short, or the damage the reader found.
StorageResult LoadProject(const std::filesystem::path& file, TVantora& demo,
                          const ProgressObserver* progress = nullptr);

// The project's bytes in memory, for copies and tests.
StorageResult SerializeProject(const TVantora& demo, std::vector<std::uint8_t>& bytes,
                               const ProgressObserver* progress = nullptr);
// A failure names `fileName` when one is given, and says "The project" otherwise.
StorageResult ParseProject(std::span<const std::uint8_t> bytes, TVantora& demo,
                           const ProgressObserver* progress = nullptr, std::string_view fileName = {});

} // namespace vantora
