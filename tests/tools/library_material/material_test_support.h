#pragma once
// The generated material, made once per test program, and small ways to pick files from it.

#include "library_material/material_file.h"
#include "picture/rgba_image.h"

#include <string>
#include <vector>

namespace vantora::material::test {

// MakeLibraryMaterial(), made at the first call.
const MaterialFiles& Generated();

// The generated files directly inside `folder` ("Cursors"; "" for the top level).
std::vector<const MaterialFile*> FilesIn(const std::string& folder);

// The file at `relativePath`, or nullptr.
const MaterialFile* Find(const std::string& relativePath);

// The PNG file decoded by our picture reader; empty when it does not read as a PNG.
RgbaImage DecodePng(const MaterialFile& file);

struct AlphaCounts {
    int clear = 0;   // alpha 0
    int partial = 0; // 1..254
    int opaque = 0;  // 255
};
AlphaCounts CountAlpha(const RgbaImage& image);

} // namespace vantora::material::test
