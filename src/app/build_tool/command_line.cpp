#include "build_tool/command_line.h"

#include <array>
#include <string_view>

namespace vantora::buildtool {
namespace {

struct OptionSpec {
    std::string_view name;
    std::string_view alias;
    bool takesValue;
};

constexpr std::array<OptionSpec, 11> kOptions = {{
    {"--help", "-h", false},
    {"--version", "", false},
    {"--info", "", false},
    {"--resave", "", false},
    {"--check", "", false},
    {"--snapshot", "", false},
    {"--objects", "", false},
    {"--output", "-o", true},
    {"--scene", "", true},
    {"--frames", "", true},
    {"--click", "", true},
}};

Command commandOf(std::string_view option) {
    if (option == "--info")
        return Command::Info;
    if (option == "--resave")
        return Command::Resave;
    if (option == "--check")
        return Command::Check;
    return Command::Snapshot;
}

// A scene number from 1 on, written as plain decimal digits.
std::optional<int> parseSceneNumber(const std::string& text) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int number = std::stoi(text);
    return number >= 1 ? std::optional<int>(number) : std::nullopt;
}

const OptionSpec* findOption(std::string_view argument) {
    for (const OptionSpec& option : kOptions)
        if (!option.name.empty() && (argument == option.name || (!option.alias.empty() && argument == option.alias)))
            return &option;
    return nullptr;
}

// Sets the command once; a second, different command is an error.
bool chooseCommand(std::optional<Command>& chosen, Command command, std::string& error) {
    if (chosen && *chosen != command) {
        error = "Choose only one of --info, --check, --resave, --snapshot and --frames.";
        return false;
    }
    chosen = command;
    return true;
}

CommandLine onlyCommand(Command command) {
    CommandLine line;
    line.command = command;
    return line;
}

ParseOutcome failure(std::string error) { return {std::nullopt, std::move(error)}; }

} // namespace

ParseOutcome ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    std::optional<Command> command;
    std::vector<std::string> positional;
    std::string error;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const OptionSpec* option = findOption(argument);
        if (!option) {
            const OptionMatch publishing = ParsePublishOption(arguments, i, line.publish, error);
            if (publishing == OptionMatch::Error)
                return failure(error);
            if (publishing == OptionMatch::Taken)
                continue;
            if (argument.size() > 1 && argument[0] == '-')
                return failure("Unknown option \"" + argument + "\".");
            positional.push_back(argument);
            continue;
        }
        if (option->name == "--help")
            return {onlyCommand(Command::Help), {}};
        if (option->name == "--version")
            return {onlyCommand(Command::Version), {}};
        if (option->name == "--frames" || option->name == "--click") {
            if (i + 1 >= arguments.size())
                return failure(option->name == "--frames" ? "--frames needs a list of frames: 0,5,10-12."
                                                          : "--click needs a place and a frame: X:Y@N.");
            if (option->name == "--click")
                line.clicks.push_back(arguments[++i]);
            else if (!chooseCommand(command, Command::Frames, error))
                return failure(error);
            else
                line.frames = arguments[++i];
        } else if (option->name == "--scene") {
            if (i + 1 >= arguments.size() || !(line.scene = parseSceneNumber(arguments[i + 1])))
                return failure("--scene needs a scene number from 1 on.");
            ++i;
        } else if (option->takesValue) {
            if (i + 1 >= arguments.size())
                return failure("The option " + argument + " needs a file name.");
            line.output = arguments[++i];
        } else if (option->name == "--objects") {
            line.objects = true;
        } else if (!chooseCommand(command, commandOf(option->name), error)) {
            return failure(error);
        }
    }
    if (const std::string problem = CheckPublishOptions(line.publish); !problem.empty())
        return failure(problem);
    if (line.publish.target) {
        if (command || !line.output.empty())
            return failure("A publishing target goes alone: no -o, --info, --resave or --snapshot with it.");
        command = Command::Publish;
    }
    // A project and an output without a command builds the movie.
    if (!command && !positional.empty() && !line.output.empty())
        command = Command::Build;
    if (positional.size() > 1)
        return failure("Give one project file, not " + std::to_string(positional.size()) + ".");
    if (!command)
        return failure(positional.empty() ? "Nothing to do: give a project file and -o MOVIE.swf, or --info."
                                          : "No output given: add -o MOVIE.swf to build the movie.");
    if (positional.empty())
        return failure("No project file given.");
    line.command = *command;
    line.project = positional.front();
    if (line.command == Command::Resave && line.output.empty())
        return failure("--resave needs an output file: -o OUT.vtp.");
    if (line.command == Command::Info && !line.output.empty())
        return failure("--info writes to standard output and takes no -o.");
    if (line.command == Command::Check && !line.output.empty())
        return failure("--check writes to standard output and takes no -o.");
    if (line.command == Command::Snapshot && line.output.empty())
        return failure("--snapshot needs an output folder: -o DIR.");
    if (line.command == Command::Frames && line.output.empty())
        return failure("--frames needs an output folder: -o DIR.");
    if (!line.clicks.empty() && line.command != Command::Frames)
        return failure("--click goes with --frames.");
    if (line.scene && line.command != Command::Build && line.command != Command::Frames)
        return failure("--scene goes with building a movie: PROJECT.vtp -o MOVIE.swf --scene N.");
    if (line.objects && line.command != Command::Snapshot)
        return failure("--objects goes with --snapshot.");
    return {line, {}};
}

std::string UsageText() {
    return "Usage: vantora-build [options] PROJECT.vtp\n"
           "\n"
           "  PROJECT.vtp -o MOVIE.swf       build the whole demo into a Flash movie\n"
           "  --scene N                      build only scene N (counted from 1)\n"
           "  --snapshot PROJECT.vtp -o DIR  write DIR/scene1.png, scene2.png, ... as the editor\n"
           "                                 shows the scenes\n"
           "  --objects                      with --snapshot: also one picture per object\n"
           "  --frames LIST -o DIR INPUT     play INPUT (a project, built first, or a movie) and\n"
           "                                 write DIR/frame-N.png for the frames of LIST\n"
           "                                 (0,5,10-12; counted from 0)\n"
           "  --click X:Y@N                  with --frames: click the stage at X,Y after frame N\n"
           "                                 is shown (repeatable)\n"
           "  --info PROJECT.vtp             print the project as JSON on standard output\n"
           "  --check PROJECT.vtp            list what stands in a viewer's way, one finding a\n"
           "                                 line; exit status 0 when none, 1 otherwise\n"
           "  --resave PROJECT.vtp -o OUT.vtp load the project and save it to OUT.vtp\n"
           "  -o, --output FILE              the file to write\n"
           "  -h, --help                     show this help\n"
           "  --version                      show the program version\n" +
           PublishUsageText();
}

} // namespace vantora::buildtool
