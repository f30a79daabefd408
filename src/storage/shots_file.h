#pragma once
// The shots file the capture tool leaves in the program folder: a 32-bit count of shots, and per
// shot a 32-bit JPEG length, the JPEG bytes, a 32-bit event count and per event ten 32-bit
// integers (kind, value, x, y and six more) followed by a text (32-bit length + bytes). All
// integers little-endian. The file comes from another program, so the reader trusts nothing in
// it: every count and length is checked against the bytes that are really there and against
// fixed caps, and a damaged file yields the shots read before the damage and a reason.

#include "model/screen_shot.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantora {

// Its name in the program folder.
inline constexpr std::string_view kShotsFileName = "ScreenShots";

// Caps far above any real capture session, low enough that no damaged number can make the
// reader work or allocate without bound.
inline constexpr std::uintmax_t kMaxShotsFileBytes = 1024ull * 1024 * 1024;
inline constexpr std::int32_t kMaxShots = 10000;
inline constexpr std::int32_t kMaxEventsPerShot = 100000;
inline constexpr std::int32_t kMaxEventTextBytes = 65536;

struct ShotsReadResult {
    std::vector<TScreenShot> Shots; // every shot read completely, in file order
    std::string Error;              // empty when the whole file was read
    bool complete() const { return Error.empty(); }
};

// Reads shots from the bytes of a shots file.
ShotsReadResult ParseShotsFile(std::span<const std::uint8_t> bytes);

// Reads the file; a missing, unreadable or oversized file gives no shots and a reason.
ShotsReadResult ReadShotsFile(const std::filesystem::path& file);

// The bytes of a shots file holding `shots`.
std::vector<std::uint8_t> ShotsFileBytes(std::span<const TScreenShot> shots);

// Writes the file safely (a temporary file renamed over the target). False with a reason on
// failure.
bool WriteShotsFile(const std::filesystem::path& file, std::span<const TScreenShot> shots, std::string& error);

} // namespace vantora
