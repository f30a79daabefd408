#include "build_tool/publish_options.h"

#include "publish/video/video_options.h"

#include <charconv>

#include <string_view>

namespace vantora::buildtool {
namespace {

// A whole number in [low, high], written as plain decimal digits.
std::optional<int> numberIn(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int value = std::stoi(text);
    return value >= low && value <= high ? std::optional<int>(value) : std::nullopt;
}

std::optional<std::array<std::uint16_t, 4>> versionOf(const std::string& text) {
    std::array<std::uint16_t, 4> parts{};
    std::size_t start = 0;
    for (int k = 0; k < 4; ++k) {
        const std::size_t dot = text.find('.', start);
        if ((k < 3) != (dot != std::string::npos))
            return std::nullopt;
        const auto part = numberIn(text.substr(start, dot == std::string::npos ? std::string::npos : dot - start), 0, 9999);
        if (!part)
            return std::nullopt;
        parts[k] = static_cast<std::uint16_t>(*part);
        start = dot + 1;
    }
    return parts;
}

// A plain decimal number (digits with at most one point) in [low, high].
std::optional<double> decimalIn(const std::string& text, double low, double high) {
    double value = 0;
    if (text.empty() || text.size() > 12 || text.find_first_not_of("0123456789.") != std::string::npos)
        return std::nullopt;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

bool setTarget(PublishOptions& options, PublishTarget target, const std::string& output, std::string& error) {
    if (options.target) {
        error = "Choose only one of --html, --exe, --app, --autorun and --video.";
        return false;
    }
    options.target = target;
    options.output = output;
    return true;
}

} // namespace

OptionMatch ParsePublishOption(const std::vector<std::string>& arguments, std::size_t& i, PublishOptions& options,
                               std::string& error) {
    const std::string& name = arguments[i];
    if (name == "--no-browser-player") {
        options.noBrowserPlayer = true;
        options.anySetting = true;
        return OptionMatch::Taken;
    }
    if (name == "--no-controls") {
        options.noControls = true;
        options.anySetting = true;
        return OptionMatch::Taken;
    }
    static constexpr std::string_view kValued[] = {"--web", "--html",    "--exe",        "--app",     "--autorun",   "--autorun-with",
                                                   "--title",   "--style",      "--exit-key", "--company",  "--description",
                                                   "--copyright", "--file-version", "--icon", "--cd-icon", "--swf-name",
                                                   "--video",   "--hold",       "--size",    "--fps",       "--quality"};
    bool known = false;
    for (std::string_view option : kValued)
        known = known || name == option;
    if (!known)
        return OptionMatch::NotMine;
    if (i + 1 >= arguments.size()) {
        error = "The option " + name + " needs a value.";
        return OptionMatch::Error;
    }
    const std::string& value = arguments[++i];
    auto fail = [&](std::string text) {
        error = std::move(text);
        return OptionMatch::Error;
    };
    if (name == "--web" || name == "--html" || name == "--exe" || name == "--app" || name == "--autorun" ||
        name == "--video") {
        const PublishTarget target = name == "--web"    ? PublishTarget::Web
                                     : name == "--html" ? PublishTarget::Html
                                     : name == "--exe" ? PublishTarget::Exe
                                     : name == "--app" ? PublishTarget::App
                                     : name == "--video" ? PublishTarget::Video
                                                       : PublishTarget::AutoRun;
        return setTarget(options, target, value, error) ? OptionMatch::Taken : OptionMatch::Error;
    }
    if (name != "--autorun-with")
        options.anySetting = true;
    if (name == "--autorun-with") {
        if (value != "exe" && value != "html" && value != "web")
            return fail("--autorun-with takes exe, html or web.");
        options.autorunWithHtml = value != "exe";
        options.autorunWithWeb = value == "web";
    } else if (name == "--title") {
        options.title = value;
    } else if (name == "--style") {
        if (!(options.style = numberIn(value, 0, 3)))
            return fail("--style takes 0 (Normal), 1 (Normal without border), 2 (Full screen) or 3 (Full screen fit size).");
    } else if (name == "--exit-key") {
        if (!(options.exitKey = numberIn(value, 0, 4)))
            return fail("--exit-key takes 0 (None), 1 (Esc), 2 (Space), 3 (Enter) or 4 (Any).");
    } else if (name == "--file-version") {
        if (!(options.fileVersion = versionOf(value)))
            return fail("--file-version takes four numbers from 0 to 9999: A.B.C.D.");
    } else if (name == "--company") {
        options.company = value;
    } else if (name == "--description") {
        options.description = value;
    } else if (name == "--copyright") {
        options.copyright = value;
    } else if (name == "--icon") {
        options.icon = value;
    } else if (name == "--cd-icon") {
        options.cdIcon = value;
    } else if (name == "--hold") {
        if (!(options.hold = decimalIn(value, 0, video::kMaxHoldSeconds)))
            return fail("--hold takes the seconds a stop point holds, from 0 to 600.");
    } else if (name == "--size") {
        const auto size = video::ParseVideoSize(value);
        if (!size)
            return fail("--size takes WIDTHxHEIGHT in pixels, each from 2 to 7680.");
        options.size = std::array<int, 2>{size->width, size->height};
    } else if (name == "--fps") {
        if (!(options.fps = decimalIn(value, 1, video::kMaxRate)))
            return fail("--fps takes frames per second from 1 to 120.");
    } else if (name == "--quality") {
        if (!(options.quality = numberIn(value, 1, 100)))
            return fail("--quality takes a number from 1 (smallest file) to 100 (best picture).");
    } else {
        options.swfName = value;
    }
    return OptionMatch::Taken;
}

std::string CheckPublishOptions(const PublishOptions& options) {
    if (!options.target) {
        if (options.anySetting || options.autorunWithHtml)
            return "Publishing settings go with a target: --html, --exe, --app, --autorun or --video.";
        return {};
    }
    const PublishTarget target = *options.target;
    if (options.output.empty())
        return "The publishing target needs a file or folder name.";
    const bool videoSetting = options.hold || options.size || options.fps || options.quality;
    if (target == PublishTarget::Video && !video::FormatOfFile(options.output))
        return "--video writes .mp4, .webm or .gif files, not \"" + options.output + "\".";
    if (videoSetting && target != PublishTarget::Video)
        return "--hold, --size, --fps and --quality go with --video.";
    if (target == PublishTarget::AutoRun && !options.autorunWithHtml)
        return "--autorun needs --autorun-with exe or --autorun-with html.";
    if (target != PublishTarget::AutoRun && options.autorunWithHtml)
        return "--autorun-with goes with --autorun.";
    const bool pageTarget = target == PublishTarget::Html || (target == PublishTarget::AutoRun && *options.autorunWithHtml);
    if (options.swfName && target != PublishTarget::Html)
        return "--swf-name goes with --html.";
    if (options.noBrowserPlayer && !pageTarget)
        return "--no-browser-player goes with an HTML page: --html or --autorun-with html.";
    if (options.noControls && target != PublishTarget::Web && !options.autorunWithWeb)
        return "--no-controls goes with --web or --autorun-with web.";
    if (!options.cdIcon.empty() && target != PublishTarget::AutoRun)
        return "--cd-icon goes with --autorun.";
    const bool windowTarget = target == PublishTarget::Exe || target == PublishTarget::App ||
                              (target == PublishTarget::AutoRun && !*options.autorunWithHtml);
    if ((options.style || options.exitKey) && !windowTarget)
        return "--style and --exit-key go with a stand-alone program: --exe, --app or --autorun-with exe.";
    const bool stamped = target == PublishTarget::Exe || target == PublishTarget::AutoRun;
    if ((!options.company.empty() || !options.description.empty() || !options.copyright.empty() || options.fileVersion ||
         !options.icon.empty()) &&
        !stamped)
        return "--company, --description, --copyright, --file-version and --icon go with --exe or --autorun.";
    return {};
}

std::string PublishUsageText() {
    return "\n"
           "Publishing (the targets of the Publish dialog):\n"
           "  PROJECT.vtp --html OUT.htm     the movie beside a web page (with the browser player folder)\n"
           "  PROJECT.vtp --exe OUT.exe      a stand-alone Windows program\n"
           "  PROJECT.vtp --app OUT          a stand-alone Linux program\n"
           "  PROJECT.vtp --web DIR          a web page folder that plays in any browser, also from the disk\n"
           "  --no-controls                  the web page without its control bar\n"
           "  PROJECT.vtp --autorun DIR --autorun-with exe|html|web\n"
           "                                 an AutoRun CD/DVD folder\n"
           "  --title TEXT                   window or page title (default: the demo's name)\n"
           "  --style 0..3                   Normal, Normal without border, Full screen, Full screen fit size\n"
           "  --exit-key 0..4                None, Esc, Space, Enter, Any (default 4)\n"
           "  --company, --description, --copyright TEXT\n"
           "                                 version texts of the Windows program\n"
           "  --file-version A.B.C.D         file version (default 1.0.0.0)\n"
           "  --icon FILE.ico                the Windows program's icon\n"
           "  --cd-icon FILE.ico             the disc's icon (default Default.ico)\n"
           "  --swf-name NAME                the movie's name beside the page (\".swf\" is appended)\n"
           "  --no-browser-player            a page for browsers with Flash only\n"
           "  PROJECT.vtp --video OUT.mp4|OUT.webm|OUT.gif\n"
           "                                 a video (H.264/AAC, VP9/Opus) or animated GIF played by our player\n"
           "  --hold SECONDS                 how long a stop point holds before the video goes on (default 2)\n"
           "  --size WxH                     scaled into this box, aspect kept (default: the movie's size)\n"
           "  --fps N                        frames per second (default: the movie's rate; 10 for GIF)\n"
           "  --quality 1..100               picture quality against file size (default 80)\n";
}

} // namespace vantora::buildtool
