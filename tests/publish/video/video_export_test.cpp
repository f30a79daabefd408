// Exports read back by FFmpeg's own demuxers and decoders, and by giflib: the streams, the
// length, frames against the player's pictures; and the failures that must leave the old file.

#include "publish/video/video_export.h"
#include "publish/video/watch_recorder.h"
#include "player_test_support.h"
#include "test_support.h"
#include "video_test_movies.h"

#include "player/sound_mixer.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}
#include <gif_lib.h>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

namespace vantora::video {
namespace {

namespace fs = std::filesystem;
using video_test::StopButton;
using video_test::TestMovie;

const TestMovie kTour{12, 4, StopButton::Plays, true};

struct DecodedVideo {
    std::string videoCodec, audioCodec;
    std::string pixelFormat;
    int audioRate = 0, audioChannels = 0;
    std::vector<QImage> frames;
    double audioSeconds = 0;
};

// Every frame of the file's video stream as RGB32, and the length of its sound.
DecodedVideo decode(const fs::path& file) {
    DecodedVideo out;
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, file.c_str(), nullptr, nullptr) < 0)
        return out;
    avformat_find_stream_info(format, nullptr);
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    std::vector<AVCodecContext*> decoders(format->nb_streams, nullptr);
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        const AVCodecParameters* p = format->streams[i]->codecpar;
        const AVCodec* codec = avcodec_find_decoder(p->codec_id);
        (p->codec_type == AVMEDIA_TYPE_VIDEO ? out.videoCodec : out.audioCodec) = avcodec_get_name(p->codec_id);
        if (p->codec_type == AVMEDIA_TYPE_VIDEO)
            out.pixelFormat = av_get_pix_fmt_name(AVPixelFormat(p->format));
        else {
            out.audioRate = p->sample_rate;
            out.audioChannels = p->ch_layout.nb_channels;
        }
        decoders[i] = avcodec_alloc_context3(codec);
        avcodec_parameters_to_context(decoders[i], p);
        avcodec_open2(decoders[i], codec, nullptr);
    }
    std::int64_t audioSamples = 0;
    auto drain = [&](AVCodecContext* decoder) {
        while (avcodec_receive_frame(decoder, frame) >= 0) {
            if (decoder->codec_type == AVMEDIA_TYPE_AUDIO) {
                audioSamples += frame->nb_samples;
                continue;
            }
            QImage picture(frame->width, frame->height, QImage::Format_RGB32);
            SwsContext* toRgb = sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format), frame->width,
                                               frame->height, AV_PIX_FMT_BGRA, SWS_BICUBIC | SWS_ACCURATE_RND,
                                               nullptr, nullptr, nullptr);
            std::uint8_t* rows[1] = {picture.bits()};
            const int strides[1] = {int(picture.bytesPerLine())};
            sws_scale(toRgb, frame->data, frame->linesize, 0, frame->height, rows, strides);
            sws_freeContext(toRgb);
            out.frames.push_back(picture);
        }
    };
    while (av_read_frame(format, packet) >= 0) {
        AVCodecContext* decoder = decoders[std::size_t(packet->stream_index)];
        avcodec_send_packet(decoder, packet);
        av_packet_unref(packet);
        drain(decoder);
    }
    for (AVCodecContext* decoder : decoders) {
        avcodec_send_packet(decoder, nullptr);
        drain(decoder);
        if (decoder->codec_type == AVMEDIA_TYPE_AUDIO && decoder->sample_rate > 0)
            out.audioSeconds = double(audioSamples) / decoder->sample_rate;
        avcodec_free_context(&decoder);
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    avformat_close_input(&format);
    return out;
}

// The pictures the player gives for the same watch, at the same size and rate.
std::vector<QImage> playersFrames(const std::vector<std::uint8_t>& movie, const VideoOptions& options) {
    player::SoundMixer mixer;
    player::FlashPlayer player(&mixer);
    player_test::LoadOrFail(player, movie);
    const VideoSize size = FittedSize({video_test::kStageWidth, video_test::kStageHeight}, options.size);
    const double rate = RateOf(options, video_test::kMovieRate);
    video_test::CapturingSink sink;
    ProgressScope progress(nullptr, "", 1);
    RecordWatch(player, mixer, {options.holdSeconds, 1.0 / rate}, size, rate, sink, progress);
    return sink.frames;
}

std::string readText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class VideoExport : public ::testing::Test {
protected:
    VideoExportResult exportTo(const fs::path& target, const VideoOptions& options,
                               const ProgressObserver* progress = nullptr) {
        return ExportVideo(movie_, target, options, work_.path(), progress);
    }
    test::TempDir dir_, work_;
    std::vector<std::uint8_t> movie_ = video_test::MakeMovie(kTour, dir_.path());
};

struct ContainerCase {
    VideoFormat format;
    const char* file;
    const char* videoCodec;
    const char* audioCodec;
    int audioRate;
};

class VideoContainers : public VideoExport, public ::testing::WithParamInterface<ContainerCase> {};

