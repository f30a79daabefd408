#include "movie/background_pipeline.h"

#include "movie/scene_background.h"

#include "base/helper_threads.h"

#include <algorithm>
#include <system_error>

namespace vantora {
namespace {

// Scenes drawn ahead of the plan: up to two where spare cores can draw them, few enough that only
// a handful of screen-sized pictures are in memory at once. Without spare cores each scene's
// picture is drawn when the plan reaches it. Stages beyond a large screen are drawn one at a
// time, so that a huge demo never holds several huge pictures.
std::size_t MostAhead(std::int32_t width, std::int32_t height) {
    return std::int64_t(width) * height > 4096LL * 2160 ? 0 : 2;
}

} // namespace

BackgroundPipeline::BackgroundPipeline(std::vector<const TDemoFrame*> scenes, std::int32_t width, std::int32_t height)
    : scenes_(std::move(scenes)), width_(width), height_(height), mostAhead_(MostAhead(width, height)) {}

BackgroundPipeline::~BackgroundPipeline() {
    for (auto& [index, future] : pending_)
        if (future.valid())
            future.wait();
}

// The cores to spare are asked each time: a core lent for a while (see helper_threads.h) draws
// the next scenes only while it is lent.
void BackgroundPipeline::LaunchUpTo(std::size_t index) {
    launched_ = std::max(launched_, index + 1); // the scene asked for now is drawn by the one asking
    const std::size_t ahead = std::min(mostAhead_, std::size_t(std::max(0, HelperThreadsBesideBuild())));
    const std::size_t last = std::min(scenes_.size(), index + ahead + 1);
    for (; launched_ < last; ++launched_) {
        const TDemoFrame* scene = scenes_[launched_];
        if (scene->BackImage.empty())
            continue;
        try {
            pending_.emplace(launched_, std::async(std::launch::async, [scene, w = width_, h = height_] {
                                 return DrawSceneBackgroundJpeg(*scene, w, h);
                             }));
        } catch (const std::system_error&) { // no thread to be had: drawn when asked for
            break;
        }
    }
}

std::vector<std::uint8_t> BackgroundPipeline::Take(const TDemoFrame& scene) {
    const auto found = std::find(scenes_.begin(), scenes_.end(), &scene);
    if (found == scenes_.end())
        return DrawSceneBackgroundJpeg(scene, width_, height_);
    const std::size_t index = std::size_t(found - scenes_.begin());
    // Scenes passed over (none of their frames are built) need their pictures no longer.
    while (!pending_.empty() && pending_.begin()->first < index)
        pending_.erase(pending_.begin());
    const auto it = pending_.find(index);
    LaunchUpTo(index);
    if (it == pending_.end()) // not drawn ahead (or without a picture, which is drawn at once)
        return DrawSceneBackgroundJpeg(scene, width_, height_);
    std::vector<std::uint8_t> jpeg = it->second.get();
    pending_.erase(it);
    return jpeg;
}

} // namespace vantora
