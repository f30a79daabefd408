// Fuzz entry for the icon file reader: any bytes either parse into images that lie inside the
// input, or are refused with the resource update error.

#include "publish/icon_file.h"
#include "publish/resource_update_error.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const vantora::publish::IconFile icon = vantora::publish::ParseIconFile(std::span(data, size));
        std::size_t total = 0;
        for (const auto& image : icon.images)
            total += image.bytes.size();
        if (icon.images.empty() || icon.images.size() > 65535 || total > size * icon.images.size())
            __builtin_trap();
    } catch (const vantora::publish::ResourceUpdateError&) {
    }
    return 0;
}
