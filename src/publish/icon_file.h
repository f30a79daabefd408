#pragma once
// An icon file (.ico) as the program icon is rebuilt from: its header words and, per image, the
// first 12 bytes of its directory entry and the image bytes. Icon files come from the user and are
// checked before anything of them is used.

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace vantora::publish {

inline constexpr std::uintmax_t kMaxIconFileSize = 1048576; // 1 MiB

struct IconImage {
    std::array<std::uint8_t, 12> entry{}; // width, height, colours, reserved, planes, bit count, byte size
    std::vector<std::uint8_t> bytes;
};

struct IconFile {
    std::uint16_t reserved = 0;
    std::uint16_t type = 1;
    std::vector<IconImage> images;
};

// Parses icon file bytes; throws ResourceUpdateError "Icon file is invalid" when the bytes are
// shorter than the header, start like a program ("MZ"), hold no image, or list a directory or an
// image that does not fit in the file.
IconFile ParseIconFile(std::span<const std::uint8_t> bytes);

// Reads and parses the file; throws "Icon file is too large" above 1 MiB, and the system's error
// number when it cannot be read.
IconFile ReadIconFile(const std::filesystem::path& path);

} // namespace vantora::publish
