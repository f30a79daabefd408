#include "publish/html_page.h"

#include "base/windows1252.h"

#include <cstdio>

namespace vantora::publish {
namespace {

constexpr const char* kPluginCabinet =
    "https://fpdownload.macromedia.com/pub/shockwave/cabs/flash/swflash.cab#version=6,0,29,0";
constexpr const char* kPluginDownloadPage = "https://ruffle.rs/#downloads";

// One line that configures the browser player to start at once and loads it.
constexpr const char* kBrowserPlayerLine =
    "<script>window.RufflePlayer=window.RufflePlayer||{};window.RufflePlayer.config={autoplay:\"on\","
    "unmuteOverlay:\"hidden\",splashScreen:false};</script><script src=\"ruffle/ruffle.js\"></script>";

} // namespace

std::string ColourText(TColor colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    return text;
}

std::string EscapeHtml(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::vector<std::uint8_t> HtmlPageBytes(const HtmlPage& page) {
    const std::string colour = ColourText(page.backColor);
    const std::string width = std::to_string(page.width);
    const std::string height = std::to_string(page.height);
    const std::string movie = EscapeHtml(page.movieName); // a file name may hold a quote or an ampersand
    std::vector<std::string> lines;
    lines.push_back("<HTML><HEAD><TITLE>" + EscapeHtml(page.title) + "</TITLE></HEAD>");
    lines.push_back("<!-- saved from url=(0014)about:internet -->");
    if (page.includeBrowserPlayer)
        lines.push_back(kBrowserPlayerLine);
    lines.push_back("<BODY BGCOLOR=\"" + colour + "\">");
    lines.push_back("<p align=\"center\">");
    lines.push_back("<OBJECT CLASSID=\"CLSID:D27CDB6E-AE6D-11cf-96B8-444553540000\"");
    lines.push_back(std::string("CODEBASE=\"") + kPluginCabinet + "\" ID=\"Vantora\" Width=\"" + width + "\" Height=\"" +
                    height + "\">");
    lines.push_back("<PARAM NAME=\"movie\" VALUE=\"" + movie +
                    "\"> <PARAM NAME=quality VALUE=high> <PARAM NAME=bgcolor VALUE=\"#FFFFFF\">");
    lines.push_back("<EMBED SRC=\"" + movie + "\" quality=high bgcolor=\"" + colour + "\" WIDTH=\"" + width +
                    "\" HEIGHT=\"" + height + "\" TYPE=\"application/x-shockwave-flash\" PLUGINSPAGE=\"" +
                    kPluginDownloadPage + "\"></EMBED>");
    lines.push_back("</OBJECT></BODY>");
    lines.push_back("</HTML>");
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return Utf8ToAnsi(text);
}

} // namespace vantora::publish
