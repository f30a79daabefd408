// bench-player: plays a movie with our player, rendering every frame at the stage size, and
// reports the frames per second it reaches against the movie's own frame rate. Without a movie
// argument it builds the sample project first. Stop points are stepped over with Play, so every
// frame of the movie is timed.
//
// Usage: bench-player [MOVIE.swf] [--frames N]
// Goal: at least 4 times the movie's frame rate on one core.

#include "model/demo.h"
#include "movie/movie_builder.h"
#include "player/flash_player.h"
#include "storage/project_file.h"

#include <QGuiApplication>
#include <QImage>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// The sample project built into a temporary movie.
std::vector<uint8_t> SampleMovie() {
    vantora::TVantora demo;
    const auto loaded = vantora::LoadProject(VANTORA_SAMPLE_PROJECT, demo);
    if (!loaded) {
        std::fprintf(stderr, "cannot load the sample project: %s\n", loaded.message.c_str());
        std::exit(1);
    }
    const auto file = std::filesystem::temp_directory_path() / "bench-player-sample.swf";
    const auto built = vantora::BuildMovieFile(demo, file);
    if (!built.ok) {
        std::fprintf(stderr, "cannot build the sample: %s\n", built.message.c_str());
        std::exit(1);
    }
    auto bytes = ReadBytes(file);
    std::filesystem::remove(file);
    return bytes;
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::string moviePath;
    int frames = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc)
            frames = std::atoi(argv[++i]);
        else
            moviePath = argv[i];
    }
    const std::vector<uint8_t> movie = moviePath.empty() ? SampleMovie() : ReadBytes(moviePath);

    const auto loadStart = Clock::now();
    player::FlashPlayer player;
    std::string error;
    if (!player.Load(movie, &error)) {
        std::fprintf(stderr, "cannot play the movie: %s\n", error.c_str());
        return 1;
    }
    const double loadSeconds = Seconds(Clock::now() - loadStart);
    if (frames <= 0)
        frames = player.TotalFrames();
    const auto* def = player.Definition();
    QImage target(def->StageWidth(), def->StageHeight(), QImage::Format_ARGB32_Premultiplied);

    Clock::duration tickTime{}, renderTime{};
    for (int i = 0; i < frames; ++i) {
        const auto t0 = Clock::now();
        if (i > 0) {
            if (!player.Playing())
                player.Play();
            player.Tick();
        }
        const auto t1 = Clock::now();
        player.Render(target);
        renderTime += Clock::now() - t1;
        tickTime += t1 - t0;
    }
    const double total = Seconds(tickTime + renderTime);
    const double fps = frames / total;
    std::printf("movie: %d x %d pixels, %.0f frames per second, %d frames (%zu bytes)\n", def->StageWidth(),
                def->StageHeight(), def->FrameRate(), player.TotalFrames(), movie.size());
    std::printf("load: %.1f ms\n", loadSeconds * 1000);
    std::printf("played %d frames in %.2f s: %.2f ms per frame (timeline %.2f, painting %.2f)\n", frames, total,
                total * 1000 / frames, Seconds(tickTime) * 1000 / frames, Seconds(renderTime) * 1000 / frames);
    std::printf("frames per second: %.0f = %.1f x the movie's rate (goal: 4 x)\n", fps, fps / def->FrameRate());
    return 0;
}
