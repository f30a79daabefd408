#include "player_test_support.h"

#include "swf/actions.h"
#include "swf/button.h"
#include "swf/place_object.h"
#include "swf/shape.h"

#include <algorithm>
#include <sstream>

namespace player_test {

std::unique_ptr<swf::TFlashMovie> NewMovie(int width, int height, bool compressed) {
    auto movie = std::make_unique<swf::TFlashMovie>(0, 0, width, height, 20, true);
    movie->SetVersion(6);
    movie->SetCompressed(compressed);
    return movie;
}

Bytes MovieBytes(swf::TFlashMovie& movie) {
    movie.MakeStream();
    std::ostringstream out;
    movie.SaveToStream(out);
    const std::string s = out.str();
    return Bytes(s.begin(), s.end());
}

void LoadOrFail(player::FlashPlayer& player, const Bytes& bytes) {
    std::string error;
    ASSERT_TRUE(player.Load(bytes, &error)) << error;
}

void StopOnAPlayButton(swf::TFlashMovie& movie, int width, int height) {
    auto* area = movie.AddRectangle(0, 0, width, height);
    area->SetSolidColor(0x00ff00);
    auto* button = movie.AddButton(false, true);
    button->AddRecord(area, swf::bsUp | swf::bsOver | swf::bsDown | swf::bsHitTest, 1);
    button->OnRelease()->Play();
    movie.PlaceObject(button, 1);
    movie.FrameActions()->Stop();
}

QImage FirstFrame(swf::TFlashMovie& movie) {
    player::FlashPlayer p;
    LoadOrFail(p, MovieBytes(movie));
    return p.RenderFrame();
}

uint32_t RgbAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xffffffu; }

::testing::AssertionResult PixelNear(const QImage& image, int x, int y, uint32_t rgb, int tolerance) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return ::testing::AssertionFailure() << "(" << x << ", " << y << ") is outside the picture";
    const QRgb p = image.pixel(x, y);
    const int dr = std::abs(qRed(p) - int(rgb >> 16 & 0xff));
    const int dg = std::abs(qGreen(p) - int(rgb >> 8 & 0xff));
    const int db = std::abs(qBlue(p) - int(rgb & 0xff));
    if (dr <= tolerance && dg <= tolerance && db <= tolerance)
        return ::testing::AssertionSuccess();
    char text[64];
    std::snprintf(text, sizeof text, "%06x, expected %06x", unsigned(p & 0xffffff), unsigned(rgb));
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << text;
}

void RecordingOutput::Start(int key, std::shared_ptr<const player::PcmSound> sound, size_t from, size_t to, int loops) {
    started.push_back({key, sound ? sound->Frames() : 0, from, to, loops, sound ? sound->rate : 0,
                       sound ? sound->channels : 0});
    playing.push_back(key);
}

void RecordingOutput::Stop(int key) { std::erase(playing, key); }

void RecordingOutput::StopAll() {
    ++stopAllCount;
    playing.clear();
}

bool RecordingOutput::IsPlaying(int key) const { return std::find(playing.begin(), playing.end(), key) != playing.end(); }

} // namespace player_test
