#include "library_test_files.h"

#include "model/object_defaults.h"
#include "storage/gallery_file.h"
#include "test_support.h"

#include <QImage>

#include <gtest/gtest.h>

namespace vantora::test {

std::filesystem::path WritePicture(const std::filesystem::path& file, int width, int height, QColor colour) {
    std::filesystem::create_directories(file.parent_path());
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    EXPECT_TRUE(image.save(QString::fromStdString(file.string()), "PNG"));
    return file;
}

std::filesystem::path WriteSound(const std::filesystem::path& file, std::uint8_t fill) {
    std::filesystem::create_directories(file.parent_path());
    writeFileBytes(file, {'R', 'I', 'F', 'F', fill, fill, fill});
    return file;
}

std::filesystem::path WriteGalleryObject(const std::filesystem::path& file, TObjectKind kind, const std::string& name,
                                         std::int32_t startTime, std::int32_t width, std::int32_t height) {
    std::filesystem::create_directories(file.parent_path());
    TDemoObject object = MakeDefaultObject(kind, 3, 4);
    object.Name = name;
    object.StartTime = startTime;
    object.EndTime = startTime + 99;
    if (width > 0)
        object.Width = width;
    if (height > 0)
        object.Height = height;
    EXPECT_TRUE(SaveGalleryObject(file, object).ok);
    return file;
}

std::filesystem::path WriteGarbage(const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
    writeFileBytes(file, {0x00, 0x13, 0x37, 0x42, 0x99});
    return file;
}

} // namespace vantora::test
