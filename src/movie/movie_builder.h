#pragma once
// Building a demo into one SWF movie: the whole demo (Preview, publishing, vantora-build) or one
// scene (Preview Scene). The builder reports its progress through a ProgressObserver, which the
// editor connects to its progress window and the command-line tool to the terminal.

#include "model/demo.h"
#include "base/progress.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace swf {
class TFlashMovie;
}

namespace vantora {

// The label of the progress shown while a whole demo is built.
inline constexpr std::string_view kCreateMovieLabel = "Create Movie";
// The file Preview and Preview Scene build into, in the program folder.
inline constexpr std::string_view kPreviewMovieName = "TmpFlash.swf";

// An empty movie with the demo's header (size in twips, 10/20/40 frames per second, version 6,
// compressed, coordinates in pixels) and the demo background rectangle at depth 0. Throws
// MovieBuildError for a demo size outside 1..9999.
std::unique_ptr<swf::TFlashMovie> CreateDemoMovie(const TVantora& demo);

// Every scene in list order, the progress at k before scene k (1-based). Throws MovieBuildError or
// swf::Error. What was left out of the movie (sounds that cannot be played) is added to `notes`.
std::unique_ptr<swf::TFlashMovie> BuildWholeDemo(const TVantora& demo, const ProgressObserver* progress = nullptr,
                                                 std::vector<std::string>* notes = nullptr);
// Only the scene at `sceneIndex` (0-based); no progress. Throws as above, also for a bad index.
std::unique_ptr<swf::TFlashMovie> BuildOneScene(const TVantora& demo, int sceneIndex,
                                                std::vector<std::string>* notes = nullptr);

struct MovieBuildResult {
    bool ok = false;
    std::string message; // what failed, ready to show; empty on success
    // What a successful build left out of the movie, one line each, ready to show.
    std::vector<std::string> notes;
};

// Builds the whole demo and writes it to `file`, replacing an existing file only once the new
// movie is complete.
MovieBuildResult BuildAndSaveWholeDemo(const TVantora& demo, const std::filesystem::path& file,
                                       const ProgressObserver* progress = nullptr);
// Builds one scene into "TmpFlash.swf" in the program folder (or into `file` when given).
MovieBuildResult BuildAndSaveOneScene(const TVantora& demo, int sceneIndex, const std::filesystem::path& file = {});

struct MovieBuildOptions {
    std::optional<int> sceneIndex; // 0-based; nothing builds the whole demo
};

// The entry of the command-line tool: the whole demo or one scene into `file`, whose folder is
// made when missing.
MovieBuildResult BuildMovieFile(const TVantora& demo, const std::filesystem::path& file,
                                const MovieBuildOptions& options = {}, const ProgressObserver* progress = nullptr);

} // namespace vantora
