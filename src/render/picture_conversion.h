#pragma once
// Turning an object's own picture (bitmap, JPEG, PNG, GIF, icon) into a straight-alpha RGBA
// picture: transparency by format, then quarter turns and mirrors.

#include "model/colour.h"
#include "model/demo_object.h"
#include "picture/picture.h"

#include <QImage>

namespace vantora {

// Transparency settings that apply to bitmap pictures only.
struct BitmapTransparency {
    bool enabled = false;
    bool autoColour = true; // true: the bottom-left pixel's colour; false: `colour`
    TColor colour = clFuchsia;
};

// The object's BitmapTransparent, BitmapTransparentMode and BitmapTransparentColor.
BitmapTransparency BitmapTransparencyOf(const TDemoObject& object);

// Decodes `picture` and converts it; a null image for an empty, undecodable or metafile picture.
// The result has the picture's own size (turned for 90 and 270), Format_ARGB32, straight alpha.
QImage ConvertPicture(const Picture& picture, const BitmapTransparency& transparency, bool verticalMirror,
                      bool horizontalMirror, int angle);

// The same steps for pixels already decoded from a picture of `format` (takes over the buffer).
QImage ConvertDecodedPicture(RgbaImage decoded, PictureFormat format, const BitmapTransparency& transparency,
                             bool verticalMirror, bool horizontalMirror, int angle);

// Turns a picture clockwise by 90, 180 or 270 degrees; any other angle returns it unturned.
QImage TurnQuarters(const QImage& image, int angle);

// Reverses each row (horizontal) and/or the order of rows (vertical), colour and alpha together.
QImage MirrorPicture(const QImage& image, bool horizontal, bool vertical);

} // namespace vantora
