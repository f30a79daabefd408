// bench-video: the sample and a 30-scene 1280 x 800 demo exported to MP4 at the default settings,
// timed against the length of the video they make (goal: at least 4 times faster than real
// time); frames of each MP4, decoded by FFmpeg, against our player's frames (goal: PSNR at least
// 38 dB); the video's length against the viewer's plan (goal: within one frame); and the sample
// as a GIF (goal: at most 3 MB).
//
// The movies are made by the programs beside it: vantora-build builds the sample, bench-movie
// writes its 30-scene demo. Movies given on the command line are measured instead.
//
// Usage: bench-video [--runs N] [--quality 1..100] [MOVIE.swf ...]

#include "player/flash_player.h"
#include "player/sound_mixer.h"
#include "publish/video/video_export.h"
#include "publish/video/watch_recorder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

using namespace vantora::video;
namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kCompareEvery = 50; // frames between two compared frames

std::vector<std::uint8_t> readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Keeps every kCompareEvery-th frame the recording hands out.
class SamplingSink : public VideoSink {
public:
    void AddFrame(const QImage& picture) override {
        if (count_ % kCompareEvery == 0)
            kept[count_] = picture.copy();
        ++count_;
    }
    void AddSound(std::span<const std::int16_t>) override {}
    void Finish() override {}
    std::map<std::int64_t, QImage> kept;

private:
    std::int64_t count_ = 0;
};

struct Decoded {
    std::map<std::int64_t, QImage> kept;
    std::int64_t frames = 0;
};

Decoded decodeSampled(const fs::path& file) {
    Decoded out;
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, file.c_str(), nullptr, nullptr) < 0)
        return out;
    avformat_find_stream_info(format, nullptr);
    const int index = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const AVCodec* codec = avcodec_find_decoder(format->streams[index]->codecpar->codec_id);
    AVCodecContext* decoder = avcodec_alloc_context3(codec);
    avcodec_parameters_to_context(decoder, format->streams[index]->codecpar);
    decoder->thread_count = 0;
    avcodec_open2(decoder, codec, nullptr);
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    auto drain = [&] {
        while (avcodec_receive_frame(decoder, frame) >= 0) {
            if (out.frames % kCompareEvery == 0) {
                QImage picture(frame->width, frame->height, QImage::Format_RGB32);
                SwsContext* toRgb = sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format),
                                                   frame->width, frame->height, AV_PIX_FMT_BGRA,
                                                   SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
                std::uint8_t* rows[1] = {picture.bits()};
                const int strides[1] = {int(picture.bytesPerLine())};
                sws_scale(toRgb, frame->data, frame->linesize, 0, frame->height, rows, strides);
                sws_freeContext(toRgb);
                out.kept[out.frames] = picture;
            }
            ++out.frames;
        }
    };
    while (av_read_frame(format, packet) >= 0) {
        if (packet->stream_index == index)
            avcodec_send_packet(decoder, packet);
        av_packet_unref(packet);
        drain();
    }
    avcodec_send_packet(decoder, nullptr);
    drain();
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&decoder);
    avformat_close_input(&format);
    return out;
}

double psnr(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return 0;
    double squares = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            for (int shift : {0, 8, 16}) {
                const double d = double(p[x] >> shift & 0xff) - double(q[x] >> shift & 0xff);
                squares += d * d;
            }
    }
    const double mean = squares / (3.0 * a.width() * a.height());
    return mean == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mean);
}

// The same over luma only (BT.601 weights), the channel the eye and video codecs care most about.
double lumaPsnr(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return 0;
    double squares = 0;
    auto luma = [](QRgb c) { return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c); };
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const double d = luma(p[x]) - luma(q[x]);
            squares += d * d;
        }
    }
    const double mean = squares / (double(a.width()) * a.height());
    return mean == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mean);
}

// The picture after yuv420p and back, without any encoder: what colour subsampling alone costs.
QImage throughYuv420(const QImage& picture) {
    const int w = picture.width(), h = picture.height();
    SwsContext* down = sws_getContext(w, h, AV_PIX_FMT_BGRA, w, h, AV_PIX_FMT_YUV420P, SWS_BICUBIC | SWS_ACCURATE_RND,
                                      nullptr, nullptr, nullptr);
    SwsContext* up = sws_getContext(w, h, AV_PIX_FMT_YUV420P, w, h, AV_PIX_FMT_BGRA, SWS_BICUBIC | SWS_ACCURATE_RND,
                                    nullptr, nullptr, nullptr);
    AVFrame* yuv = av_frame_alloc();
    yuv->format = AV_PIX_FMT_YUV420P;
    yuv->width = w;
    yuv->height = h;
    av_frame_get_buffer(yuv, 0);
    const std::uint8_t* in[1] = {picture.constBits()};
    const int inStride[1] = {int(picture.bytesPerLine())};
    sws_scale(down, in, inStride, 0, h, yuv->data, yuv->linesize);
    QImage back(w, h, QImage::Format_RGB32);
    std::uint8_t* out[1] = {back.bits()};
    const int outStride[1] = {int(back.bytesPerLine())};
    sws_scale(up, yuv->data, yuv->linesize, 0, h, out, outStride);
    av_frame_free(&yuv);
    sws_freeContext(down);
    sws_freeContext(up);
    return back;
}

