#include "movie/cursor_path.h"

#include "movie/movie_limits.h"

namespace vantora {

std::vector<int> NextCursorIndices(const TDemoFrame& scene) {
    const int count = static_cast<int>(scene.Objects.size());
    std::vector<int> next(static_cast<std::size_t>(count), -1);
    int following = -1;
    for (int i = count - 1; i >= 0; --i) {
        if (scene.Objects[std::size_t(i)]->Kind != TObjectKind::Cursor)
            continue;
        next[std::size_t(i)] = following;
        following = i;
    }
    return next;
}

int FirstCursorIndex(const TDemoFrame& scene) {
    for (std::size_t i = 0; i < scene.Objects.size(); ++i)
        if (scene.Objects[i]->Kind == TObjectKind::Cursor)
            return static_cast<int>(i);
    return -1;
}

MoviePoint CursorPathOffset(MoviePoint from, MoviePoint to, std::int64_t startFrame, std::int64_t endFrame,
                            std::int64_t frame) {
    const std::int64_t span = endFrame - startFrame;
    if (span <= 0)
        return {};
    const std::int64_t done = frame - startFrame;
    return {ClampPixel(done * (std::int64_t(to.x) - from.x) / span),
            ClampPixel(done * (std::int64_t(to.y) - from.y) / span)};
}

} // namespace vantora
