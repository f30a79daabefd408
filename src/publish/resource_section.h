#pragma once
// Puts a rebuilt resource tree back into a program file. The new section takes the old one's
// place when it fits there (or when the old one is the file's last section, which can grow);
// otherwise it becomes a new last section and the old one is left unused. The headers that
// describe the section (sizes, the resource directory, the image size) follow.

#include "publish/pe_layout.h"
#include "publish/resource_tree.h"

#include <cstdint>
#include <vector>

namespace vantora::publish {

// Throws ResourceUpdateError "EndUpdateResource failed" when the file has no room for the
// section (no free slot in the section table).
void ReplaceResourceSection(std::vector<std::uint8_t>& file, const PeLayout& layout, const ResourceNode& tree);

} // namespace vantora::publish
