// bench-movie: builds a demo of 30 scenes of 1280 x 800 screenshots with about ten objects each
// (balloons, notes, shapes, an image and three cursors) at 20 frames per second, and reports the
// total time and peak memory beside the codec floor measured in the same run: JPEG-encoding the
// 30 backgrounds at quality 100 plus compressing the final movie body with zlib.
//
// Usage: bench-movie [--scenes N] [--out MOVIE.swf]
// Goals: total under 1.5 x the floor; peak memory under the movie's size plus 150 MB.

#include "screen_painter.h"

#include "model/demo.h"
#include "model/object_operations.h"
#include "model/scene_operations.h"
#include "movie/movie_builder.h"
#include "picture/jpeg_codec.h"
#include "picture/png_codec.h"
#include "render/image_conversion.h"
#include "render/scene_composer.h"
#include "swf/movie.h"

#include <QGuiApplication>
#include <QPainter>

#include <sys/resource.h>
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace vantora;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 800;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

long PeakRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

Picture Icon() {
    QImage icon(64, 64, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(60, 140, 220, 220));
    p.drawEllipse(4, 4, 56, 56);
    p.end();
    return Picture(PictureFormat::Png, encodePng(ToRgbaImage(icon)));
}

TDemoObject& Add(TDemoFrame& scene, TObjectKind kind, int left, int top, int width, int height, int start, int end) {
    TDemoObject& o = NewObject(scene, kind, left, top);
    o.Width = width;
    o.Height = height;
    o.StartTime = start;
    o.EndTime = end;
    return o;
}

void FillScene(TDemoFrame& scene, int index, const Picture& icon) {
    sample::ScreenLayout layout;
    layout.variant = index;
    layout.statusText = QString("Step %1 of 30").arg(index + 1);
    if (index % 3 == 1) {
        layout.openMenu = 1;
        layout.openMenuItems = {"Undo", "Redo", "-", "Cut", "Copy", "Paste", "Select All"};
        layout.highlightedItem = index % 7;
    }
    layout.showDialog = index % 3 == 2;
    scene.BackImage = Picture(PictureFormat::Jpeg, encodeJpeg(ToRgbaImage(sample::PaintScreen(kWidth, kHeight, layout)), 90));
    const int dx = (index * 37) % 300;
    TDemoObject& b1 = Add(scene, TObjectKind::Balloon, 200 + dx, 150, 260, 90, 0, 40);
    b1.Text = "Step " + std::to_string(index + 1) + ": open the menu and pick the command.";
    TDemoObject& b2 = Add(scene, TObjectKind::RoundBalloon, 600, 300 + dx / 3, 280, 110, 40, 90);
    b2.Text = "The list shows every invoice of the month; click a row to open it.";
    b2.Animation.LocationX = {1, 200, 5, 0, 0, 3, 0};
    TDemoObject& b3 = Add(scene, TObjectKind::Balloon, 820, 520, 240, 80, 60, 100);
    b3.Text = "Press Save when you are done.";
    TDemoObject& note = Add(scene, TObjectKind::Note, 1000, 120, 200, 170, 10, 80);
    note.Text = "Notes stay while the pointer moves.";
    TDemoObject& ring = Add(scene, TObjectKind::Shape, 400 + dx, 400, 40, 40, 30, 38);
    ring.Style = 1;
    ring.BorderWidth = 3;
    ring.Option = 1;
    ring.Animation.Width = {1, 10, 4, 0, 160, 3, 0};
    ring.Animation.Height = {1, 10, 4, 0, 160, 3, 0};
    TDemoObject& frame = Add(scene, TObjectKind::Shape, 180, 200, 300, 26, 20, 70);
    frame.BorderWidth = 2;
    frame.Option = 1;
    frame.Animation.StopWithScene = false;
    frame.Animation.Fade = {2, 20, 3, 0, 20, 3, 0};
    TDemoObject& image = Add(scene, TObjectKind::Image, 1100, 600, 64, 64, 5, 95);
    image.Picture = icon;
    Add(scene, TObjectKind::Cursor, 640, 400, 32, 32, 5, 35);
    Add(scene, TObjectKind::Cursor, 410 + dx, 410, 32, 32, 35, 65);
    Add(scene, TObjectKind::Cursor, 900, 560, 32, 32, 65, 100);
    scene.StopPoints = {99};
    scene.Length = 100;
}

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// The floor's second part: zlib at the default level over the body of the finished movie.
double CompressBodySeconds(const std::filesystem::path& movie, std::size_t& bodyBytes) {
    const std::vector<std::uint8_t> file = ReadFile(movie);
    uLongf length = file[4] | file[5] << 8 | file[6] << 16 | uLongf(file[7]) << 24;
    std::vector<std::uint8_t> body(length - 8);
    uLongf inflated = body.size();
    uncompress(body.data(), &inflated, file.data() + 8, file.size() - 8);
    bodyBytes = inflated;
    std::vector<std::uint8_t> out(compressBound(inflated));
    uLongf outLength = out.size();
    const auto start = Clock::now();
    compress2(out.data(), &outLength, body.data(), inflated, Z_DEFAULT_COMPRESSION);
    return Seconds(start);
}

} // namespace

