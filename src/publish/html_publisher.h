#pragma once
// "HTML (.htm and .swf)": the movie and a page that embeds it, side by side, with the browser
// player folder beside them when the page loads it.

#include "publish/publisher.h"

namespace vantora::publish {

// The movie's file name beside `page`: the SWF file name setting with ".swf" appended (even when
// it already ends so), or the page's name with ".swf" for its extension.
std::string HtmlMovieFileName(const std::filesystem::path& page, const std::string& swfName);

// Builds the movie into `movieFile`, then writes `page` for it; with the browser player, copies
// its folder beside the page.
PublishResult PublishPageWithMovie(const TVantora& demo, const PublishSettings& settings, const std::filesystem::path& page,
                                   const std::filesystem::path& movieFile, const PublishContext& context);

class THtmlPublisher : public TPublisher {
public:
    std::string_view Name() const override { return "HTML (.htm and .swf)"; }
    std::string_view FileFilter() const override { return "HTML files (*.htm)|*.htm"; }
    SettingsDialog Settings() const override { return SettingsDialog::Html; }
    PublishResult Publish(const TVantora& demo, const PublishSettings& settings, const std::filesystem::path& target,
                          const PublishContext& context) const override;
};

} // namespace vantora::publish
