// bench-open: writes a project of 30 scenes whose backgrounds are uncompressed 1280 x 800
// screenshots (about 92 MB), then compares opening it with LoadProject against reading the file
// alone with ReadFileLimited: the time and the peak memory each takes, every measurement in a
// fresh child process so that neither inherits the other's heap. For comparison it also times
// reading the whole file first and parsing the buffer, which holds the project twice.
//
// Usage: bench-open [--scenes N] [--runs N] [--keep FILE.vtp]
// Goal: opening takes at most 1.2 x the time and 1.2 x the memory of reading the file.

#include "model/demo.h"
#include "model/object_operations.h"
#include "model/scene_operations.h"
#include "storage/project_file.h"
#include "base/safe_file.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using namespace vantora;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 800;
constexpr double kGoal = 1.2;

void putLe(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A 24-bit bottom-up bitmap with a pattern that differs per scene, as a screenshot is stored.
std::vector<std::uint8_t> Screenshot(int seed) {
    constexpr std::size_t kHeader = 54;
    const std::size_t rowBytes = static_cast<std::size_t>(kWidth) * 3; // a multiple of 4 already
    std::vector<std::uint8_t> bmp(kHeader + rowBytes * kHeight);
    bmp[0] = 'B';
    bmp[1] = 'M';
    putLe(bmp, 2, static_cast<std::uint32_t>(bmp.size()), 4);
    putLe(bmp, 10, kHeader, 4);
    putLe(bmp, 14, 40, 4);
    putLe(bmp, 18, kWidth, 4);
    putLe(bmp, 22, kHeight, 4);
    putLe(bmp, 26, 1, 2);
    putLe(bmp, 28, 24, 2);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            std::uint8_t* p = &bmp[kHeader + static_cast<std::size_t>(y) * rowBytes + static_cast<std::size_t>(x) * 3];
            p[0] = static_cast<std::uint8_t>(x + seed);
            p[1] = static_cast<std::uint8_t>(y * 3 + seed);
            p[2] = static_cast<std::uint8_t>((x ^ y) + seed * 7);
        }
    return bmp;
}

void MakeProject(const std::filesystem::path& file, int scenes) {
    TVantora demo;
    demo.Width = kWidth;
    demo.Height = kHeight;
    for (int i = 0; i < scenes; ++i) {
        TDemoFrame& scene = NewScene(demo);
        scene.BackImage = Picture(PictureFormat::Bitmap, Screenshot(i));
        NewObject(scene, TObjectKind::RoundBalloon, 100, 100).Text = "Click here to go on";
        NewObject(scene, TObjectKind::Cursor, 400, 300);
        NewObject(scene, TObjectKind::Label, 20, 700).Text = "Step " + std::to_string(i + 1);
    }
    const StorageResult saved = SaveProject(file, demo);
    if (!saved) {
        std::fprintf(stderr, "bench-open: cannot write %s\n", file.c_str());
        std::exit(1);
    }
}

long StatusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line))
        if (line.compare(0, length, field) == 0)
            return std::strtol(line.c_str() + length, nullptr, 10);
    return -1;
}

struct Sample {
    double seconds = 0;
    long peakKb = 0; // growth of the peak resident size over the child's start
};

// Runs `work` once in a fresh child and reports its time and peak memory growth.
Sample Measure(const std::function<bool()>& work) {
    int channel[2];
    if (pipe(channel) != 0)
        std::exit(1);
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::ofstream("/proc/self/clear_refs") << "5"; // resets the peak to the present size
        const long startKb = StatusKb("VmRSS:");
        const Clock::time_point start = Clock::now();
        const bool ok = work();
        Sample sample{std::chrono::duration<double>(Clock::now() - start).count(), StatusKb("VmHWM:") - startKb};
        if (!ok)
            sample.seconds = -1;
        const ssize_t written = write(channel[1], &sample, sizeof sample);
        _exit(written == sizeof sample ? 0 : 1);
    }
    close(channel[1]);
    Sample sample;
    const ssize_t got = read(channel[0], &sample, sizeof sample);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (got != sizeof sample || sample.seconds < 0) {
        std::fprintf(stderr, "bench-open: a measurement failed\n");
        std::exit(1);
    }
    return sample;
}

// The best of `runs` measurements: the least disturbed by the rest of the machine.
Sample Best(int runs, const std::function<bool()>& work) {
    Sample best{1e9, 0};
    std::vector<long> peaks;
    for (int i = 0; i < runs; ++i) {
        const Sample s = Measure(work);
        best.seconds = std::min(best.seconds, s.seconds);
        peaks.push_back(s.peakKb);
    }
    std::sort(peaks.begin(), peaks.end());
    best.peakKb = peaks[peaks.size() / 2];
    return best;
}

int IntArgument(int argc, char** argv, const char* name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return std::max(1, std::atoi(argv[i + 1]));
    return fallback;
}

} // namespace

int main(int argc, char** argv) {
    const int scenes = IntArgument(argc, argv, "--scenes", 30);
    const int runs = IntArgument(argc, argv, "--runs", 5);
    std::filesystem::path file = std::filesystem::temp_directory_path() / ("bench-open-" + std::to_string(getpid()) + ".vtp");
    bool keep = false;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--keep") == 0) {
            file = argv[i + 1];
            keep = true;
        }

    MakeProject(file, scenes);
    const auto fileBytes = static_cast<double>(std::filesystem::file_size(file));
    std::printf("project: %d scenes, %.1f MB (%.1f MiB)\n", scenes, fileBytes / 1e6, fileBytes / (1024.0 * 1024.0));

    const auto readFile = [&] {
        std::vector<std::uint8_t> bytes;
        return ReadFileLimited(file, kMaxProjectFileBytes, bytes).ok() && !bytes.empty();
    };
    const auto readThenParse = [&] {
        std::vector<std::uint8_t> bytes;
        TVantora demo;
        return ReadFileLimited(file, kMaxProjectFileBytes, bytes).ok() && static_cast<bool>(ParseProject(bytes, demo));
    };
    const auto openProject = [&] {
        TVantora demo;
        return static_cast<bool>(LoadProject(file, demo)) && demo.Scenes.size() == static_cast<std::size_t>(scenes);
    };
    readFile(); // the file comes from the page cache in every measurement
    const Sample read = Best(runs, readFile);
    const Sample open = Best(runs, openProject);
    const Sample buffered = Best(runs, readThenParse);
    if (!keep)
        std::filesystem::remove(file);

    const double timeRatio = open.seconds / read.seconds;
    const double memoryRatio = static_cast<double>(open.peakKb) / static_cast<double>(read.peakKb);
    std::printf("read file:    %8.1f ms  %8.1f MiB peak\n", read.seconds * 1e3, read.peakKb / 1024.0);
    std::printf("open project: %8.1f ms  %8.1f MiB peak\n", open.seconds * 1e3, open.peakKb / 1024.0);
    std::printf("(read whole file, then parse: %.1f ms, %.1f MiB peak)\n", buffered.seconds * 1e3, buffered.peakKb / 1024.0);
    std::printf("ratio:        time %.2f, memory %.2f (goal at most %.1f each): %s\n", timeRatio, memoryRatio, kGoal,
                timeRatio <= kGoal && memoryRatio <= kGoal ? "met" : "NOT MET");
    return 0;
}