int main(int argc, char** argv) {
    int scenes = 30;
    std::filesystem::path out = std::filesystem::temp_directory_path() / "bench-movie.swf";
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--scenes") == 0)
            scenes = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--out") == 0)
            out = argv[i + 1];
    }
    if (std::getenv("VANTORA_HOME") == nullptr) {
        static std::string home = "VANTORA_HOME=" + (std::filesystem::temp_directory_path() / "bench-movie-home").string();
        putenv(home.data());
    }
    QGuiApplication app(argc, argv);

    TVantora demo;
    demo.Width = kWidth;
    demo.Height = kHeight;
    demo.FrameRateFactor = 2;
    const Picture icon = Icon();
    for (int i = 0; i < scenes; ++i)
        FillScene(NewScene(demo), i, icon);

    // Floor, first part: the backgrounds as the builder draws them, encoded at quality 100.
    double encodeSeconds = 0;
    for (const auto& scene : demo.Scenes) {
        QImage canvas(kWidth, kHeight, QImage::Format_ARGB32);
        ComposeSceneBackground(*scene, canvas);
        const RgbaImage pixels = ToRgbaImage(canvas);
        const auto start = Clock::now();
        const auto jpeg = encodeJpeg(pixels, kMovieJpegQuality);
        encodeSeconds += Seconds(start);
        if (jpeg.empty())
            return 1;
    }
    const long baselineKb = PeakRssKb();

    const auto start = Clock::now();
    const MovieBuildResult result = BuildAndSaveWholeDemo(demo, out);
    const double total = Seconds(start);
    if (!result.ok) {
        std::fprintf(stderr, "bench-movie: %s\n", result.message.c_str());
        return 1;
    }
    const long peakKb = PeakRssKb();

    // The same build again in its two halves, to tell planning and pictures from writing.
    const auto planStart = Clock::now();
    std::unique_ptr<swf::TFlashMovie> movie = BuildWholeDemo(demo);
    const double planSeconds = Seconds(planStart);
    const auto writeStart = Clock::now();
    movie->MakeStream();
    const double streamSeconds = Seconds(writeStart);
    movie->SaveToFile(out);
    const double writeSeconds = Seconds(writeStart);
    movie.reset();

    std::size_t bodyBytes = 0;
    const double compressSeconds = CompressBodySeconds(out, bodyBytes);
    const double floor = encodeSeconds + compressSeconds;
    const double movieMb = double(std::filesystem::file_size(out)) / (1024 * 1024);

    std::printf("scenes                 %d (%d x %d, 20 fps, %zu frames)\n", scenes, kWidth, kHeight,
                std::size_t(scenes) * 200);
    std::printf("movie                  %.1f MB compressed, %.1f MB body\n", movieMb, double(bodyBytes) / (1024 * 1024));
    std::printf("total build            %.3f s\n", total);
    std::printf("floor                  %.3f s (JPEG q100 %.3f s + zlib body %.3f s)\n", floor, encodeSeconds,
                compressSeconds);
    std::printf("  plan and pictures    %.3f s\n", planSeconds);
    std::printf("  tags and compression %.3f s (tags %.3f s)\n", writeSeconds, streamSeconds);
    std::printf("total / floor          %.2f (goal < 1.5)\n", total / floor);
    std::printf("peak memory            %.1f MB (before the build %.1f MB)\n", peakKb / 1024.0, baselineKb / 1024.0);
    std::printf("peak - movie size      %.1f MB (goal < 150)\n", peakKb / 1024.0 - movieMb);
    return 0;
}
