#pragma once
// The scene record: the scene's own values, its stop points and its objects.

#include "model/demo_frame.h"
#include "storage/byte_stream.h"
#include "storage/record_error.h"

#include <cstddef>

namespace vantora {

// Size of a scene record with an empty name, no background picture, stop points or objects.
constexpr std::size_t kMinSceneRecordBytes = 297;

bool WriteScene(ByteWriter& out, const TDemoFrame& scene, RecordError& error);

// Fills an existing scene and creates its objects (not selected, not rendered).
bool ReadScene(ByteReader& in, TDemoFrame& scene, RecordError& error);

} // namespace vantora
