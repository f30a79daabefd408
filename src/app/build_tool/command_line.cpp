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

constexpr std::array<OptionSpec, 5> kOptions = {{
    {"--help", "-h", false},
    {"--version", "", false},
    {"--info", "", false},
    {"--resave", "", false},
    {"--output", "-o", true},
}};

const OptionSpec* findOption(std::string_view argument) {
    for (const OptionSpec& option : kOptions)
        if (!option.name.empty() && (argument == option.name || (!option.alias.empty() && argument == option.alias)))
            return &option;
    return nullptr;
}

// Sets the command once; a second, different command is an error.
bool chooseCommand(std::optional<Command>& chosen, Command command, std::string& error) {
    if (chosen && *chosen != command) {
        error = "Choose only one of --info and --resave.";
        return false;
    }
    chosen = command;
    return true;
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
            if (argument.size() > 1 && argument[0] == '-')
                return failure("Unknown option \"" + argument + "\".");
            positional.push_back(argument);
            continue;
        }
        if (option->name == "--help")
            return {CommandLine{Command::Help, {}, {}}, {}};
        if (option->name == "--version")
            return {CommandLine{Command::Version, {}, {}}, {}};
        if (option->takesValue) {
            if (i + 1 >= arguments.size())
                return failure("The option " + argument + " needs a file name.");
            line.output = arguments[++i];
        } else if (!chooseCommand(command, option->name == "--info" ? Command::Info : Command::Resave, error)) {
            return failure(error);
        }
    }
    if (positional.size() > 1)
        return failure("Give one project file, not " + std::to_string(positional.size()) + ".");
    if (!command)
        return failure(positional.empty() ? "Nothing to do: give --info or --resave with a project file."
                                          : "Building movies is not available yet: use --info or --resave.");
    if (positional.empty())
        return failure("No project file given.");
    line.command = *command;
    line.project = positional.front();
    if (line.command == Command::Resave && line.output.empty())
        return failure("--resave needs an output file: -o OUT.vtp.");
    if (line.command == Command::Info && !line.output.empty())
        return failure("--info writes to standard output and takes no -o.");
    return {line, {}};
}

std::string UsageText() {
    return "Usage: vantora-build [options] PROJECT.vtp\n"
           "\n"
           "  --info PROJECT.vtp             print the project as JSON on standard output\n"
           "  --resave PROJECT.vtp -o OUT.vtp load the project and save it to OUT.vtp\n"
           "  -o, --output FILE              the file to write\n"
           "  -h, --help                     show this help\n"
           "  --version                      show the program version\n";
}

} // namespace vantora::buildtool
