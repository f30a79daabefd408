#pragma once
// The scene backgrounds of a build, drawn and JPEG-encoded a few scenes ahead of the frame plan on
// worker threads where the machine has cores to spare, otherwise each when the plan asks for it.
// Decoding the screenshot, drawing it and encoding it at quality 100 is the largest single cost of
// a build and depends on nothing the plan does, so it runs beside it; the bytes are the same as
// when drawn in place, and the plan still writes the work files in its own order, so the movie
// does not change.

#include "model/demo_frame.h"

#include <cstdint>
#include <future>
#include <map>
#include <vector>

namespace vantora {

class BackgroundPipeline {
public:
    // `scenes` in the order the plan will ask for them.
    BackgroundPipeline(std::vector<const TDemoFrame*> scenes, std::int32_t width, std::int32_t height);
    ~BackgroundPipeline();
    BackgroundPipeline(const BackgroundPipeline&) = delete;
    BackgroundPipeline& operator=(const BackgroundPipeline&) = delete;

    // The JPEG bytes of the scene's drawn background (empty when it has no picture), waiting for
    // the worker when needed. A scene not given at construction is drawn in place.
    std::vector<std::uint8_t> Take(const TDemoFrame& scene);

private:
    void LaunchUpTo(std::size_t index);

    std::vector<const TDemoFrame*> scenes_;
    std::int32_t width_;
    std::int32_t height_;
    std::size_t mostAhead_;
    std::size_t launched_ = 0; // scenes before this one are drawn ahead or by the one asking
    std::map<std::size_t, std::future<std::vector<std::uint8_t>>> pending_;
};

} // namespace vantora
