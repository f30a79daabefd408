#include "publish/html_publisher.h"

#include "publish/html_page.h"
#include "publish/movie_bytes.h"
#include "publish/shipped_files.h"

namespace fs = std::filesystem;

namespace vantora::publish {
namespace {

// Copies the browser player folder beside the page; says so in a note when it cannot.
void copyBrowserPlayer(const fs::path& pageFolder, PublishResult& result) {
    const fs::path source = ProgramFile(kBrowserPlayer);
    const fs::path target = pageFolder / kBrowserPlayerFolder;
    std::error_code error;
    if (fs::is_directory(source, error) && fs::equivalent(source, target, error))
        return; // the page is published into the program folder itself
    if (fs::is_directory(source, error))
        fs::copy(source, target, fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
    if (!fs::is_directory(source) || error) {
        result.notes.push_back("The browser player could not be copied beside the page; browsers without Flash "
                               "will not play the movie.");
        return;
    }
    result.files.push_back(target);
}

} // namespace

std::string HtmlMovieFileName(const fs::path& page, const std::string& swfName) {
    if (!swfName.empty())
        return fs::path(swfName + ".swf").filename().string(); // the page names the movie without a folder
    return page.stem().string() + ".swf";
}

PublishResult PublishPageWithMovie(const TVantora& demo, const PublishSettings& settings, const fs::path& page,
                                   const fs::path& movieFile, const PublishContext& context) {
    MovieBytes movie = BuildMovieBytes(demo, context.progress);
    if (!movie.result.ok())
        return movie.result;
    if (PublishResult written = WriteWholeFile(movieFile, movie.bytes); !written.ok())
        return written;
    HtmlPage content;
    content.title = settings.title;
    content.movieName = movieFile.filename().string();
    content.width = demo.Width;
    content.height = demo.Height;
    content.backColor = demo.BackColor;
    content.includeBrowserPlayer = settings.includeBrowserPlayer;
    PublishResult result = WriteWholeFile(page, HtmlPageBytes(content));
    if (!result.ok())
        return result;
    result.files.push_back(movieFile);
    result.notes = std::move(movie.result.notes);
    if (settings.includeBrowserPlayer)
        copyBrowserPlayer(page.parent_path(), result);
    return result;
}

PublishResult THtmlPublisher::Publish(const TVantora& demo, const PublishSettings& settings, const fs::path& target,
                                      const PublishContext& context) const {
    const fs::path movie = target.parent_path() / HtmlMovieFileName(target, settings.swfName);
    return PublishPageWithMovie(demo, settings, target, movie, context);
}

} // namespace vantora::publish
