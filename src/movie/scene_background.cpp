#include "movie/scene_background.h"

#include "movie/bitmap_conversion.h"
#include "movie/movie_limits.h"
#include "movie/registration.h"
#include "movie/work_files.h"
#include "picture/jpeg_codec.h"
#include "render/image_conversion.h"
#include "render/scene_composer.h"
#include "swf/colors.h"
#include "swf/movie.h"
#include "swf/shape.h"

namespace vantora {
namespace {

// The background as the editor draws it, without grid dots, as JPEG bytes; empty when the size
// cannot be drawn or encoding fails.
std::vector<std::uint8_t> BackgroundJpeg(const TDemoFrame& scene, std::int32_t width, std::int32_t height) {
    if (!IsConvertibleSize(width, height))
        return {};
    RgbaImage canvas;
    canvas.width = width;
    canvas.height = height;
    canvas.pixels.assign(std::size_t(width) * std::size_t(height), 0);
    {
        QImage view = WrapRgbaImage(canvas);
        ComposeSceneBackground(scene, view);
    }
    return encodeJpeg(canvas, kMovieJpegQuality);
}

} // namespace

swf::TFlashShape* BuildSceneBackground(swf::TFlashMovie& movie, const TDemoFrame& scene, std::int32_t movieWidth,
                                       std::int32_t movieHeight, WorkFiles& workFiles, BitmapConverter& bitmaps) {
    swf::TFlashShape* background =
        CheckedCharacter(movie.AddRectangle(SceneRegistrationRect(scene.Animation, movieWidth, movieHeight)));
    const std::uint32_t colour = swf::ColorToRGB(scene.BackColor);
    background->SetLineStyle(0, colour);
    background->SetSolidColor(colour);
    if (scene.BackImage.empty())
        return background;
    const std::vector<std::uint8_t> jpeg = BackgroundJpeg(scene, movieWidth, movieHeight);
    if (jpeg.empty())
        return background;
    const auto file = workFiles.Write(jpeg, ".jpg");
    background->SetImageFill(bitmaps.FromJpegFile(file), swf::TImageFillKind::Stretched);
    return background;
}

} // namespace vantora
