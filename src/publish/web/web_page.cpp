#include "publish/web/web_page.h"

#include "player/movie_error.h"
#include "publish/movie_bytes.h"
#include "publish/web/script_text.h"
#include "publish/web/web_movie_data.h"
#include "publish/web/web_runtime.h"

namespace fs = std::filesystem;

namespace vantora::publish::web {
namespace {

std::span<const std::uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace

std::string WebPageHtml(const WebPageOptions& options, int width, int height) {
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<title>" + HtmlText(options.title) + "</title>\n"
           "<style>html,body{margin:0;height:100%;background:#000;overflow:hidden}</style>\n"
           "</head>\n<body>\n"
           "<div id=\"vantora\" data-size=\"" + size + "\" data-controls=\"" + (options.showControls ? "on" : "off") +
           "\"></div>\n<noscript>This demo needs JavaScript.</noscript>\n"
           "<script src=\"" + kMovieFileName + "\"></script>\n<script src=\"" + kRuntimeFileName + "\"></script>\n"
           "</body>\n</html>\n";
}

PublishResult WriteWebPage(std::span<const std::uint8_t> movie, const WebPageOptions& options, const fs::path& folder) {
    WebMovieData data;
    try {
        data = MakeWebMovieData(movie);
    } catch (const player::MovieError& error) {
        return PublishResult::Failure(PublishFailure::Movie, error.what());
    }
    std::error_code error;
    fs::create_directories(folder / "media", error);
    if (error)
        return PublishResult::Failure(PublishFailure::WriteFile,
                                      "Cannot create the folder " + folder.string() + ": " + error.message());
    std::vector<fs::path> files;
    auto write = [&](const fs::path& file, std::span<const std::uint8_t> bytes) {
        PublishResult written = WriteWholeFile(file, bytes);
        if (written.ok())
            files.push_back(file);
        return written;
    };
    std::string scenes;
    for (int frame : options.sceneFrames)
        scenes += (scenes.empty() ? "" : ",") + std::to_string(frame);
    data.script += "window.VANTORA_MOVIE.scenes = [" + scenes + "];\n";
    std::string captions;
    for (const Caption& caption : options.captions)
        captions += (captions.empty() ? "" : ",\n") + std::string("[") + std::to_string(caption.from) + "," +
                    std::to_string(caption.to) + "," + ScriptString(caption.text) + "," + std::to_string(caption.x) + "," +
                    std::to_string(caption.y) + "]";
    data.script += "window.VANTORA_MOVIE.captions = [" + captions + "];\n";
    const std::string page = WebPageHtml(options, data.width, data.height);
    for (auto& [file, bytes] : std::initializer_list<std::pair<fs::path, std::span<const std::uint8_t>>>{
             {folder / kPageFileName, Bytes(page)},
             {folder / kRuntimeFileName, Bytes(RuntimeScript())},
             {folder / kMovieFileName, Bytes(data.script)}})
        if (PublishResult written = write(file, bytes); !written.ok())
            return written;
    for (const MediaFile& media : data.media)
        if (PublishResult written = write(folder / media.name, media.bytes); !written.ok())
            return written;
    return PublishResult::Success(std::move(files));
}

} // namespace vantora::publish::web
