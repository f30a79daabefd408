#include "library_material/png_bytes.h"

#include "picture/png_codec.h"
#include "render/image_conversion.h"

#include <stdexcept>
#include <string>

namespace vantora::material {

QImage TransparentCanvas(int width, int height) {
    QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    return canvas;
}

std::vector<std::uint8_t> PngBytes(const QImage& image) {
    std::string error;
    std::vector<std::uint8_t> bytes = encodePng(ToRgbaImage(image), &error);
    if (bytes.empty())
        throw std::runtime_error("cannot encode a PNG picture: " + error);
    return bytes;
}

} // namespace vantora::material
