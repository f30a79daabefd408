#include "render_test_support.h"

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
    const auto put16 = [&](std::uint32_t v) {
        bytes.push_back(std::uint8_t(v));
        bytes.push_back(std::uint8_t(v >> 8));
    };
    const auto put32 = [&](std::uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    bytes.push_back('B');
    bytes.push_back('M');
    put32(54 + dataSize);
    put32(0);
    put32(54);
    put32(40);
    put32(std::uint32_t(image.width));
    put32(std::uint32_t(image.height));
    put16(1);
    put16(24);
    put32(0);
    put32(dataSize);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
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
