#pragma once
// The publishing options of vantora-build: the target (--html, --exe, --app, --autorun) and the
// settings the Publish dialog would ask for, parsed into plain values here and turned into
// publish settings by the publish command.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantora::buildtool {

enum class PublishTarget {
    Html,    // --html OUT.htm
    Exe,     // --exe OUT.exe
    App,     // --app OUT: the Linux stand-alone program
    AutoRun, // --autorun DIR --autorun-with exe|html
    Web,     // --web DIR: the web page folder
    Video,   // --video OUT.mp4|OUT.webm|OUT.gif
};

struct PublishOptions {
    std::optional<PublishTarget> target;
    std::string output;
    std::optional<bool> autorunWithHtml; // --autorun-with html (true) or exe (false)
    bool autorunWithWeb = false;         // --autorun-with web: a page too, the web page instead of the HTML one
    std::optional<std::string> title;
    std::optional<int> style;   // 0..3
    std::optional<int> exitKey; // 0..4
    std::string company;
    std::string description;
    std::string copyright;
    std::optional<std::array<std::uint16_t, 4>> fileVersion; // --file-version A.B.C.D, each 0..9999
    std::string icon;
    std::string cdIcon;
    std::optional<std::string> swfName;
    bool noBrowserPlayer = false;
    std::optional<double> hold;    // --hold SECONDS
    std::optional<std::array<int, 2>> size; // --size WxH
    std::optional<double> fps;     // --fps N
    std::optional<int> quality;    // --quality 1..100
    bool noControls = false; // --no-controls: the web page without its control bar
    bool anySetting = false; // a setting was given (it needs a target)
};

enum class OptionMatch { NotMine, Taken, Error };

// Looks at arguments[i]; when it is a publishing option, takes it (and its value, moving i on).
OptionMatch ParsePublishOption(const std::vector<std::string>& arguments, std::size_t& i, PublishOptions& options,
                               std::string& error);

// After all arguments: the options must make sense together. Empty when they do.
std::string CheckPublishOptions(const PublishOptions& options);

// The lines the --help text adds for publishing.
std::string PublishUsageText();

} // namespace vantora::buildtool
