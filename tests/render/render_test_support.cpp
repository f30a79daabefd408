#include "render_test_support.h"

#include "base/little_endian.h"
#include "render/object_renderer.h"

#include <gtest/gtest.h>

#include <memory>

namespace vantora::test {

TDemoObject MakeObject(TObjectKind kind, int width, int height) {
    TDemoObject object;
    object.Kind = kind;
    object.Width = width;
    object.Height = height;
    object.Text.clear();
    return object;
}

QImage Painted(const TDemoObject& object) {
    QImage picture;
    PaintObject(object, picture);
    return picture;
}

} // namespace vantora::test

namespace vantora::test {

std::vector<std::uint8_t> BmpBytes(const RgbaImage& image) {
    const int rowSize = (image.width * 3 + 3) & ~3;
    const std::uint32_t dataSize = std::uint32_t(rowSize) * std::uint32_t(image.height);
    std::vector<std::uint8_t> bytes;
    bytes.push_back('B');
    bytes.push_back('M');
    AppendU32(bytes, 54 + dataSize);
    AppendU32(bytes, 0);
    AppendU32(bytes, 54);
    AppendU32(bytes, 40);
    AppendU32(bytes, std::uint32_t(image.width));
    AppendU32(bytes, std::uint32_t(image.height));
    AppendU16(bytes, 1);
    AppendU16(bytes, 24);
    AppendU32(bytes, 0);
    AppendU32(bytes, dataSize);
    AppendU32(bytes, 2835);
    AppendU32(bytes, 2835);
    AppendU32(bytes, 0);
    AppendU32(bytes, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.pixel(x, y);
            bytes.push_back(blueOf(p));
            bytes.push_back(greenOf(p));
            bytes.push_back(redOf(p));
        }
        for (int pad = image.width * 3; pad < rowSize; ++pad)
            bytes.push_back(0);
    }
    return bytes;
}

RgbaImage SolidImage(int width, int height, std::uint32_t argb) {
    RgbaImage image;
    image.width = width;
    image.height = height;
    image.pixels.assign(std::size_t(width) * height, argb);
    return image;
}

} // namespace vantora::test
