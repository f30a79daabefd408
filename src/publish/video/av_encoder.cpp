#include "publish/video/av_encoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>
#include <string>

namespace vantora::video {
namespace {

constexpr int kSourceSoundRate = 44100;
// A key frame every few seconds lets players seek without decoding from the start.
constexpr double kKeyFrameSeconds = 5.0;

std::string errorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

int check(int result, const std::string& what) {
    if (result < 0)
        throw VideoError(what + ": " + errorText(result));
    return result;
}

// Quality 1 .. 100 as the encoders' constant-quality numbers (lower is better).
std::string h264Crf(int quality) { return std::to_string(int(std::lround(8 + (100 - quality) * 0.43))); }
std::string vp9Crf(int quality) { return std::to_string(int(std::lround(10 + (100 - quality) * 0.53))); }

} // namespace

struct AvEncoder::State {
    AVFormatContext* format = nullptr;
    AVCodecContext* video = nullptr;
    AVCodecContext* audio = nullptr;
    AVStream* videoStream = nullptr;
    AVStream* audioStream = nullptr;
    SwsContext* scaler = nullptr;
    SwrContext* resampler = nullptr;
    AVAudioFifo* fifo = nullptr;
    AVFrame* picture = nullptr;
    AVPacket* packet = nullptr;
    std::int64_t videoPts = 0;
    std::int64_t audioPts = 0;

    ~State() {
        av_packet_free(&packet);
        av_frame_free(&picture);
        if (fifo)
            av_audio_fifo_free(fifo);
        swr_free(&resampler);
        sws_freeContext(scaler);
        avcodec_free_context(&video);
        avcodec_free_context(&audio);
        if (format) {
            if (format->pb)
                avio_closep(&format->pb);
            avformat_free_context(format);
        }
    }

    AVCodecContext* openCodec(const char* name) {
        const AVCodec* codec = avcodec_find_encoder_by_name(name);
        if (!codec)
            throw VideoError(std::string("The encoder ") + name + " is not available.");
        AVCodecContext* context = avcodec_alloc_context3(codec);
        if (!context)
            throw VideoError("Not enough memory for the video encoder.");
        if (format->oformat->flags & AVFMT_GLOBALHEADER)
            context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        return context;
    }

    AVStream* addStream(AVCodecContext* context, AVDictionary** options, const char* what) {
        const int opened = avcodec_open2(context, context->codec, options);
        av_dict_free(options);
        check(opened, std::string("The ") + what + " encoder could not start");
        AVStream* stream = avformat_new_stream(format, nullptr);
        if (!stream)
            throw VideoError("Not enough memory for the video file.");
        check(avcodec_parameters_from_context(stream->codecpar, context), "The video file could not be set up");
        stream->time_base = context->time_base;
        return stream;
    }

