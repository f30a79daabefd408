#pragma once
// Replacing the icon of a program file: the icon group "MAINICON" and the icons it lists give way
// to the images of an icon file, as the system's resource update would do it.

#include "publish/icon_file.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace vantora::publish {

// Returns the program bytes with the new icon. Throws ResourceUpdateError with the designed texts.
std::vector<std::uint8_t> ReplaceIconInProgram(std::span<const std::uint8_t> program, const IconFile& icon);

// Replaces the icon of the program file in place; the file is rewritten only when all went well.
void ReplaceProgramIcon(const std::filesystem::path& program, const std::filesystem::path& iconFile);

// Largest program file we stamp: far above any player program, well below what memory allows.
inline constexpr std::uintmax_t kMaxProgramFileSize = 256u * 1024 * 1024;

} // namespace vantora::publish
