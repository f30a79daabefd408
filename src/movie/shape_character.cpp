#include "movie/shape_character.h"

#include "movie/movie_limits.h"
#include "movie/registration.h"
#include "swf/colors.h"
#include "swf/movie.h"
#include "swf/shape.h"

namespace vantora {
namespace {

enum ShapeType { Rectangle = 0, Ellipse = 1, Diamond = 2, ArrowLeft = 3, ArrowRight = 4, ArrowUp = 5, ArrowDown = 6,
                 HorizontalLine = 7, VerticalLine = 8, FallingLine = 9, RisingLine = 10 };

bool IsLineType(int type) { return type >= HorizontalLine && type <= RisingLine; }

swf::TFlashShape* Outline(swf::TFlashMovie& movie, const TDemoObject& shape, const swf::TRect& r) {
    const std::int64_t w = shape.Width;
    const std::int64_t h = shape.Height;
    switch (shape.Style) {
    case Ellipse: return movie.AddEllipse(r);
    case Diamond: return movie.AddDiamond(r.Left, r.Top, r.Right, r.Bottom);
    case ArrowLeft:
    case ArrowRight:
    case ArrowUp:
    case ArrowDown: {
        std::vector<swf::TPoint> points = ArrowPolygon(shape.Style, shape.Width, shape.Height, shape.BorderWidth);
        for (swf::TPoint& p : points)
            p = {ClampPixel(std::int64_t(r.Left) + p.X), ClampPixel(std::int64_t(r.Top) + p.Y)};
        return movie.AddPolygon(points, 6);
    }
    case HorizontalLine: {
        const std::int32_t y = ClampPixel(r.Top + h / 2);
        return movie.AddLine(r.Left, y, r.Right, y);
    }
    case VerticalLine: {
        const std::int32_t x = ClampPixel(r.Left + w / 2);
        return movie.AddLine(x, r.Top, x, r.Bottom);
    }
    case FallingLine: return movie.AddLine(r.Left, r.Top, r.Right, r.Bottom);
    case RisingLine: return movie.AddLine(r.Right, r.Top, r.Left, r.Bottom);
    default:
        if (shape.Spacing != 0)
            return movie.AddRoundRect(r, shape.Spacing);
        return movie.AddRectangle(r);
    }
}

void SetStyles(swf::TFlashShape& character, const TDemoObject& shape) {
    if (shape.BorderWidth != 0)
        character.SetLineStyle(shape.BorderWidth, swf::ColorToRGB(shape.BorderColor));
    else
        character.SetLineStyleRGBA(0, swf::SWFRGBA(shape.BorderColor, 0));
    const std::int32_t fillStyle = shape.Option;
    if (fillStyle == 0 && !IsLineType(shape.Style))
        character.SetSolidColor(swf::ColorToRGB(shape.BackColor));
    else if (fillStyle == 0 || fillStyle == 1)
        character.SetSolidColorRGBA(swf::SWFRGBA(shape.BackColor, 0));
}

} // namespace

std::vector<swf::TPoint> ArrowPolygon(int shapeType, std::int32_t width, std::int32_t height, std::int32_t border) {
    const std::int64_t w = width, h = height, b = border;
    auto pt = [](std::int64_t x, std::int64_t y) { return swf::TPoint{ClampPixel(x), ClampPixel(y)}; };
    switch (shapeType) {
    case ArrowLeft:
        return {pt(b / 2, h / 2), pt(w / 3, b / 2), pt(w / 3, h / 4), pt(w - b / 2 - 1, h / 4),
                pt(w - b / 2 - 1, 3 * h / 4), pt(w / 3, 3 * h / 4), pt(w / 3, h - b / 2 - 1)};
    case ArrowRight:
        return {pt(w - b / 2, h / 2), pt(2 * w / 3, b / 2), pt(2 * w / 3, h / 4), pt(b / 2, h / 4),
                pt(b / 2, 3 * h / 4), pt(2 * w / 3, 3 * h / 4), pt(2 * w / 3, h - b / 2 - 1)};
    case ArrowUp:
        return {pt(w / 2, b / 2), pt(b / 2, h / 3), pt(w / 4, h / 3), pt(w / 4, h - b / 2),
                pt(3 * w / 4, h - b / 2), pt(3 * w / 4, h / 3), pt(w - b / 2 - 1, h / 3)};
    case ArrowDown:
        return {pt(w / 2, h - b / 2), pt(b / 2, 2 * h / 3), pt(w / 4, 2 * h / 3), pt(w / 4, b / 2),
                pt(3 * w / 4, b / 2), pt(3 * w / 4, 2 * h / 3), pt(w - b / 2 - 1, 2 * h / 3)};
    default:
        return {};
    }
}

swf::TFlashShape* BuildShapeCharacter(swf::TFlashMovie& movie, const TDemoObject& shape) {
    swf::TFlashShape* character = CheckedCharacter(Outline(movie, shape, RegistrationRect(shape)));
    SetStyles(*character, shape);
    return character;
}

} // namespace vantora
