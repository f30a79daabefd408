// bench-movie: builds a demo of 30 scenes of 1280 x 800 screenshots with about ten objects each
// (balloons, notes, shapes, an image and three cursors) at 20 frames per second, saves it as a
// project and times `vantora-build PROJECT -o MOVIE` as a separate process, start-up included,
// against the codec floor: JPEG-encoding the 30 backgrounds at quality 100 plus compressing the
// final movie body with zlib, on one core.
//
// The machine may be shared: the floor is measured in CPU time of this thread, the build in wall
// time (it uses both cores), each the best of several runs, and the load average is printed with
// them. The in-process build is checked to give the same bytes as writing the movie whole.
//
// Usage: bench-movie [--scenes N] [--runs N] [--out MOVIE.swf]
// Goal: build wall time / floor <= 1.0.

#include "screen_painter.h"

#include "model/demo.h"
#include "model/object_operations.h"
#include "model/scene_operations.h"
#include "movie/movie_builder.h"
#include "storage/project_file.h"
#include "picture/jpeg_codec.h"
#include "picture/png_codec.h"
#include "render/image_conversion.h"
#include "render/scene_composer.h"
#include "swf/movie.h"

#include <QGuiApplication>
#include <QPainter>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <algorithm>
#include <sstream>
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

// CPU time of the calling thread: what a codec costs on one core, whatever else the machine runs.
double ThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

std::string LoadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

struct ChildRun {
    bool ok = false;
    double wall = 0;
    double cpu = 0; // user + system of the child
    long peakKb = 0;
};

