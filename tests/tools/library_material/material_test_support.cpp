#include "material_test_support.h"

#include "library_material/library_material.h"
#include "picture/picture.h"

namespace vantora::material::test {

const MaterialFiles& Generated() {
    static const MaterialFiles files = MakeLibraryMaterial();
    return files;
}

std::vector<const MaterialFile*> FilesIn(const std::string& folder) {
    std::vector<const MaterialFile*> found;
    for (const MaterialFile& file : Generated())
        if (file.relativePath.parent_path() == folder)
            found.push_back(&file);
    return found;
}

const MaterialFile* Find(const std::string& relativePath) {
    for (const MaterialFile& file : Generated())
        if (file.relativePath == relativePath)
            return &file;
    return nullptr;
}

RgbaImage DecodePng(const MaterialFile& file) {
    Picture picture;
    if (!picture.loadFromBytes(file.bytes) || picture.format() != PictureFormat::Png)
        return {};
    return picture.decode();
}

AlphaCounts CountAlpha(const RgbaImage& image) {
    AlphaCounts counts;
    for (std::uint32_t pixel : image.pixels) {
        const std::uint8_t alpha = alphaOf(pixel);
        if (alpha == 0)
            ++counts.clear;
        else if (alpha == 255)
            ++counts.opaque;
        else
            ++counts.partial;
    }
    return counts;
}

} // namespace vantora::material::test
