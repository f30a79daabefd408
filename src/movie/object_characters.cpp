#include "movie/object_characters.h"

#include "movie/bitmap_conversion.h"
#include "movie/button_character.h"
#include "movie/movie_limits.h"
#include "movie/registration.h"
#include "movie/shape_character.h"
#include "movie/text_character.h"
#include "movie/work_files.h"
#include "render/object_renderer.h"
#include "swf/button.h"
#include "swf/image.h"
#include "swf/jpeg_codec.h"
#include "swf/movie.h"
#include "swf/shape.h"
#include "swf/text.h"

namespace vantora {
namespace {

// A JPEG Image that is neither turned nor mirrored goes into the movie as its own bytes; only
// baseline data qualifies (the library re-encodes progressive data at a lower quality).
bool IsPlainBaselineJpeg(const TDemoObject& image) {
    const Picture& picture = image.Picture;
    if (picture.format() != PictureFormat::Jpeg || image.Angle != 0 || image.HorzMirror || image.VertMirror)
        return false;
    return swf::ScanJPEGFrameSize(picture.bytes().data(), picture.bytes().size()).has_value();
}

} // namespace

bool IsExportedKind(TObjectKind kind) {
    switch (kind) {
    case TObjectKind::RoundBalloon:
    case TObjectKind::Note:
    case TObjectKind::Balloon:
    case TObjectKind::Shape:
    case TObjectKind::Image:
    case TObjectKind::Cursor:
    case TObjectKind::Button:
    case TObjectKind::Audio:
    case TObjectKind::Label:
    case TObjectKind::Text:
    case TObjectKind::InputText:
        return true;
    }
    return false;
}

swf::TFlashVisualObject* ObjectCharacters::Build(const TDemoObject& object) {
    switch (object.Kind) {
    case TObjectKind::Shape: return BuildShapeCharacter(movie_, object);
    case TObjectKind::Image: return ImageRectangle(object);
    case TObjectKind::RoundBalloon:
    case TObjectKind::Note:
    case TObjectKind::Balloon:
    case TObjectKind::Cursor: return PaintedRectangle(object, false);
    case TObjectKind::Button: return Button(object);
    case TObjectKind::Label: return BuildLabelText(movie_, object);
    case TObjectKind::Text: return BuildTextField(movie_, object);
    default: return nullptr;
    }
}

swf::TFlashShape* ObjectCharacters::PaintedRectangle(const TDemoObject& object, bool stretched) {
    swf::TFlashShape* rectangle = CheckedCharacter(movie_.AddRectangle(RegistrationRect(object)));
    // Painting can fail (absurd sizes, undecodable pictures): the rectangle then stays unfilled.
    if (!PaintObject(object, canvas_))
        return rectangle;
    ++painted_;
    if (swf::TFlashImage* bitmap = bitmaps_.FromPicture(canvas_))
        rectangle->SetImageFill(bitmap, stretched ? swf::TImageFillKind::Stretched : swf::TImageFillKind::Clipped);
    return rectangle;
}

swf::TFlashVisualObject* ObjectCharacters::Button(const TDemoObject& button) {
    swf::TFlashImage* face = nullptr;
    if (PaintObject(button, canvas_)) {
        ++painted_;
        face = bitmaps_.FromPicture(canvas_);
    }
    return BuildButtonCharacter(movie_, button, face, scenes_, sceneIndex_);
}

swf::TFlashShape* ObjectCharacters::ImageRectangle(const TDemoObject& image) {
    if (!IsPlainBaselineJpeg(image))
        return PaintedRectangle(image, true);
    swf::TFlashShape* rectangle = CheckedCharacter(movie_.AddRectangle(RegistrationRect(image)));
    const auto file = workFiles_.Write(image.Picture.bytes(), ".jpg");
    rectangle->SetImageFill(bitmaps_.FromJpegFile(file), swf::TImageFillKind::Stretched);
    return rectangle;
}

} // namespace vantora