    void openVideo(VideoFormat kind, VideoSize size, double rate, int quality) {
        const bool mp4 = kind == VideoFormat::Mp4;
        video = openCodec(mp4 ? "libx264" : "libvpx-vp9");
        const AVRational fps = av_d2q(rate, 100000);
        video->width = size.width;
        video->height = size.height;
        video->pix_fmt = AV_PIX_FMT_YUV420P;
        video->time_base = av_inv_q(fps);
        video->framerate = fps;
        video->gop_size = std::max(1, int(rate * kKeyFrameSeconds));
        video->color_range = AVCOL_RANGE_MPEG;
        video->colorspace = AVCOL_SPC_SMPTE170M;
        video->color_primaries = AVCOL_PRI_SMPTE170M;
        video->color_trc = AVCOL_TRC_SMPTE170M;
        video->thread_count = 0;
        AVDictionary* options = nullptr;
        if (mp4) {
            av_dict_set(&options, "preset", "veryfast", 0);
            av_dict_set(&options, "crf", h264Crf(quality).c_str(), 0);
        } else {
            video->bit_rate = 0;
            av_dict_set(&options, "crf", vp9Crf(quality).c_str(), 0);
            av_dict_set(&options, "deadline", "realtime", 0);
            av_dict_set(&options, "cpu-used", "8", 0);
            av_dict_set(&options, "row-mt", "1", 0);
        }
        videoStream = addStream(video, &options, "video");
        videoStream->avg_frame_rate = fps;
        picture = av_frame_alloc();
        if (!picture)
            throw VideoError("Not enough memory for the video encoder.");
        picture->format = video->pix_fmt;
        picture->width = size.width;
        picture->height = size.height;
        check(av_frame_get_buffer(picture, 0), "Not enough memory for the video encoder");
        scaler = sws_getContext(size.width, size.height, AV_PIX_FMT_BGRA, size.width, size.height, AV_PIX_FMT_YUV420P,
                                SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
        if (!scaler)
            throw VideoError("The picture converter could not start.");
    }

    void openAudio(VideoFormat kind) {
        const bool mp4 = kind == VideoFormat::Mp4;
        audio = openCodec(mp4 ? "aac" : "libopus");
        audio->sample_fmt = mp4 ? AV_SAMPLE_FMT_FLTP : AV_SAMPLE_FMT_S16;
        audio->sample_rate = mp4 ? kSourceSoundRate : 48000;
        av_channel_layout_default(&audio->ch_layout, 2);
        audio->bit_rate = mp4 ? 128000 : 96000;
        audio->time_base = AVRational{1, audio->sample_rate};
        AVDictionary* options = nullptr;
        audioStream = addStream(audio, &options, "sound");
        AVChannelLayout stereo{};
        av_channel_layout_default(&stereo, 2);
        check(swr_alloc_set_opts2(&resampler, &audio->ch_layout, audio->sample_fmt, audio->sample_rate, &stereo,
                                  AV_SAMPLE_FMT_S16, kSourceSoundRate, 0, nullptr),
              "The sound converter could not start");
        check(swr_init(resampler), "The sound converter could not start");
        fifo = av_audio_fifo_alloc(audio->sample_fmt, 2, std::max(audio->frame_size, 1024));
        if (!fifo)
            throw VideoError("Not enough memory for the sound encoder.");
    }

    void send(AVCodecContext* context, AVStream* stream, const AVFrame* frame) {
        check(avcodec_send_frame(context, frame), "The encoder failed");
        while (true) {
            const int got = avcodec_receive_packet(context, packet);
            if (got == AVERROR(EAGAIN) || got == AVERROR_EOF)
                return;
            check(got, "The encoder failed");
            av_packet_rescale_ts(packet, context->time_base, stream->time_base);
            packet->stream_index = stream->index;
            check(av_interleaved_write_frame(format, packet), "The video file could not be written");
        }
    }

    // Encodes the sound waiting in the queue in whole encoder frames; `all` also the rest.
    void drainSound(bool all) {
        const int frameSize = audio->frame_size > 0 ? audio->frame_size : 1024;
        while (av_audio_fifo_size(fifo) >= frameSize || (all && av_audio_fifo_size(fifo) > 0)) {
            AVFrame* frame = av_frame_alloc();
            if (!frame)
                throw VideoError("Not enough memory for the sound encoder.");
            frame->nb_samples = std::min(frameSize, av_audio_fifo_size(fifo));
            frame->format = audio->sample_fmt;
            frame->sample_rate = audio->sample_rate;
            av_channel_layout_copy(&frame->ch_layout, &audio->ch_layout);
            int result = av_frame_get_buffer(frame, 0);
            if (result >= 0) {
                av_audio_fifo_read(fifo, reinterpret_cast<void**>(frame->data), frame->nb_samples);
                frame->pts = audioPts;
                audioPts += frame->nb_samples;
            }
            try {
                check(result, "Not enough memory for the sound encoder");
                send(audio, audioStream, frame);
            } catch (...) {
                av_frame_free(&frame);
                throw;
            }
            av_frame_free(&frame);
        }
    }

    void queueSound(const std::uint8_t** input, int frames) {
        const int room = swr_get_out_samples(resampler, frames);
        if (room <= 0)
            return;
        std::uint8_t** converted = nullptr;
        check(av_samples_alloc_array_and_samples(&converted, nullptr, 2, room, audio->sample_fmt, 0),
              "Not enough memory for the sound encoder");
        const int made = swr_convert(resampler, converted, room, input, frames);
        const int queued = made > 0 ? av_audio_fifo_write(fifo, reinterpret_cast<void**>(converted), made) : made;
        av_freep(&converted[0]);
        av_freep(&converted);
        check(made, "The sound could not be converted");
        check(queued, "Not enough memory for the sound encoder");
    }
};

AvEncoder::AvEncoder(const std::filesystem::path& file, VideoFormat format, VideoSize size, double rate, int quality)
    : state_(std::make_unique<State>()) {
    // The encoders' own chatter stays off stderr, where the progress goes; errors still show.
    av_log_set_level(AV_LOG_ERROR);
    State& s = *state_;
    const char* container = format == VideoFormat::Mp4 ? "mp4" : "webm";
    check(avformat_alloc_output_context2(&s.format, nullptr, container, file.c_str()),
          "The video file could not be set up");
    s.packet = av_packet_alloc();
    if (!s.packet)
        throw VideoError("Not enough memory for the video encoder.");
    s.openVideo(format, size, rate, quality);
    s.openAudio(format);
    check(avio_open(&s.format->pb, file.c_str(), AVIO_FLAG_WRITE), "\"" + file.string() + "\" cannot be written");
    AVDictionary* options = nullptr;
    if (format == VideoFormat::Mp4)
        av_dict_set(&options, "movflags", "+faststart", 0);
    const int written = avformat_write_header(s.format, &options);
    av_dict_free(&options);
    check(written, "The video file could not be written");
}

AvEncoder::~AvEncoder() = default;

void AvEncoder::AddFrame(const QImage& picture) {
    State& s = *state_;
    check(av_frame_make_writable(s.picture), "Not enough memory for the video encoder");
    const std::uint8_t* rows[1] = {picture.constBits()};
    const int strides[1] = {int(picture.bytesPerLine())};
    sws_scale(s.scaler, rows, strides, 0, picture.height(), s.picture->data, s.picture->linesize);
    s.picture->pts = s.videoPts++;
    s.send(s.video, s.videoStream, s.picture);
}

void AvEncoder::AddSound(std::span<const std::int16_t> samples) {
    const std::uint8_t* input[1] = {reinterpret_cast<const std::uint8_t*>(samples.data())};
    state_->queueSound(input, int(samples.size() / 2));
    state_->drainSound(false);
}

void AvEncoder::Finish() {
    State& s = *state_;
    s.queueSound(nullptr, 0);
    s.drainSound(true);
    s.send(s.audio, s.audioStream, nullptr);
    s.send(s.video, s.videoStream, nullptr);
    check(av_write_trailer(s.format), "The video file could not be written");
    const int fileError = s.format->pb->error;
    check(avio_closep(&s.format->pb), "The video file could not be written");
    check(fileError, "The video file could not be written");
}

} // namespace vantora::video
