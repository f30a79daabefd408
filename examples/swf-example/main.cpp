// swf-example: writes a small movie with every feature of the SWF writing library.
//
//   swf-example OUTPUT.swf
//
// Ten frames at 10 fps on a 480 x 360 stage: the six stock figures with solid and translucent
// fills and outlines; a JPEG bitmap and a bitmap with alpha, each shown at natural size and
// stretched; a sprite with its own four-frame timeline; placements with matrices and colour
// transforms that change from frame to frame; and removals. Beside them: a static text in
// Arial (outlines from FreeType), an editable text field, Stop and Play buttons with their own
// labels and colour-shifted over and down states, a frame action, and a short generated beep
// started from a sprite.

#include "platform/freetype_glyph_source.h"
#include "swf/actions.h"
#include "swf/button.h"
#include "swf/errors.h"
#include "swf/font.h"
#include "swf/image.h"
#include "swf/jpeg_codec.h"
#include "swf/movie.h"
#include "swf/place_object.h"
#include "swf/shape.h"
#include "swf/sound.h"
#include "swf/sprite.h"
#include "swf/text.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

// Colours as the system stores them (0x00BBGGRR) and as packed RGBA (alpha in the top byte).
constexpr swf::TColor kNavy = 0x00602010;
constexpr swf::TColor kBlack = 0x00000000;
constexpr uint32_t kTranslucentOrange = 0x800080FF; // red FF, green 80, blue 00, alpha 128
constexpr uint32_t kGreen = 0xFF40C040;

// A 64 x 48 photo-like picture: a colour gradient with a dark stripe, encoded as JPEG.
std::vector<uint8_t> makeJpeg() {
    const int w = 64, h = 48;
    std::vector<uint8_t> rgb(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = &rgb[(size_t(y) * w + x) * 3];
            const bool stripe = y >= 20 && y < 28;
            p[0] = uint8_t(stripe ? 30 : 60 + x * 3);
            p[1] = uint8_t(stripe ? 30 : 80 + y * 3);
            p[2] = uint8_t(stripe ? 30 : 200);
        }
    return swf::EncodeJPEG({rgb.data(), w, h, w * 3, swf::TPixelLayout::RGB24}, 90);
}

// A 48 x 48 red disc whose alpha falls off towards the rim, in straight-alpha BGRA.
std::vector<uint8_t> makeDisc(int size) {
    std::vector<uint8_t> bgra(size_t(size) * size * 4, 0);
    const double r = size / 2.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double d = std::hypot(x + 0.5 - r, y + 0.5 - r) / r;
            uint8_t* p = &bgra[(size_t(y) * size + x) * 4];
            p[0] = 40;
            p[1] = 40;
            p[2] = 230;
            p[3] = d >= 1.0 ? 0 : uint8_t(255 * (1.0 - d * d));
        }
    return bgra;
}

// A 0.3 s 880 Hz beep, 22050 Hz 16-bit mono, fading out, as a WAV file.
void writeBeep(const std::filesystem::path& path) {
    const uint32_t rate = 22050, samples = rate * 3 / 10;
    std::vector<uint8_t> file;
    auto put = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file.push_back(uint8_t(v >> (8 * i)));
    };
    auto tag = [&](const char* id) { file.insert(file.end(), id, id + 4); };
    tag("RIFF");
    put(36 + samples * 2, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(rate, 4);
    put(rate * 2, 4);
    put(2, 2);
    put(16, 2);
    tag("data");
    put(samples * 2, 4);
    for (uint32_t i = 0; i < samples; ++i) {
        const double t = double(i) / rate;
        const double v = std::sin(2 * std::numbers::pi * 880 * t) * (1.0 - double(i) / samples) * 12000;
        put(uint32_t(int32_t(std::lround(v))) & 0xFFFF, 2);
    }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
}

