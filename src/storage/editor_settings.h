#pragma once
// The editor settings kept in Vantora.ini: the canvas grid and the colour around the canvas, and
// the version whose "What's New?" window was last acknowledged.

#include "model/colour.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace vantora {

constexpr std::int32_t kMinGridSize = 2;
constexpr std::int32_t kMaxGridSize = 99;
constexpr std::int32_t kDefaultGridSize = 8;

struct EditorSettings {
    // The values the program sets before reading the file. Missing flags then read as false, so a
    // first start without a file shows no grid and does not snap.
    bool DisplayGrid = true;
    bool SnapToGrid = true;
    std::int32_t GridSizeX = kDefaultGridSize;
    std::int32_t GridSizeY = kDefaultGridSize;
    TColor BackColor = 0; // the surround colour; the editor starts it at the platform's button face

    bool operator==(const EditorSettings&) const = default;
};

// Reads the five keys of [SETTINGS] on top of `current`: missing flags are false, a missing or
// damaged grid size or colour keeps the current value. A damaged file reads like a missing one.
EditorSettings ReadEditorSettings(const std::filesystem::path& file, EditorSettings current);

// Writes the five keys, keeping everything else in the file. False when writing failed (which
// callers ignore).
bool WriteEditorSettings(const std::filesystem::path& file, const EditorSettings& settings);

// [SYSTEM] Version: the program version of the last acknowledged "What's New?" window.
std::string ReadAcknowledgedVersion(const std::filesystem::path& file);
bool WriteAcknowledgedVersion(const std::filesystem::path& file, const std::string& version);

} // namespace vantora