// Runs vantora-build on the project, its output thrown away, and times it.
ChildRun RunBuildTool(const std::filesystem::path& project, const std::filesystem::path& movie) {
    ChildRun run;
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child < 0)
        return run;
    if (child == 0) {
        std::freopen("/dev/null", "w", stderr);
        std::freopen("/dev/null", "w", stdout);
        execl(VANTORA_BUILD_TOOL, VANTORA_BUILD_TOOL, project.c_str(), "-o", movie.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return run;
    run.wall = Seconds(start);
    run.cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
              double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
    run.peakKb = usage.ru_maxrss;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

// The movie as the builder saves it (written ahead) and as writing it whole gives it.
bool WrittenAheadIsWhole(const TVantora& demo, bool& finishedAhead) {
    std::unique_ptr<swf::TFlashMovie> movie = BuildWholeDemo(demo);
    movie->MakeStream();
    finishedAhead = movie->FinishedAhead();
    std::ostringstream ahead(std::ios::binary);
    movie->SaveToStream(ahead);
    movie->MakeStream();
    std::ostringstream whole(std::ios::binary);
    movie->SaveToStream(whole);
    return ahead.str() == whole.str();
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

// The floor's second part: zlib at the default level over the body of the finished movie, in CPU
// seconds, the best of `runs`.
double CompressBodySeconds(const std::filesystem::path& movie, std::size_t& bodyBytes, int runs) {
    const std::vector<std::uint8_t> file = ReadFile(movie);
    uLongf length = file[4] | file[5] << 8 | file[6] << 16 | uLongf(file[7]) << 24;
    std::vector<std::uint8_t> body(length - 8);
    uLongf inflated = body.size();
    uncompress(body.data(), &inflated, file.data() + 8, file.size() - 8);
    bodyBytes = inflated;
    std::vector<std::uint8_t> out(compressBound(inflated));
    double best = 1e9;
    for (int run = 0; run < runs; ++run) {
        uLongf outLength = out.size();
        const double start = ThreadCpuSeconds();
        compress2(out.data(), &outLength, body.data(), inflated, Z_DEFAULT_COMPRESSION);
        best = std::min(best, ThreadCpuSeconds() - start);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    int scenes = 30;
    int runs = 3;
    std::filesystem::path out = std::filesystem::temp_directory_path() / "bench-movie.swf";
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--scenes") == 0)
            scenes = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::clamp(std::atoi(argv[i + 1]), 1, 50);
        else if (std::strcmp(argv[i], "--out") == 0)
            out = argv[i + 1];
    }
    if (std::getenv("VANTORA_HOME") == nullptr) {
        static std::string home = "VANTORA_HOME=" + (std::filesystem::temp_directory_path() / "bench-movie-home").string();
        putenv(home.data());
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);

    TVantora demo;
    demo.Width = kWidth;
    demo.Height = kHeight;
    demo.FrameRateFactor = 2;
    const Picture icon = Icon();
    for (int i = 0; i < scenes; ++i)
        FillScene(NewScene(demo), i, icon);
    const std::filesystem::path project = std::filesystem::temp_directory_path() / "bench-movie.vtp";
    if (const StorageResult saved = SaveProject(project, demo); !saved) {
        std::fprintf(stderr, "bench-movie: %s\n", saved.message.c_str());
        return 1;
    }
    const std::string loadBefore = LoadAverage();

    // Floor, first part: the backgrounds as the builder draws them, encoded at quality 100.
    std::vector<RgbaImage> backgrounds;
    for (const auto& scene : demo.Scenes) {
        QImage canvas(kWidth, kHeight, QImage::Format_ARGB32);
        ComposeSceneBackground(*scene, canvas);
        backgrounds.push_back(ToRgbaImage(canvas));
    }
    double encodeSeconds = 1e9;
    for (int run = 0; run < runs; ++run) {
        const double start = ThreadCpuSeconds();
        for (const RgbaImage& pixels : backgrounds)
            if (encodeJpeg(pixels, kMovieJpegQuality).empty())
                return 1;
        encodeSeconds = std::min(encodeSeconds, ThreadCpuSeconds() - start);
    }
    backgrounds.clear();

    // The build as a user runs it: a process of its own, start-up and project loading included.
    std::vector<ChildRun> builds;
    for (int run = 0; run < runs; ++run) {
        builds.push_back(RunBuildTool(project, out));
        if (!builds.back().ok) {
            std::fprintf(stderr, "bench-movie: %s failed\n", VANTORA_BUILD_TOOL);
            return 1;
        }
    }
    std::sort(builds.begin(), builds.end(), [](const ChildRun& a, const ChildRun& b) { return a.wall < b.wall; });
    const std::string loadAfter = LoadAverage();

    std::size_t bodyBytes = 0;
    const double compressSeconds = CompressBodySeconds(out, bodyBytes, runs);
    const double floor = encodeSeconds + compressSeconds;
    const double movieMb = double(std::filesystem::file_size(out)) / (1024 * 1024);

    bool finishedAhead = false;
    const bool identical = WrittenAheadIsWhole(demo, finishedAhead);

    std::printf("scenes                 %d (%d x %d, 20 fps, %zu frames)\n", scenes, kWidth, kHeight,
                std::size_t(scenes) * 200);
    std::printf("movie                  %.1f MB compressed, %.1f MB body\n", movieMb, double(bodyBytes) / (1024 * 1024));
    std::printf("floor (CPU, one core)  %.3f s (JPEG q100 %.3f s + zlib body %.3f s), best of %d\n", floor,
                encodeSeconds, compressSeconds, runs);
    std::printf("vantora-build wall     best %.3f s, median %.3f s, worst %.3f s (%d runs)\n", builds.front().wall,
                builds[builds.size() / 2].wall, builds.back().wall, runs);
    std::printf("vantora-build CPU      %.3f s in the best run (%.2f cores busy)\n", builds.front().cpu,
                builds.front().cpu / builds.front().wall);
    std::printf("vantora-build memory   %.1f MB peak\n", double(builds.front().peakKb) / 1024);
    std::printf("build / floor          %.2f best, %.2f median (goal <= 1.0)\n", builds.front().wall / floor,
                builds[builds.size() / 2].wall / floor);
    std::printf("written ahead          %s; same bytes as written whole: %s\n", finishedAhead ? "yes" : "NO",
                identical ? "yes" : "NO");
    std::printf("load average           %s before, %s after (1, 5, 15 min; %ld cores)\n", loadBefore.c_str(),
                loadAfter.c_str(), sysconf(_SC_NPROCESSORS_ONLN));
    return identical ? 0 : 1;
}
