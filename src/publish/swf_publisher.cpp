#include "publish/swf_publisher.h"

#include "publish/movie_bytes.h"

namespace vantora::publish {

PublishResult TSwfPublisher::Publish(const TVantora& demo, const PublishSettings&, const std::filesystem::path& target,
                                     const PublishContext& context) const {
    MovieBytes movie = BuildMovieBytes(demo, context.progress);
    if (!movie.result.ok())
        return movie.result;
    PublishResult written = WriteWholeFile(target, movie.bytes);
    written.notes = std::move(movie.result.notes);
    return written;
}

} // namespace vantora::publish
