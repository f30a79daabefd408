#include "publish/autorun_publisher.h"

#include "publish/html_publisher.h"
#include "publish/movie_bytes.h"
#include "publish/shipped_files.h"
#include "publish/standalone_program.h"
#include "publish/web/page_options.h"

namespace fs = std::filesystem;

namespace vantora::publish {
namespace {

constexpr const char* kAutoRunFiles[] = {"autorun.swf", "autorun.htm", "autorun.exe"};

// The launcher opens "autorun.htm"; with the web page it sends the browser on to index.html.
constexpr std::string_view kWebPageRedirect =
    "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><meta http-equiv=\"refresh\" content=\"0; url=index.html\">"
    "</head><body><a href=\"index.html\">index.html</a></body></html>\n";

PublishResult writeWebPage(const TVantora& demo, const PublishSettings& settings, const fs::path& folder,
                           const PublishContext& context) {
    MovieBytes movie = BuildMovieBytes(demo, context.progress);
    if (!movie.result.ok())
        return movie.result;
    PublishResult result = web::WriteWebPage(movie.bytes, web::WebPageOptionsFor(demo, settings), folder);
    if (!result.ok())
        return result;
    const fs::path page = folder / "autorun.htm";
    if (PublishResult written = WriteWholeFile(page, {reinterpret_cast<const std::uint8_t*>(kWebPageRedirect.data()),
                                                       kWebPageRedirect.size()});
        !written.ok())
        return written;
    result.files.insert(result.files.begin(), page);
    result.notes = std::move(movie.result.notes);
    return result;
}

// A folder named with a trailing separator is the same folder.
fs::path withoutTrailingSeparator(fs::path folder) {
    std::string text = folder.string();
    while (text.size() > 1 && (text.back() == '/' || text.back() == '\\'))
        text.pop_back();
    return text;
}

// "autorun.ico": the CD icon when set and there, else "Default.ico", else none.
void copyCdIcon(const PublishSettings& settings, const fs::path& folder, PublishResult& result) {
    std::error_code error;
    fs::path icon = settings.cdIcon;
    if (icon.empty() || !fs::is_regular_file(icon, error))
        icon = ProgramFile(kDefaultCdIcon);
    if (!fs::is_regular_file(icon, error))
        return;
    const fs::path target = folder / "autorun.ico";
    if (fs::copy_file(icon, target, fs::copy_options::overwrite_existing, error))
        result.files.push_back(target);
}

} // namespace

fs::path PrepareTemporaryCdFolder(const PublishContext& context) {
    const fs::path folder = TemporaryFolderOf(context) / kTemporaryCdFolder;
    std::error_code error;
    fs::create_directories(folder, error);
    for (const char* name : kAutoRunFiles)
        fs::remove(folder / name, error);
    return folder;
}

std::string_view TAutoRunPublisher::Name() const {
    if (content_ == Content::WebPage)
        return "AutoRun CD/DVD with Web Page (HTML5)";
    return content_ == Content::Program ? "AutoRun CD/DVD with Executable file" : "AutoRun CD/DVD with HTML file";
}

SettingsDialog TAutoRunPublisher::Settings() const {
    return content_ == Content::Program ? SettingsDialog::Executable : SettingsDialog::ExecutableLauncher;
}

PublishResult TAutoRunPublisher::writeContent(const TVantora& demo, const PublishSettings& settings, const fs::path& folder,
                                              const PublishContext& context) const {
    if (content_ == Content::Program)
        return MakeStandaloneProgram(demo, settings, folder / "autorun.exe", context);
    PublishResult result = content_ == Content::WebPage
                               ? writeWebPage(demo, settings, folder, context)
                               : PublishPageWithMovie(demo, settings, folder / "autorun.htm", folder / "autorun.swf", context);
    if (!result.ok())
        return result;
    // The launcher is only copied and stamped; a launcher that cannot be copied is left out.
    const fs::path launcher = folder / "autorun.exe";
    std::error_code error;
    const fs::path shipped = ProgramFile(kLauncherProgram);
    if (fs::is_regular_file(shipped, error) && fs::copy_file(shipped, launcher, fs::copy_options::overwrite_existing, error)) {
        if (PublishResult stamped = StampProgram(launcher, settings); !stamped.ok())
            return stamped;
        result.files.push_back(launcher);
    }
    return result;
}

PublishResult TAutoRunPublisher::Publish(const TVantora& demo, const PublishSettings& settings, const fs::path& target,
                                         const PublishContext& context) const {
    fs::path folder;
    if (settings.burnCdDirectly) {
        folder = PrepareTemporaryCdFolder(context);
    } else {
        if (target.empty())
            return PublishResult::Cancel();
        folder = withoutTrailingSeparator(target);
        std::error_code error;
        fs::create_directories(folder, error);
    }
    PublishResult result = writeContent(demo, settings, folder, context);
    if (!result.ok())
        return result;
    const std::string_view inf = kAutoRunInfText;
    const PublishResult infWritten =
        WriteWholeFile(folder / "autorun.inf", {reinterpret_cast<const std::uint8_t*>(inf.data()), inf.size()});
    if (!infWritten.ok())
        return infWritten;
    result.files.push_back(folder / "autorun.inf");
    copyCdIcon(settings, folder, result);
    if (settings.burnCdDirectly && context.burnFolder)
        context.burnFolder(folder);
    return result;
}

} // namespace vantora::publish
