#include "publish/movie_bytes.h"

#include "base/safe_file.h"
#include "movie/movie_builder.h"
#include "movie/movie_limits.h"
#include "storage/storage_result.h"
#include "swf/errors.h"
#include "swf/movie.h"

#include <sstream>

namespace vantora::publish {

MovieBytes BuildMovieBytes(const TVantora& demo, const ProgressObserver* progress) {
    MovieBytes out;
    try {
        std::vector<std::string> notes;
        auto movie = BuildWholeDemo(demo, progress, &notes);
        movie->MakeStream();
        std::ostringstream stream;
        movie->SaveToStream(stream);
        const std::string text = std::move(stream).str();
        out.bytes.assign(text.begin(), text.end());
        out.result = PublishResult::Success({}, std::move(notes));
    } catch (const MovieBuildError& e) {
        out.result = PublishResult::Failure(PublishFailure::Movie, e.what());
    } catch (const swf::Error& e) {
        out.result = PublishResult::Failure(PublishFailure::Movie, std::string("The movie could not be written: ") + e.what());
    } catch (const std::bad_alloc&) {
        out.result = PublishResult::Failure(PublishFailure::Movie, "Not enough memory to build the movie.");
    } catch (const std::exception& e) {
        out.result = PublishResult::Failure(PublishFailure::Movie, std::string("The movie could not be built: ") + e.what());
    }
    return out;
}

PublishResult WriteWholeFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
    const FileWriteOutcome written = WriteFileSafely(file, bytes);
    if (written.ok())
        return PublishResult::Success({file});
    return PublishResult::Failure(PublishFailure::WriteFile, "\"" + file.string() + "\" cannot be written: " +
                                                                 SystemErrorText(written.systemError) + ".");
}

} // namespace vantora::publish
