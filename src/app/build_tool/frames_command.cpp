#include "build_tool/frames_command.h"

#include "build_tool/build_tool.h"
#include "base/safe_file.h"
#include "build_tool/gui_session.h"
#include "movie/movie_builder.h"
#include "player/frame_export.h"

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <ostream>

namespace vantora::buildtool {
namespace {

// Movie files are recognised by their signature, whatever they are called.
bool IsMovieFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char head[3] = {};
    return in.read(head, 3) && (head[0] == 'F' || head[0] == 'C') && head[1] == 'W' && head[2] == 'S';
}

// The largest input the player takes (a movie or a project).
constexpr std::uintmax_t kMaxInputBytes = 1ull << 30;

bool ReadFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes) {
    return ReadFileLimited(path, kMaxInputBytes, bytes).ok();
}

// Builds the project into `movieFile`; false with the reason on `err`.
bool BuildProject(const CommandLine& line, const std::filesystem::path& movieFile, std::ostream& err) {
    TVantora demo;
    if (!LoadProjectOrReport(line.project, demo, err))
        return false;
    MovieBuildOptions options;
    if (line.scene) {
        if (*line.scene > int(demo.Scenes.size())) {
            err << "vantora-build: the project has " << demo.Scenes.size() << " scene(s); there is no scene "
                << *line.scene << ".\n";
            return false;
        }
        options.sceneIndex = *line.scene - 1;
    }
    const MovieBuildResult built = BuildMovieFile(demo, movieFile, options);
    if (!built.ok)
        err << "vantora-build: " << built.message << '\n';
    return built.ok;
}

} // namespace

int ExportFrames(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const auto frames = player::ParseFrameList(line.frames);
    if (!frames) {
        err << "vantora-build: \"" << line.frames << "\" is not a list of frames such as 0,5,10-12.\n";
        return kExitUsage;
    }
    std::vector<player::StageClick> clicks;
    for (const std::string& text : line.clicks) {
        const auto click = player::ParseStageClick(text);
        if (!click) {
            err << "vantora-build: \"" << text << "\" is not a click such as 410:326@24.\n";
            return kExitUsage;
        }
        clicks.push_back(*click);
    }
    EnsureGuiApplication();
    std::vector<uint8_t> movie;
    if (!std::filesystem::is_regular_file(line.project)) {
        err << "vantora-build: cannot read " << line.project << ".\n";
        return kExitFailed;
    }
    if (!IsMovieFile(line.project)) {
        const QTemporaryDir work;
        const std::filesystem::path built = std::filesystem::path(work.path().toStdString()) / "movie.swf";
        if (!work.isValid() || !BuildProject(line, built, err) || !ReadFile(built, movie))
            return kExitFailed;
    } else if (line.scene) {
        err << "vantora-build: --scene goes with a project, not with a movie.\n";
        return kExitUsage;
    } else if (!ReadFile(line.project, movie)) {
        err << "vantora-build: cannot read " << line.project << ".\n";
        return kExitFailed;
    }
    const player::FrameExportResult result = player::ExportFrames(movie, *frames, clicks, line.output);
    if (!result.ok) {
        err << "vantora-build: " << result.error << '\n';
        return kExitFailed;
    }
    for (const auto& path : result.written)
        out << "Wrote " << path.string() << '\n';
    return kExitOk;
}

} // namespace vantora::buildtool
