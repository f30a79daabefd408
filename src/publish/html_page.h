#pragma once
// The web page written beside a published movie: it embeds the movie with the browser plug-in of
// the Flash player and, when asked, loads the browser player from the folder "ruffle" beside it
// for browsers that have no plug-in.

#include "model/colour.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantora::publish {

struct HtmlPage {
    std::string title;     // UTF-8; written escaped
    std::string movieName; // file name only: page and movie stay in one folder
    std::int32_t width = 0;
    std::int32_t height = 0;
    TColor backColor = 0;
    bool includeBrowserPlayer = true;
};

// The folder beside the page that holds the browser player.
inline constexpr const char* kBrowserPlayerFolder = "ruffle";

// "#RRGGBB" of a 0x00BBGGRR colour.
std::string ColourText(TColor colour);

// `text` with "&", "<", ">" and '"' written as character references.
std::string EscapeHtml(const std::string& text);

// The page's lines, each ended by CR LF, in the ANSI code page.
std::vector<std::uint8_t> HtmlPageBytes(const HtmlPage& page);

} // namespace vantora::publish
