#include "publish/web/web_publisher.h"

#include "movie/click_actions.h"
#include "movie/object_timing.h"
#include "publish/movie_bytes.h"
#include "publish/web/web_page.h"

namespace vantora::publish {

PublishResult TWebPublisher::Publish(const TVantora& demo, const PublishSettings& settings,
                                     const std::filesystem::path& target, const PublishContext& context) const {
    MovieBytes movie = BuildMovieBytes(demo, context.progress);
    if (!movie.result.ok())
        return movie.result;
    web::WebPageOptions options;
    options.title = settings.title;
    options.showControls = settings.showControls;
    const SceneStarts starts(demo, EffectiveFrameRateFactor(demo.FrameRateFactor));
    for (int scene = 0; scene < starts.Count(); ++scene)
        if (starts.StartFrame(scene) < starts.StartFrame(scene + 1)) // a scene without frames has no start
            options.sceneFrames.push_back(int(starts.StartFrame(scene)));
    // The dialog hands over the chosen index.html; vantora-build names the folder itself.
    const std::filesystem::path folder = target.filename() == web::kPageFileName ? target.parent_path() : target;
    PublishResult result = web::WriteWebPage(movie.bytes, options, folder);
    if (result.ok())
        result.notes = std::move(movie.result.notes);
    return result;
}

} // namespace vantora::publish
