#include "render/image_painter.h"

#include "render/picture_conversion.h"

namespace vantora {

void PaintImage(const TDemoObject& image, QImage& target) {
    if (image.Kind != TObjectKind::Image || image.Picture.empty()) {
        target = QImage();
        return;
    }
    target = ConvertPicture(image.Picture, BitmapTransparencyOf(image), image.VertMirror, image.HorzMirror, image.Angle);
}

} // namespace vantora
