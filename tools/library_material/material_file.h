#pragma once
// One file of the shipped library material: where it goes below the resource folder and its bytes.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace vantora::material {

struct MaterialFile {
    std::filesystem::path relativePath; // "Cursors/Arrow.png", "DefaultClick.wav"
    std::vector<std::uint8_t> bytes;
};

using MaterialFiles = std::vector<MaterialFile>;

// Appends `more` to `files`.
void Append(MaterialFiles& files, MaterialFiles more);

} // namespace vantora::material
