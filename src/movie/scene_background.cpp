#include "movie/scene_background.h"

#include "movie/bitmap_conversion.h"
#include "movie/movie_limits.h"
#include "movie/registration.h"
#include "movie/work_files.h"
#include "picture/jpeg_codec.h"
#include "render/image_conversion.h"
#include "render/scene_composer.h"
#include "swf/colors.h"
#include "swf/jpeg_codec.h"
#include "swf/movie.h"
#include "swf/shape.h"

namespace vantora {
namespace {

// A JPEG screenshot of exactly the movie size covers the stage whatever its style, and JPEG pixels
// are opaque, so the drawn background is the decoded picture itself: no canvas, fill or copy.
bool CoversStageExactly(const Picture& picture, std::int32_t width, std::int32_t height) {
    if (picture.format() != PictureFormat::Jpeg)
        return false;
    const auto size = swf::ScanJPEGFrameSize(picture.bytes().data(), picture.bytes().size());
    return size && size->Width == width && size->Height == height;
}

} // namespace

std::vector<std::uint8_t> DrawSceneBackgroundJpeg(const TDemoFrame& scene, std::int32_t width, std::int32_t height) {
    if (scene.BackImage.empty() || !IsConvertibleSize(width, height))
        return {};
    if (CoversStageExactly(scene.BackImage, width, height)) {
        // Strip by strip: the same bytes as decoding the screenshot whole and encoding it.
        std::vector<std::uint8_t> jpeg = reencodeJpeg(scene.BackImage.bytes(), kMovieJpegQuality);
        if (!jpeg.empty())
            return jpeg;
    }
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

swf::TFlashShape* BuildSceneBackground(swf::TFlashMovie& movie, const TDemoFrame& scene, std::int32_t movieWidth,
                                       std::int32_t movieHeight, const std::vector<std::uint8_t>& jpeg,
                                       WorkFiles& workFiles, BitmapConverter& bitmaps) {
    swf::TFlashShape* background =
        CheckedCharacter(movie.AddRectangle(SceneRegistrationRect(scene.Animation, movieWidth, movieHeight)));
    const std::uint32_t colour = swf::ColorToRGB(scene.BackColor);
    background->SetLineStyle(0, colour);
    background->SetSolidColor(colour);
    if (jpeg.empty())
        return background;
    const auto file = workFiles.Write(jpeg, ".jpg");
    background->SetImageFill(bitmaps.FromJpegFile(file), swf::TImageFillKind::Stretched);
    return background;
}

} // namespace vantora
