#pragma once
// The arguments of vantora-build. Only parsing lives here, so new options (movie output, scene
// choice, snapshots, HTML and program targets) join in one table.

#include "build_tool/publish_options.h"

#include <optional>
#include <string>
#include <vector>

namespace vantora::buildtool {

enum class Command {
    Help,    // --help, -h
    Version, // --version
    Info,    // --info PROJECT.vtp
    Resave,  // --resave PROJECT.vtp -o OUT.vtp
    Build,   // PROJECT.vtp -o MOVIE.swf [--scene N]
    Snapshot, // --snapshot PROJECT.vtp -o DIR [--objects]
    Frames,  // --frames LIST -o DIR INPUT [--click X:Y@N]... [--scene N]
    Check,    // --check PROJECT.vtp
    Publish,  // PROJECT.vtp --html OUT.htm | --exe OUT.exe | --app OUT | --autorun DIR ...
};

struct CommandLine {
    Command command = Command::Help;
    std::string project; // the project file
    std::string output;  // -o / --output
    std::optional<int> scene; // --scene N, counted from 1
    bool objects = false;     // --objects: snapshots also write one picture per object
    std::string frames;              // --frames LIST: the frames to write, "0,5,10-12"
    std::vector<std::string> clicks; // --click X:Y@N, in the order given
    PublishOptions publish;   // the publishing target and its settings
};

struct ParseOutcome {
    std::optional<CommandLine> commandLine; // set when the arguments make sense
    std::string error;                      // why not, otherwise
};

// `arguments` excludes the program name.
ParseOutcome ParseCommandLine(const std::vector<std::string>& arguments);

// The --help text.
std::string UsageText();

} // namespace vantora::buildtool
