#include "video_test_movies.h"

#include "player_test_support.h"
#include "sound_builders.h"
#include "swf/actions.h"
#include "swf/button.h"
#include "swf/place_object.h"
#include "swf/shape.h"
#include "swf/sound.h"
#include "swf/sprite.h"
#include "test_support.h"

#include <cmath>

namespace video_test {
namespace {

// Half a second of a 440 Hz tone, 16-bit mono at 22.05 kHz.
std::filesystem::path writeTone(const std::filesystem::path& folder) {
    std::vector<std::uint8_t> data;
    for (int i = 0; i < 11025; ++i) {
        const auto sample = std::int16_t(8000 * std::sin(2 * M_PI * 440 * i / 22050.0));
        data.push_back(std::uint8_t(sample & 0xff));
        data.push_back(std::uint8_t((sample >> 8) & 0xff));
    }
    const auto path = folder / "tone.wav";
    vantora::test::writeFileBytes(path, swf_test::makeWav(1, 1, 22050, 16, data));
    return path;
}

swf::TFlashButton* makeButton(swf::TFlashMovie& movie, StopButton kind) {
    auto* up = movie.AddRectangle(0, 0, 30, 20);
    up->SetSolidColor(0x70a070); // colours are 0xBBGGRR; soft ones, as screens have
    auto* down = movie.AddRectangle(0, 0, 30, 20);
    down->SetSolidColor(0x785840);
    auto* button = movie.AddButton(false, true);
    button->AddRecord(up, swf::bsUp | swf::bsOver | swf::bsHitTest, 1);
    button->AddRecord(down, swf::bsDown, 1);
    auto* actions = button->OnRelease();
    if (kind == StopButton::Plays)
        actions->Play();
    else if (kind == StopButton::Replays)
        actions->GotoFrame(1);
    else
        actions->GetURL("http://example.com/", "_blank");
    return button;
}

} // namespace

std::vector<std::uint8_t> MakeMovie(const TestMovie& wanted, const std::filesystem::path& workFolder) {
    auto movie = player_test::NewMovie(kStageWidth, kStageHeight);
    auto* square = movie->AddRectangle(0, 0, 20, 20);
    square->SetSolidColor(0x506a8a);
    swf::TFlashButton* button = wanted.button == StopButton::None ? nullptr : makeButton(*movie, wanted.button);
    for (int f = 0; f < wanted.frames; ++f) {
        if (f == 0)
            movie->PlaceObject(square, 1)->SetTranslate(0, 10);
        else
            movie->MoveObject(1)->SetTranslate(f * 7 % 80, 10);
        if (f == 0 && wanted.sound) {
            auto* sprite = movie->AddSprite();
            sprite->StartSound(movie->AddSound(writeTone(workFolder)));
            sprite->ShowFrame();
            movie->PlaceObject(sprite, 3);
        }
        if (f == wanted.stopAt) {
            if (button)
                movie->PlaceObject(button, 2)->SetTranslate(int(kButtonX) - 15, int(kButtonY) - 10);
            movie->FrameActions()->Stop();
        }
        if (f == wanted.stopAt + 1 && button)
            movie->RemoveObject(2);
        if (f == wanted.frames - 1 && wanted.loops)
            movie->FrameActions()->GotoFrame(1);
        movie->ShowFrame();
    }
    return player_test::MovieBytes(*movie);
}

double Psnr(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size() || x.isNull())
        return 0;
    auto luma = [](QRgb c) { return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c); };
    double squares = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const double d = luma(x.pixel(col, row)) - luma(y.pixel(col, row));
            squares += d * d;
        }
    const double mean = squares / (double(x.width()) * x.height());
    return mean == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mean);
}

} // namespace video_test
