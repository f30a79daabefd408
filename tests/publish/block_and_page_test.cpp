// The block appended to stand-alone programs and the HTML page written beside movies.

#include "publish/html_page.h"
#include "publish/html_publisher.h"
#include "publish/standalone_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantora::publish {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t u32(const Bytes& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

StandaloneWindow sampleWindow() {
    StandaloneWindow window;
    window.backColor = 0x00FF8000;
    window.style = 2;
    window.exitKey = 1;
    window.width = 640;
    window.height = 480;
    window.title = "Caf\xC3\xA9"; // "Café": four bytes in the ANSI code page
    return window;
}

TEST(StandaloneBlock, FieldsInOrderThenMarkerAndStart) {
    const Bytes movie = {'C', 'W', 'S', 6, 1, 2, 3};
    const Bytes block = StandaloneBlock(sampleWindow(), movie, 0x1234);
    ASSERT_EQ(block.size(), 24u + 4 + movie.size() + 8);
    EXPECT_EQ(u32(block, 0), 0x00FF8000u);
    EXPECT_EQ(u32(block, 4), 2u);
    EXPECT_EQ(u32(block, 8), 1u);
    EXPECT_EQ(u32(block, 12), 640u);
    EXPECT_EQ(u32(block, 16), 480u);
    EXPECT_EQ(u32(block, 20), 4u);
    EXPECT_EQ(Bytes(block.begin() + 24, block.begin() + 28), (Bytes{'C', 'a', 'f', 0xE9}));
    EXPECT_EQ(Bytes(block.begin() + 28, block.begin() + 35), movie);
    EXPECT_EQ(Bytes(block.end() - 8, block.end()), (Bytes{0xD2, 0x1F, 0x94, 0x37, 0x34, 0x12, 0, 0}));
}

TEST(StandaloneBlock, EmptyTitleHasLengthZeroAndTheMovieFollows) {
    StandaloneWindow window = sampleWindow();
    window.title.clear();
    const Bytes block = StandaloneBlock(window, Bytes{'F', 'W', 'S'}, 7);
    EXPECT_EQ(u32(block, 20), 0u);
    EXPECT_EQ(Bytes(block.begin() + 24, block.begin() + 27), (Bytes{'F', 'W', 'S'}));
}

TEST(StandaloneBlockReading, ReadsBackWhatWasWritten) {
    Bytes file(100, 0xAA); // the player program
    const Bytes movie(50, 0x11);
    const Bytes block = StandaloneBlock(sampleWindow(), movie, 100);
    file.insert(file.end(), block.begin(), block.end());
    const auto content = ReadStandaloneBlock(file);
    ASSERT_TRUE(content);
    EXPECT_EQ(content->playerSize, 100u);
    EXPECT_EQ(content->window.title, "Caf\xC3\xA9");
    EXPECT_EQ(content->window.style, 2);
    EXPECT_EQ(content->window.exitKey, 1);
    EXPECT_EQ(content->window.width, 640);
    EXPECT_EQ(content->window.backColor, 0x00FF8000u);
    EXPECT_EQ(Bytes(content->movie.begin(), content->movie.end()), movie);
}

TEST(StandaloneBlockReading, DamagedTrailersAreRefused) {
    Bytes file(100, 0);
    const Bytes block = StandaloneBlock(sampleWindow(), Bytes(10, 1), 100);
    file.insert(file.end(), block.begin(), block.end());
    Bytes noMarker = file;
    noMarker[noMarker.size() - 8] ^= 1;
    EXPECT_FALSE(ReadStandaloneBlock(noMarker));
    Bytes startPastEnd = file;
    startPastEnd[startPastEnd.size() - 1] = 0x7F; // P far beyond the file
    EXPECT_FALSE(ReadStandaloneBlock(startPastEnd));
    Bytes longTitle = file;
    longTitle[100 + 23] = 0x7F; // a title length running past the trailer
    EXPECT_FALSE(ReadStandaloneBlock(longTitle));
    EXPECT_FALSE(ReadStandaloneBlock(Bytes(31, 0)));
    EXPECT_FALSE(ReadStandaloneBlock(Bytes{}));
}

std::vector<std::string> linesOf(const Bytes& page) {
    const std::string text(page.begin(), page.end());
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "the last line ends with CR LF";
    return lines;
}

HtmlPage samplePage() {
    HtmlPage page;
    page.title = "Tour";
    page.movieName = "tour.swf";
    page.width = 640;
    page.height = 480;
    page.backColor = 0x00FF8000;
    page.includeBrowserPlayer = false;
    return page;
}

