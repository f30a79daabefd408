#include "publish/web/web_publisher.h"

#include "publish/movie_bytes.h"
#include "publish/web/page_options.h"

namespace vantora::publish {

PublishResult TWebPublisher::Publish(const TVantora& demo, const PublishSettings& settings,
                                     const std::filesystem::path& target, const PublishContext& context) const {
    MovieBytes movie = BuildMovieBytes(demo, context.progress);
    if (!movie.result.ok())
        return movie.result;
    const web::WebPageOptions options = web::WebPageOptionsFor(demo, settings);
    // The dialog hands over the chosen index.html; vantora-build names the folder itself.
    const std::filesystem::path folder = target.filename() == web::kPageFileName ? target.parent_path() : target;
    PublishResult result = web::WriteWebPage(movie.bytes, options, folder);
    if (result.ok())
        result.notes = std::move(movie.result.notes);
    return result;
}

} // namespace vantora::publish