// A button of three coloured states with a label on top; its release runs `action`.
swf::TFlashButton* addButton(swf::TFlashMovie& movie, swf::TFlashFont* font, const char16_t* label, swf::TColor color,
                             bool play, int x, int y) {
    swf::TFlashShape* face = movie.AddRoundRect(0, 0, 70, 28, 6);
    face->SetSolidColor(color);
    face->SetLineStyle(1, kBlack);
    // Static text is laid out by its glyph advances: centre the label by its measured width.
    std::u32string codes(label, label + std::char_traits<char16_t>::length(label));
    const int64_t width = movie.GlyphSource()->TextWidth({font->Name(), font->Bold(), font->Italic()}, codes) *
                          font->Size() / 1024 / movie.UnitsMultiplier();
    const int left = int(std::max<int64_t>(0, (70 - width) / 2));
    swf::TFlashText* text = movie.AddText(label, swf::TSWFRGBA(255, 255, 255), font, {left, 5, 70, 28});
    swf::TFlashButton* button = movie.AddButton(false, true);
    button->AddRecord(face, swf::bsUp | swf::bsHitTest, 1);
    button->RecordColorTransform(button->AddRecord(face, swf::bsOver, 1)).SetAddG(60);
    button->RecordColorTransform(button->AddRecord(face, swf::bsDown, 1)).SetMultR(160);
    button->AddRecord(text, swf::bsUp | swf::bsOver | swf::bsDown, 2);
    if (play)
        button->OnRelease()->Play();
    else
        button->OnRelease()->Stop();
    movie.PlaceObject(button, uint16_t(20 + (play ? 1 : 0)))->SetTranslate(x, y);
    return button;
}

// Static text, a text field, the buttons and the beep; placed in frame 0.
void addTextButtonsAndSound(swf::TFlashMovie& movie, const std::filesystem::path& beep) {
    swf::TFlashFont* title = movie.AddFont({"Arial", 22, true, false, 0}, false);
    swf::TFlashText* hello = movie.AddText(u"Hello from Vantora", swf::TSWFRGBA(0x10, 0x20, 0x60), title, {250, 250, 470, 280});
    movie.PlaceObject(hello, 15);

    swf::TFlashFont* device = movie.AddFont({"Arial", 14, false, false, 0}, true);
    swf::TFlashText* field = movie.AddText(u"Type here", swf::TSWFRGBA(0x80, 0x10, 0x10), device, {250, 290, 470, 312});
    field->SetEditText(true);
    field->Border = true;
    movie.PlaceObject(field, 16);

    swf::TFlashFont* labels = movie.AddFont({"Arial", 14, true, false, 0}, false);
    addButton(movie, labels, u"Stop", 0x002020C0, false, 250, 322);
    addButton(movie, labels, u"Play", 0x0020A020, true, 330, 322);

    swf::TFlashSound* sound = movie.AddSound(beep);
    swf::TFlashSprite* player = movie.AddSprite();
    player->StartSound(sound);
    movie.PlaceObject(player, 22);
}