TEST_P(VideoContainers, DecodeToThePlayersFramesWithSoundOfTheSameLength) {
    const ContainerCase& c = GetParam();
    VideoOptions options;
    options.format = c.format;
    options.holdSeconds = 0.5;
    const fs::path target = dir_.path() / c.file;
    const VideoExportResult result = exportTo(target, options);
    ASSERT_TRUE(result.ok()) << result.message;

    const std::vector<QImage> expected = playersFrames(movie_, options);
    const DecodedVideo video = decode(target);
    EXPECT_EQ(video.videoCodec, c.videoCodec);
    EXPECT_EQ(video.audioCodec, c.audioCodec);
    EXPECT_EQ(video.pixelFormat, "yuv420p");
    EXPECT_EQ(video.audioRate, c.audioRate);
    EXPECT_EQ(video.audioChannels, 2);
    ASSERT_EQ(video.frames.size(), expected.size());
    EXPECT_EQ(result.frames, std::int64_t(expected.size()));
    const double seconds = double(expected.size()) / video_test::kMovieRate;
    EXPECT_NEAR(video.audioSeconds, seconds, 1.0 / video_test::kMovieRate);
    for (std::size_t n : {std::size_t(0), expected.size() / 2, expected.size() - 1})
        EXPECT_GE(video_test::Psnr(video.frames[n], expected[n]), 38.0) << "frame " << n;
    // Nothing is left beside the video, nor in the work folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(work_.path()), {}), 0);
}

INSTANTIATE_TEST_SUITE_P(Formats, VideoContainers,
                         ::testing::Values(ContainerCase{VideoFormat::Mp4, "tour.mp4", "h264", "aac", 44100},
                                           ContainerCase{VideoFormat::WebM, "tour.webm", "vp9", "opus", 48000}));

TEST_F(VideoExport, Mp4HasItsIndexBeforeThePictures) {
    VideoOptions options;
    options.holdSeconds = 0;
    options.size = VideoSize{50, 50};
    const fs::path target = dir_.path() / "small.mp4";
    ASSERT_TRUE(exportTo(target, options).ok());
    const std::string bytes = readText(target);
    const auto moov = bytes.find("moov"), mdat = bytes.find("mdat");
    ASSERT_NE(moov, std::string::npos);
    EXPECT_LT(moov, mdat);
    EXPECT_EQ(decode(target).frames.front().size(), QSize(50, 40)); // scaled into the box, aspect kept
}

TEST_F(VideoExport, GifKeepsOnlyChangedPixelsAndTheWholeTime) {
    VideoOptions options;
    options.format = VideoFormat::Gif;
    const fs::path target = dir_.path() / "tour.gif";
    const VideoExportResult result = exportTo(target, options);
    ASSERT_TRUE(result.ok()) << result.message;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(target.c_str(), &error);
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    EXPECT_EQ(gif->SWidth, video_test::kStageWidth);
    ASSERT_GE(gif->ImageCount, 3);
    int hundredths = 0, partial = 0, transparent = 0;
    for (int i = 0; i < gif->ImageCount; ++i) {
        GraphicsControlBlock control{};
        ASSERT_EQ(DGifSavedExtensionToGCB(gif, i, &control), GIF_OK);
        hundredths += control.DelayTime;
        const GifImageDesc& area = gif->SavedImages[i].ImageDesc;
        partial += area.Width * area.Height < gif->SWidth * gif->SHeight;
        transparent += control.TransparentColor != NO_TRANSPARENT_COLOR;
    }
    EXPECT_EQ(gif->SavedImages[0].ImageDesc.Width, video_test::kStageWidth); // the first frame is whole
    EXPECT_GT(partial, 0);
    EXPECT_GT(transparent, 0);
    // Ten frames a second: the GIF lasts exactly as long as its frames.
    EXPECT_EQ(hundredths, result.frames * 10);
    DGifCloseFile(gif, &error);
}

TEST_F(VideoExport, FolderThatCannotTakeTheFileIsToldBeforeAnyFrame) {
    test::writeFileBytes(dir_.path() / "plain", {'x'});
    bool opened = false;
    ProgressObserver progress;
    progress.open = [&](std::string_view, int) { opened = true; };
    const fs::path target = dir_.path() / "plain" / "tour.mp4";
    const VideoExportResult result = exportTo(target, {}, &progress);
    EXPECT_EQ(result.status, VideoExportResult::Status::TargetRefused);
    EXPECT_NE(result.message.find(target.string()), std::string::npos);
    EXPECT_FALSE(opened);
}

struct FailureCase {
    const char* name;
    VideoFormat format;
    bool cancel;  // cancelled after a few frames
    bool damaged; // the movie is not a movie
};

class VideoFailures : public VideoExport, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(VideoFailures, LeaveTheOldFileAndNothingElse) {
    const FailureCase& c = GetParam();
    const fs::path target = dir_.path() / (c.format == VideoFormat::Gif ? "old.gif" : "old.mp4");
    test::writeFileBytes(target, {'o', 'l', 'd'});
    const auto before = std::distance(fs::directory_iterator(dir_.path()), {});
    int asked = 0;
    ProgressObserver progress;
    progress.cancelled = [&] { return c.cancel && ++asked > 5; };
    if (c.damaged)
        movie_.resize(40);
    VideoOptions options;
    options.format = c.format;
    const VideoExportResult result = exportTo(target, options, &progress);
    EXPECT_EQ(result.status, c.cancel ? VideoExportResult::Status::Cancelled : VideoExportResult::Status::Failed);
    EXPECT_EQ(result.message.empty(), c.cancel);
    EXPECT_EQ(readText(target), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), {}), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(work_.path()), {}), 0);
}

INSTANTIATE_TEST_SUITE_P(Ends, VideoFailures,
                         ::testing::Values(FailureCase{"CancelledMp4", VideoFormat::Mp4, true, false},
                                           FailureCase{"CancelledGif", VideoFormat::Gif, true, false},
                                           FailureCase{"DamagedMovie", VideoFormat::Mp4, false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vantora::video
