#include "sample_projects.h"

#include "base/little_endian.h"
#include "base/wave_header.h"
#include "model/object_operations.h"
#include "model/scene_operations.h"
#include "model/stop_points.h"
#include "picture/jpeg_codec.h"
#include "picture/png_codec.h"

namespace vantora::test {
namespace {

RgbaImage checkerboard() {
    RgbaImage image;
    image.width = 2;
    image.height = 2;
    image.pixels = {0xFFFF0000, 0x8000FF00, 0xFF0000FF, 0x00FFFFFF};
    return image;
}

} // namespace

std::vector<std::uint8_t> Le32(std::int32_t value) {
    std::vector<std::uint8_t> bytes;
    AppendU32(bytes, static_cast<std::uint32_t>(value));
    return bytes;
}

std::vector<std::uint8_t> SamplePng() { return encodePng(checkerboard()); }

std::vector<std::uint8_t> SampleJpeg() { return encodeJpeg(checkerboard(), 90); }

std::vector<std::uint8_t> SampleGif() {
    // 1 x 1 GIF89a with a two-colour palette.
    return {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0,
            0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0, 0x3B};
}

std::vector<std::uint8_t> SampleBmp() {
    // 1 x 1, 24 bits per pixel, one blue pixel (rows padded to four bytes).
    std::vector<std::uint8_t> out = {'B', 'M'};
    AppendU32(out, 14 + 40 + 4);
    AppendU32(out, 0);
    AppendU32(out, 14 + 40);
    AppendU32(out, 40);
    AppendU32(out, 1);
    AppendU32(out, 1);
    AppendU16(out, 1);
    AppendU16(out, 24);
    for (int i = 0; i < 6; ++i)
        AppendU32(out, 0);
    out.insert(out.end(), {0xFF, 0x00, 0x00, 0x00});
    return out;
}

std::vector<std::uint8_t> SampleIco() {
    // One 2 x 2 entry holding a PNG image.
    const std::vector<std::uint8_t> png = SamplePng();
    std::vector<std::uint8_t> out;
    AppendU16(out, 0);
    AppendU16(out, 1);
    AppendU16(out, 1);
    out.insert(out.end(), {2, 2, 0, 0});
    AppendU16(out, 1);
    AppendU16(out, 32);
    AppendU32(out, static_cast<std::uint32_t>(png.size()));
    AppendU32(out, 6 + 16);
    out.insert(out.end(), png.begin(), png.end());
    return out;
}

std::vector<std::uint8_t> SampleWmf() {
    // Placeable header, standard header, end-of-file record.
    std::vector<std::uint8_t> out = {0xD7, 0xCD, 0xC6, 0x9A, 0, 0, 0, 0, 0, 0, 100, 0, 100, 0, 0xA0, 0x05, 0, 0, 0, 0};
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < out.size(); i += 2)
        checksum ^= static_cast<std::uint16_t>(out[i] | (out[i + 1] << 8));
    AppendU16(out, checksum);
    AppendU16(out, 1);
    AppendU16(out, 9);
    AppendU16(out, 0x0300);
    AppendU32(out, 9 + 3);
    AppendU16(out, 0);
    AppendU32(out, 3);
    AppendU16(out, 0);
    AppendU32(out, 3);
    AppendU16(out, 0);
    return out;
}

std::vector<std::uint8_t> SampleWav() {
    // Four 8-bit mono samples at 11025 Hz.
    std::vector<std::uint8_t> out;
    AppendPcmWaveHeader(out, 1, 11025, 8, 4);
    out.insert(out.end(), {0x80, 0x90, 0x70, 0x80});
    return out;
}

std::unique_ptr<TVantora> MakeEveryKindDemo() {
    auto demo = std::make_unique<TVantora>();
    demo->Name = "Every kind – “demo” €";
    demo->Width = 800;
    demo->Height = 600;
    demo->BackColor = RGB(10, 20, 30);
    demo->FrameRateFactor = 4;

    TDemoFrame& first = NewScene(*demo);
    first.Length = 200;
    first.BackImage.assign(PictureFormat::Png, SamplePng());
    first.Animation.Red = {1, 50, 4, 7, 60, 5, 9};
    first.Animation.ObjectCenter = 0;
    first.Animation.CustomCenterX = -12;
    first.Animation.CustomCenterY = 34;
    for (int kind = 0; kind < kObjectKindCount; ++kind)
        NewObject(first, static_cast<TObjectKind>(kind), 10 * kind, 5 * kind);
    AddStopPoint(first, 150);
    AddStopPoint(first, 3);

    for (auto& object : first.Objects) {
        TDemoObject& o = *object;
        switch (o.Kind) {
        case TObjectKind::Note:
            o.GraphicPlacement = 3;
            o.Text = "Line one\r\nLine two: naïve façade";
            o.Font.Italic = true;
            o.Font.StrikeOut = true;
            o.TextGradientStyle = 5;
            o.TextOutline = true;
            o.Animation.Green = {2, -20, 3, 11, 40, 6, 13};
            o.Animation.Blue = {1, 255, 2, -3, 0, 9, 4};
            o.Animation.Fade.ChangeSpeed = 17;
            o.Animation.Fade.OutChangeSpeed = -17;
            break;
        case TObjectKind::Image: o.Picture.assign(PictureFormat::Jpeg, SampleJpeg()); break;
        case TObjectKind::Cursor:
            o.Picture.assign(PictureFormat::Icon, SampleIco());
            o.BitmapTransparentMode = 1;
            o.BitmapTransparentColor = RGB(1, 2, 3);
            break;
        case TObjectKind::Button:
            o.Picture.assign(PictureFormat::Gif, SampleGif());
            o.Command = {static_cast<std::uint8_t>(TCommandAction::GotoScene), "Scene2"};
            break;
        case TObjectKind::Audio:
            o.AudioType = "WAV";
            o.AudioData = SampleWav();
            break;
        default: break;
        }
    }

    TDemoFrame& second = NewScene(*demo);
    second.BackImage.assign(PictureFormat::Jpeg, SampleJpeg());
    second.BackImageStyle = 2;
    second.BackColor = RGB(200, 100, 0);
    TDemoObject& bitmap = NewObject(second, TObjectKind::Image, 1, 2);
    bitmap.Picture.assign(PictureFormat::Bitmap, SampleBmp());
    TDemoObject& metafile = NewObject(second, TObjectKind::Image, 3, 4);
    metafile.Picture.assign(PictureFormat::Metafile, SampleWmf());
    TDemoObject& mp3 = NewObject(second, TObjectKind::Audio, 0, 0);
    mp3.AudioType = "MP3";
    mp3.AudioData = {'I', 'D', '3', 3, 0, 0, 0, 0, 0, 0};
    TDemoObject& link = NewObject(second, TObjectKind::Button, 50, 60);
    link.Command = {static_cast<std::uint8_t>(TCommandAction::VisitWebSite), "https://example.org/?a=1&b=2"};
    demo->Changes.setModified(false);
    return demo;
}

std::unique_ptr<TVantora> MakeSmallDemo() {
    auto demo = std::make_unique<TVantora>();
    TDemoFrame& scene = NewScene(*demo);
    scene.BackImage.assign(PictureFormat::Gif, SampleGif());
    AddStopPoint(scene, 40);
    NewObject(scene, TObjectKind::Note, 10, 20).Picture.assign(PictureFormat::Bitmap, SampleBmp());
    NewObject(scene, TObjectKind::Audio, 0, 0).AudioData = {1, 2, 3};
    demo->Changes.setModified(false);
    return demo;
}

} // namespace vantora::test