void build(swf::TFlashMovie& movie, const std::filesystem::path& beep) {
    movie.BackgroundColor() = swf::TSWFRGB(0xF0, 0xF0, 0xE0);

    // Stock figures with outlines; the round rectangle and the ellipse are translucent.
    swf::TFlashShape* rect = movie.AddRectangle(20, 20, 120, 80);
    rect->SetSolidColor(kNavy);
    rect->SetLineStyle(2, kBlack);
    swf::TFlashShape* round = movie.AddRoundRect(0, 0, 100, 60, 12);
    round->SetSolidColorRGBA(kTranslucentOrange);
    round->SetLineStyle(3, kBlack);
    swf::TFlashShape* ellipse = movie.AddEllipse(0, 0, 90, 60);
    ellipse->SetSolidColorRGBA(0xA0FF6000);
    swf::TFlashShape* diamond = movie.AddDiamond(280, 20, 340, 90);
    diamond->SetSolidColorRGBA(kGreen);
    diamond->SetLineStyle(1, kBlack);
    swf::TFlashShape* star = movie.AddPolygon({{400, 20}, {412, 50}, {445, 50}, {418, 68}, {428, 100},
                                              {400, 80}, {372, 100}, {382, 68}, {355, 50}, {388, 50}});
    star->SetSolidColor(0x0000D0FF); // gold
    star->SetLineStyle(1, 0x00006080);
    swf::TFlashShape* line = movie.AddLine(20, 120, 460, 120);
    line->SetLineStyleRGBA(4, 0x80000000);

    // A JPEG at natural size and stretched.
    swf::TFlashImage* photo = movie.AddImage();
    photo->LoadFromJPEGStream(makeJpeg());
    swf::TFlashShape* photoNatural = movie.AddRectangle(20, 140, 84, 188);
    photoNatural->SetImageFill(photo, swf::TImageFillKind::Clipped);
    swf::TFlashShape* photoStretched = movie.AddRectangle(100, 140, 260, 220);
    photoStretched->SetImageFill(photo, swf::TImageFillKind::Stretched);

    // A bitmap with alpha at natural size and stretched, over the other shapes.
    const std::vector<uint8_t> disc = makeDisc(48);
    swf::TFlashImage* discImage = movie.AddImage();
    discImage->LoadFromPixels({disc.data(), 48, 48, 48 * 4, swf::TPixelLayout::BGRA32});
    swf::TFlashShape* discNatural = movie.AddRectangle(290, 150, 338, 198);
    discNatural->SetImageFill(discImage, swf::TImageFillKind::Clipped);
    swf::TFlashShape* discStretched = movie.AddRectangle(340, 140, 460, 220);
    discStretched->SetImageFill(discImage, swf::TImageFillKind::Stretched);

    // A sprite: a dot that runs round a square in four frames of its own.
    swf::TFlashShape* dot = movie.AddEllipse(-8, -8, 8, 8);
    dot->SetSolidColor(0x00C000C0);
    swf::TFlashSprite* spinner = movie.AddSprite(dot);
    const int path[4][2] = {{0, 0}, {40, 0}, {40, 40}, {0, 40}};
    for (int f = 0; f < 4; ++f) {
        if (f > 0)
            spinner->MoveObject(1)->SetTranslate(path[f][0], path[f][1]);
        spinner->ShowFrame();
    }

    // Frame 0: place everything.
    movie.PlaceObject(rect, 1);
    movie.PlaceObject(round, 2)->SetTranslate(140, 20);
    movie.PlaceObject(ellipse, 3)->SetTranslate(170, 240);
    movie.PlaceObject(diamond, 4);
    movie.PlaceObject(star, 5);
    movie.PlaceObject(line, 6);
    movie.PlaceObject(photoNatural, 7);
    movie.PlaceObject(photoStretched, 8);
    movie.PlaceObject(discNatural, 9);
    movie.PlaceObject(discStretched, 10);
    movie.PlaceObject(spinner, 11)->SetTranslate(40, 260);
    addTextButtonsAndSound(movie, beep);
    movie.ShowFrame();

    // Frames 1..9: the rectangle slides right, the round rectangle turns, the ellipse fades,
    // the diamond is removed at frame 5, the stretched photo leaves at frame 8.
    for (int frame = 1; frame < 10; ++frame) {
        movie.MoveObject(1)->SetTranslate(frame * 10, 0);
        swf::TFlashPlaceObject* turn = movie.MoveObject(2);
        turn->SetRotate(frame * 5);
        turn->SetTranslate(140, 20);
        swf::TFlashPlaceObject* fade = movie.MoveObject(3);
        fade->SetTranslate(170 + frame * 8, 240);
        fade->ColorTransform().SetMultA(256 - frame * 22);
        fade->ColorTransform().SetAddR(frame * 10);
        if (frame == 5)
            movie.RemoveObject(4, diamond);
        if (frame == 8)
            movie.RemoveObject(8);
        if (frame == 9)
            movie.FrameActions()->Stop(); // the last frame stays until Play is pressed
        movie.ShowFrame();
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: swf-example OUTPUT.swf\n");
        return 2;
    }
    // The beep is written beside the movie and read back when the sound tag is written.
    const std::filesystem::path beep = std::filesystem::path(argv[1]).string() + ".beep.wav";
    try {
        vantora::FreeTypeGlyphSource glyphs;
        swf::TFlashMovie movie(0, 0, 480, 360, 10, true);
        movie.SetCompressed(true);
        movie.SetVersion(6);
        movie.SetGlyphSource(&glyphs);
        writeBeep(beep);
        build(movie, beep);
        movie.MakeStream();
        std::filesystem::remove(beep);
        movie.SaveToFile(argv[1]);
        std::printf("wrote %s: %d frames, SWF version %d\n", argv[1], movie.FrameCount(), movie.Version());
    } catch (const swf::Error& e) {
        std::error_code ignored;
        std::filesystem::remove(beep, ignored);
        std::fprintf(stderr, "swf-example: %s\n", e.what());
        return 1;
    }
    return 0;
}