bool run(const std::string& command) { return std::system(command.c_str()) == 0; }

void measure(const fs::path& movieFile, const fs::path& work, int runs, bool gifToo, int quality) {
    const std::vector<std::uint8_t> movie = readAll(movieFile);
    const fs::path video = work / (movieFile.stem().string() + ".mp4");
    VideoOptions options;
    options.quality = quality;
    double best = 1e9;
    VideoExportResult result;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        result = ExportVideo(movie, video, options, work, nullptr);
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!result.ok()) {
            std::printf("%s: %s\n", movieFile.string().c_str(), result.message.c_str());
            return;
        }
    }
    // The player's own frames of the same watch, and the plan.
    player::SoundMixer mixer;
    player::FlashPlayer player(&mixer);
    player.Load(movie);
    const double rate = RateOf(options, player.Definition()->FrameRate());
    const VideoSize size = FittedSize({player.Definition()->StageWidth(), player.Definition()->StageHeight()}, {});
    const ViewerTiming timing{options.holdSeconds, 1.0 / rate};
    SamplingSink sink;
    const vantora::ProgressScope scope(nullptr, "", 1);
    const WatchRecording recording = RecordWatch(player, mixer, timing, size, rate, sink, scope);
    player::FlashPlayer planner;
    planner.Load(movie);
    const double plannedFrames = std::ceil(PlannedSeconds(planner, timing) * rate - 1e-6);
    const Decoded decoded = decodeSampled(video);
    double lowest = 99, sum = 0, lowestLuma = 99, sumLuma = 0, lowestCeiling = 99;
    for (const auto& [index, picture] : sink.kept) {
        const auto found = decoded.kept.find(index);
        const double db = found == decoded.kept.end() ? 0 : psnr(found->second, picture);
        const double luma = found == decoded.kept.end() ? 0 : lumaPsnr(found->second, picture);
        lowest = std::min(lowest, db);
        sum += db;
        lowestLuma = std::min(lowestLuma, luma);
        sumLuma += luma;
        lowestCeiling = std::min(lowestCeiling, psnr(throughYuv420(picture), picture));
    }
    const double compared = double(std::max<std::size_t>(1, sink.kept.size()));
    std::printf("%s (%d x %d, %.0f fps)\n", movieFile.filename().string().c_str(), size.width, size.height, rate);
    std::printf("  video                %.1f s, %lld frames, %.1f MB\n", result.seconds, (long long)result.frames,
                double(fs::file_size(video)) / (1024 * 1024));
    std::printf("  export wall          %.2f s best of %d: %.1f x real time (goal >= 4)\n", best, runs,
                result.seconds / best);
    std::printf("  PSNR vs player       RGB %.1f dB lowest, %.1f dB mean; luma %.1f dB lowest, %.1f dB mean; "
                "over %zu frames at quality %d (goal >= 38)\n",
                lowest, sum / compared, lowestLuma, sumLuma / compared, sink.kept.size(), quality);
    std::printf("  yuv420p alone        RGB %.1f dB lowest (colour subsampling, no encoder)\n", lowestCeiling);
    std::printf("  length vs plan       %lld decoded frames, %lld recorded, %.0f planned (goal: within 1)\n",
                (long long)decoded.frames, (long long)recording.frames, plannedFrames);
    if (gifToo) {
        options.format = VideoFormat::Gif;
        const fs::path gif = work / (movieFile.stem().string() + ".gif");
        const auto start = std::chrono::steady_clock::now();
        const VideoExportResult made = ExportVideo(movie, gif, options, work, nullptr);
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (made.ok())
            std::printf("  GIF                  %.2f MB in %.1f s (goal <= 3 MB)\n",
                        double(fs::file_size(gif)) / (1024 * 1024), wall);
        else
            std::printf("  GIF                  %s\n", made.message.c_str());
    }
}

} // namespace

int main(int argc, char** argv) {
    int runs = 1;
    int quality = kDefaultQuality;
    std::vector<fs::path> movies;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::clamp(std::atoi(argv[++i]), 1, 20);
        else if (std::strcmp(argv[i], "--quality") == 0 && i + 1 < argc)
            quality = std::clamp(std::atoi(argv[++i]), 1, 100);
        else
            movies.emplace_back(argv[i]);
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    const fs::path work = fs::temp_directory_path() / "bench-video";
    fs::create_directories(work);
    if (movies.empty()) {
        const fs::path sample = work / "sample.swf", demo = work / "demo.swf";
        if (!run("'" VANTORA_BUILD_TOOL "' '" VANTORA_SAMPLE_PROJECT "' -o '" + sample.string() + "' 2>/dev/null") ||
            !run("'" BENCH_MOVIE "' --runs 1 --out '" + demo.string() + "' >/dev/null")) {
            std::fprintf(stderr, "bench-video: the movies could not be built\n");
            return 1;
        }
        movies = {sample, demo};
    }
    for (std::size_t i = 0; i < movies.size(); ++i)
        measure(movies[i], work, runs, i == 0, quality);
    return 0;
}
