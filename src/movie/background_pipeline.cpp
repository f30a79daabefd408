#include "movie/background_pipeline.h"

#include "movie/scene_background.h"

#include "base/helper_threads.h"

#include <algorithm>

namespace vantora {
namespace {

// Scenes drawn ahead of the plan: up to two where spare cores can draw them, few enough that only
// a handful of screen-sized pictures are in memory at once. Without spare cores each scene's
// picture is drawn when the plan reaches it. Stages beyond a large screen are drawn one at a
// time, so that a huge demo never holds several huge pictures.
std::size_t LookAhead(std::int32_t width, std::int32_t height) {
    if (std::int64_t(width) * height > 4096LL * 2160)
        return 0;
    return std::size_t(std::min(2, HelperThreadsBesideBuild()));
}

} // namespace

BackgroundPipeline::BackgroundPipeline(std::vector<const TDemoFrame*> scenes, std::int32_t width, std::int32_t height)
    : scenes_(std::move(scenes)), width_(width), height_(height), lookAhead_(LookAhead(width, height)) {
    LaunchUpTo(0);
}

BackgroundPipeline::~BackgroundPipeline() {
    for (auto& [index, future] : pending_)
        if (future.valid())
            future.wait();
}

void BackgroundPipeline::LaunchUpTo(std::size_t index) {
    if (lookAhead_ == 0)
        return; // nothing runs beside the plan: Take draws each picture itself
    const std::size_t last = std::min(scenes_.size(), index + lookAhead_ + 1);
    for (; launched_ < last; ++launched_) {
        const TDemoFrame* scene = scenes_[launched_];
        if (scene->BackImage.empty())
            continue;
        pending_.emplace(launched_, std::async(std::launch::async, [scene, w = width_, h = height_] {
                             return DrawSceneBackgroundJpeg(*scene, w, h);
                         }));
    }
}

std::vector<std::uint8_t> BackgroundPipeline::Take(const TDemoFrame& scene) {
    const auto found = std::find(scenes_.begin(), scenes_.end(), &scene);
    if (lookAhead_ == 0 || found == scenes_.end())
        return DrawSceneBackgroundJpeg(scene, width_, height_);
    const std::size_t index = std::size_t(found - scenes_.begin());
    LaunchUpTo(index);
    // Scenes passed over (none of their frames are built) need their pictures no longer.
    while (!pending_.empty() && pending_.begin()->first < index)
        pending_.erase(pending_.begin());
    const auto it = pending_.find(index);
    if (it == pending_.end())
        return {};
    std::vector<std::uint8_t> jpeg = it->second.get();
    pending_.erase(it);
    return jpeg;
}

} // namespace vantora
