#pragma once
// The "Web Page (HTML5)" folder: index.html, the runtime script, the movie's data script and its
// pictures and sounds.

#include "publish/publish_result.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace vantora::publish::web {

inline constexpr const char* kRuntimeFileName = "vantora-web.js";
inline constexpr const char* kMovieFileName = "movie.js";
inline constexpr const char* kPageFileName = "index.html";

// A text the page announces while the movie is in frames [from, to), with the centre of its
// object in stage pixels (a button's element is named by the text over it).
struct Caption {
    std::int64_t from = 0, to = 0;
    std::string text;
    int x = 0, y = 0;
};

struct WebPageOptions {
    std::string title;
    bool showControls = true; // the control bar under the stage
    std::vector<int> sceneFrames; // the first frame of each scene, 0-based
    std::vector<Caption> captions;
};

// The page's markup; the title is escaped, every other text reaches the page only as data.
std::string WebPageHtml(const WebPageOptions& options, int width, int height);

// Writes the page for `movie` (SWF bytes) into `folder`, created when missing. The result lists
// index.html first.
PublishResult WriteWebPage(std::span<const std::uint8_t> movie, const WebPageOptions& options,
                           const std::filesystem::path& folder);

} // namespace vantora::publish::web
