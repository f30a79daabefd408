#include "build_tool/build_tool.h"

#include "build_tool/check_command.h"
#include "build_tool/command_line.h"
#include "build_tool/frames_command.h"
#include "build_tool/movie_command.h"
#include "build_tool/publish_command.h"
#include "build_tool/snapshot_command.h"
#include "build_tool/project_json.h"
#include "storage/project_file.h"
#include "storage/scene_copy.h"

#include <memory>
#include <ostream>

#include "program_information.h"

namespace vantora::buildtool {
namespace {

int fail(const StorageResult& result, std::ostream& err) {
    err << result.message << '\n';
    return kExitFailed;
}

int info(const CommandLine& line, std::ostream& out, std::ostream& err) {
    TVantora demo;
    if (!LoadProjectOrReport(line.project, demo, err))
        return kExitFailed;
    out << ProjectToJson(demo);
    return kExitOk;
}

int resave(const CommandLine& line, std::ostream& err) {
    TVantora demo;
    if (!LoadProjectOrReport(line.project, demo, err))
        return kExitFailed;
    const StorageResult saved = SaveProject(line.output, demo);
    if (!saved)
        return fail(saved, err);
    return kExitOk;
}

} // namespace

bool LoadProjectOrReport(const std::string& project, TVantora& demo, std::ostream& err) {
    const StorageResult loaded = LoadProject(project, demo);
    if (!loaded)
        fail(loaded, err);
    return static_cast<bool>(loaded);
}

ProgressObserver ProgressLinesTo(std::ostream& err) {
    auto total = std::make_shared<int>(0);
    ProgressObserver progress;
    progress.open = [&err, total](std::string_view label, int maximum) {
        *total = maximum;
        err << label << "...\n";
    };
    progress.advance = [&err, total](int position) { err << "  " << position << " of " << *total << '\n'; };
    return progress;
}

std::string VersionText() { return std::string("vantora-build ") + VANTORA_VERSION; }

int RunBuildTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    InstallStorageSceneCopier();
    const ParseOutcome parsed = ParseCommandLine(arguments);
    if (!parsed.commandLine) {
        err << "vantora-build: " << parsed.error << "\n\n" << UsageText();
        return kExitUsage;
    }
    const CommandLine& line = *parsed.commandLine;
    switch (line.command) {
    case Command::Help: out << UsageText(); return kExitOk;
    case Command::Version: out << VersionText() << '\n'; return kExitOk;
    case Command::Info: return info(line, out, err);
    case Command::Check: return CheckProject(line, out, err);
    case Command::Resave: return resave(line, err);
    case Command::Build: return BuildMovie(line, err);
    case Command::Snapshot: return WriteSnapshots(line, err);
    case Command::Frames: return ExportFrames(line, out, err);
    case Command::Publish: return PublishDemo(line, err);
    }
    return kExitUsage;
}

} // namespace vantora::buildtool
