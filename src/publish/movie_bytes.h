#pragma once
// The whole demo built into one compressed movie held in memory, for the targets that write it
// into a file of their own or append it to a program.

#include "base/progress.h"
#include "model/demo.h"
#include "publish/publish_result.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vantora::publish {

struct MovieBytes {
    PublishResult result; // a Movie failure with the builder's text, or success with its notes
    std::vector<std::uint8_t> bytes;
};

MovieBytes BuildMovieBytes(const TVantora& demo, const ProgressObserver* progress);

// Writes `bytes` to `file` without ever leaving a half-written file; a failure names the file
// and the system's reason.
PublishResult WriteWholeFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);

} // namespace vantora::publish
