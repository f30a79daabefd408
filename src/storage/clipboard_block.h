#pragma once
// The data of the private clipboard format: int32 byte count N, then N bytes holding an int32
// object count and that many object records.

#include "model/demo_object.h"
#include "storage/storage_result.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace vantora {

// The clipboard format's name (a MIME type on this platform).
inline constexpr std::string_view kClipboardMimeType = "application/x-vantora";

StorageResult WriteClipboardBlock(std::span<const TDemoObject* const> objects, std::vector<std::uint8_t>& block);

struct ClipboardContents {
    // The objects read before a failure stay; the failing one and the rest are dropped.
    std::vector<std::unique_ptr<TDemoObject>> objects;
    StorageResult result;
};

ClipboardContents ReadClipboardBlock(std::span<const std::uint8_t> block);

} // namespace vantora
