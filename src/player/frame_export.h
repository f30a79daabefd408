#pragma once
// Writes frames of a movie as PNG pictures: the movie plays from its start, one tick per frame,
// and the picture shown after N ticks is saved as "frame-N.png". Clicks on the stage can be made
// after a frame is shown, so that a script steps past points where the movie waits for a button.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace player {

struct StageClick {
    int x = 0, y = 0;   // stage pixels
    int afterFrame = 0; // made right after this frame is shown
};

// "0,5,10-12" as a sorted list without repeats; nothing when the text is not such a list or asks
// for more than `maxFrames` frames.
std::optional<std::vector<int>> ParseFrameList(const std::string& text, size_t maxFrames = 100000);
// "X:Y@N"; nothing when malformed.
std::optional<StageClick> ParseStageClick(const std::string& text);

struct FrameExportResult {
    bool ok = false;
    std::string error;
    std::vector<std::filesystem::path> written;
};

// Plays `movie` and writes the frames of `frames` into `folder` (created when missing).
FrameExportResult ExportFrames(std::span<const uint8_t> movie, const std::vector<int>& frames,
                               const std::vector<StageClick>& clicks, const std::filesystem::path& folder);

} // namespace player