TEST(HtmlPageLines, WithoutTheBrowserPlayerTheTenDesignedLines) {
    const std::vector<std::string> lines = linesOf(HtmlPageBytes(samplePage()));
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "<HTML><HEAD><TITLE>Tour</TITLE></HEAD>");
    EXPECT_EQ(lines[1], "<!-- saved from url=(0014)about:internet -->");
    EXPECT_EQ(lines[2], "<BODY BGCOLOR=\"#0080FF\">");
    EXPECT_EQ(lines[3], "<p align=\"center\">");
    EXPECT_EQ(lines[4], "<OBJECT CLASSID=\"CLSID:D27CDB6E-AE6D-11cf-96B8-444553540000\"");
    EXPECT_EQ(lines[5].rfind("CODEBASE=\"", 0), 0u);
    EXPECT_NE(lines[5].find("#version=6,0,29,0\" ID=\"Vantora\" Width=\"640\" Height=\"480\">"), std::string::npos);
    EXPECT_EQ(lines[6], "<PARAM NAME=\"movie\" VALUE=\"tour.swf\"> <PARAM NAME=quality VALUE=high> <PARAM NAME=bgcolor "
                        "VALUE=\"#FFFFFF\">");
    EXPECT_EQ(lines[7].rfind("<EMBED SRC=\"tour.swf\" quality=high bgcolor=\"#0080FF\" WIDTH=\"640\" HEIGHT=\"480\" "
                             "TYPE=\"application/x-shockwave-flash\" PLUGINSPAGE=\"",
                             0),
              0u);
    EXPECT_EQ(lines[7].substr(lines[7].size() - 10), "\"></EMBED>");
    EXPECT_EQ(lines[8], "</OBJECT></BODY>");
    EXPECT_EQ(lines[9], "</HTML>");
}

TEST(HtmlPageLines, BrowserPlayerAddsOneLineThatLoadsItFromBesideThePage) {
    HtmlPage page = samplePage();
    page.includeBrowserPlayer = true;
    const std::vector<std::string> lines = linesOf(HtmlPageBytes(page));
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_NE(lines[2].find("<script src=\"ruffle/ruffle.js\"></script>"), std::string::npos);
    page.includeBrowserPlayer = false;
    std::vector<std::string> without = linesOf(HtmlPageBytes(page));
    without.insert(without.begin() + 2, lines[2]);
    EXPECT_EQ(without, lines);
}

TEST(HtmlPageText, ColourTextIsRedGreenBlue) {
    EXPECT_EQ(ColourText(0x00FF8000), "#0080FF");
    EXPECT_EQ(ColourText(0x000000FF), "#FF0000");
    EXPECT_EQ(ColourText(0x00FFFFFF), "#FFFFFF");
    EXPECT_EQ(ColourText(0xFF00000A), "#0A0000"); // the top byte is no colour
}

TEST(HtmlPageText, TitleAndMovieNameCannotInjectMarkup) {
    HtmlPage page = samplePage();
    page.title = "A & B <script>\"x\"</script>";
    page.movieName = "a\"b&c.swf";
    const std::vector<std::string> lines = linesOf(HtmlPageBytes(page));
    EXPECT_EQ(lines[0], "<HTML><HEAD><TITLE>A &amp; B &lt;script&gt;&quot;x&quot;&lt;/script&gt;</TITLE></HEAD>");
    EXPECT_NE(lines[6].find("VALUE=\"a&quot;b&amp;c.swf\""), std::string::npos);
}

TEST(HtmlPageText, WrittenInTheAnsiCodePage) {
    HtmlPage page = samplePage();
    page.title = "Caf\xC3\xA9";
    const Bytes bytes = HtmlPageBytes(page);
    const std::string first(bytes.begin(), bytes.begin() + 28);
    EXPECT_EQ(first, "<HTML><HEAD><TITLE>Caf\xE9</TIT");
}

TEST(HtmlMovieName, SettingWinsAndAlwaysGetsSwfAppended) {
    EXPECT_EQ(HtmlMovieFileName("/out/page.htm", ""), "page.swf");
    EXPECT_EQ(HtmlMovieFileName("/out/page.htm", "intro"), "intro.swf");
    EXPECT_EQ(HtmlMovieFileName("/out/page.htm", "intro.swf"), "intro.swf.swf");
    EXPECT_EQ(HtmlMovieFileName("/out/my.page.htm", ""), "my.page.swf");
    // The page names the movie by file name only, so a folder in the setting is dropped.
    EXPECT_EQ(HtmlMovieFileName("/out/page.htm", "../elsewhere/intro"), "intro.swf");
}

} // namespace
} // namespace vantora::publish
