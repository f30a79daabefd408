// Fuzz entry for the player: reading a movie, playing a few frames with a click on the stage, and
// painting them into a small picture (the stage is scaled down, so a claimed huge stage costs
// nothing).

#include "player/flash_player.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdint>
#include <cstdlib>

namespace {

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "fuzz_player_movie";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    EnsureApplication();
    player::FlashPlayer movie;
    std::string error;
    if (!movie.Load(std::span<const uint8_t>(data, size), &error)) {
        if (error.empty())
            std::abort(); // every refusal says why
        return 0;
    }
    QImage picture(64, 48, QImage::Format_ARGB32_Premultiplied);
    for (int frame = 0; frame < 4; ++frame) {
        movie.Render(picture);
        movie.Click(QPointF(10 * frame, 8 * frame));
        movie.Tick();
    }
    if (movie.CurrentFrame() < 0 || movie.CurrentFrame() >= movie.TotalFrames())
        std::abort();
    return 0;
}
