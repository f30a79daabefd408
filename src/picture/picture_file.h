#pragma once
// Reading a whole picture file into memory, with a size cap so that a huge or endless file (a
// device, a pipe) cannot exhaust memory.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vantora {

// Picture files larger than this are refused.
inline constexpr std::uintmax_t kMaxPictureFileBytes = 256ull * 1024 * 1024;

// Reads the file into `bytes`; on failure fills `error` with the file name and the reason.
bool readPictureFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes, std::string& error);

} // namespace vantora
