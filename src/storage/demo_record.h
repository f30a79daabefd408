#pragma once
// The demo record, which is the whole project file: the movie settings and every scene.

#include "model/demo.h"
#include "storage/byte_stream.h"
#include "base/progress.h"
#include "storage/record_error.h"

#include <memory>

namespace vantora {

// Progress labels of the two long operations.
inline constexpr std::string_view kSaveProgressLabel = "Save Project";
inline constexpr std::string_view kLoadProgressLabel = "Load Project";

bool WriteDemo(ByteWriter& out, const TVantora& demo, RecordError& error, const ProgressObserver* progress = nullptr);

// Reads a demo record into `demo`, which must have no scenes. On failure `demo` holds the scenes
// read completely before the failing one.
bool ReadDemo(ByteReader& in, TVantora& demo, RecordError& error, const ProgressObserver* progress = nullptr);

} // namespace vantora
