#pragma once
// The files delivered beside the program ("Player.exe", "autorun.exe", "Default.ico", the
// browser player folder, the Linux player, the capture tool): they live in the program folder,
// and are copied there from the files shipped with the build or installation the first time they
// are asked for.

#include <filesystem>
#include <optional>
#include <string_view>

namespace vantora::publish {

inline constexpr std::string_view kPlayerProgram = "Player.exe";
inline constexpr std::string_view kLauncherProgram = "autorun.exe";
inline constexpr std::string_view kDefaultCdIcon = "Default.ico";
inline constexpr std::string_view kBrowserPlayer = "ruffle";
inline constexpr std::string_view kLinuxPlayer = "vantora-player";
// The capture tool; on Linux it has no ".exe".
inline constexpr std::string_view kCaptureProgram = "Grabbit";

// The folders searched for shipped files: $VANTORA_RESOURCES alone when it is set, otherwise
// "resources" and "../share/vantora" beside the running program, the program's own folder, then the
// build's resource folder.
std::optional<std::filesystem::path> ShippedFile(std::string_view name);

// The program folder's copy of `name`, copied from the shipped files when missing or older than
// them. The path is returned in either case; whether it exists tells the caller if it is there.
std::filesystem::path ProgramFile(std::string_view name);

// The system temporary folder + "Vantora", made when missing.
std::filesystem::path TemporaryVantoraFolder();

} // namespace vantora::publish
