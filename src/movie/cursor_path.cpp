#include "movie/cursor_path.h"

#include "movie/movie_limits.h"
#include "movie/object_timing.h"

namespace vantora {

std::vector<bool> PathCursors(const TDemoFrame& scene, std::int32_t frameRateFactor) {
    std::vector<bool> onPath;
    onPath.reserve(scene.Objects.size());
    for (const auto& object : scene.Objects)
        onPath.push_back(object->Kind == TObjectKind::Cursor && TimingOf(*object, frameRateFactor).OnStage);
    return onPath;
}

std::vector<int> NextCursorIndices(const std::vector<bool>& onPath) {
    std::vector<int> next(onPath.size(), -1);
    int following = -1;
    for (std::size_t i = onPath.size(); i-- > 0;) {
        if (!onPath[i])
            continue;
        next[i] = following;
        following = static_cast<int>(i);
    }
    return next;
}

int FirstCursorIndex(const std::vector<bool>& onPath) {
    for (std::size_t i = 0; i < onPath.size(); ++i)
        if (onPath[i])
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
