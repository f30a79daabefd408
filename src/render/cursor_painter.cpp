#include "render/cursor_painter.h"

#include "render/builtin_cursors.h"
#include "render/image_conversion.h"
#include "render/picture_conversion.h"

namespace vantora {
namespace {

QImage builtin(const TDemoObject& cursor, TCursorType type) {
    // Built-in pictures already carry their alpha, so they pass through like a PNG.
    return ConvertDecodedPicture(ToRgbaImage(BuiltinCursor(type)), PictureFormat::Png, {}, cursor.VertMirror,
                                 cursor.HorzMirror, cursor.Angle);
}

} // namespace

void PaintCursor(const TDemoObject& cursor, QImage& target) {
    const int type = cursor.*slot::CursorType;
    if (type != static_cast<int>(TCursorType::Custom)) {
        target = builtin(cursor, static_cast<TCursorType>(type)); // out-of-range types show the Arrow
        return;
    }
    if (!cursor.Picture.empty()) {
        const BitmapTransparency transparency =
            cursor.Picture.format() == PictureFormat::Bitmap ? BitmapTransparencyOf(cursor) : BitmapTransparency{};
        target = ConvertPicture(cursor.Picture, transparency, cursor.VertMirror, cursor.HorzMirror, cursor.Angle);
        if (!target.isNull())
            return;
    }
    // No picture of its own, or one that does not decode: the pointer stays visible as the Arrow.
    target = builtin(cursor, TCursorType::Arrow);
}

} // namespace vantora
