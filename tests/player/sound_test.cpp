// Sounds: event sounds started by frames reach the output decoded, stop and no-multiple starts
// are honoured, MP3 is decoded, and the mixer sums, loops and clips.
#include "player_test_support.h"

#include "player/sound_decoder.h"
#include "player/sound_mixer.h"
#include "sound_builders.h"
#include "swf/sound.h"
#include "swf/sprite.h"
#include "test_support.h"

using namespace player_test;

namespace {

std::filesystem::path WriteWav(const vantora::test::TempDir& dir, int frames, uint16_t channels = 1) {
    std::vector<uint8_t> data(size_t(frames) * 2 * channels, 0);
    for (size_t i = 0; i < data.size(); i += 2)
        data[i + 1] = 0x10; // 4096
    const auto path = dir / "sound.wav";
    vantora::test::writeFileBytes(path, swf_test::makeWav(1, channels, 11025, 16, data));
    return path;
}

} // namespace

TEST(PlayerSound, FrameSoundsStartWithTheirDecodedSamples) {
    vantora::test::TempDir dir;
    auto movie = NewMovie();
    auto* sound = movie->AddSound(WriteWav(dir, 300, 2));
    auto* sprite = movie->AddSprite();
    sprite->StartSound(sound);
    sprite->ShowFrame();
    movie->ShowFrame();
    movie->PlaceObject(sprite, 1);
    movie->ShowFrame();
    RecordingOutput output;
    player::FlashPlayer p(&output);
    LoadOrFail(p, MovieBytes(*movie));
    EXPECT_TRUE(output.started.empty());
    p.Tick();
    ASSERT_EQ(output.started.size(), 1u);
    EXPECT_EQ(output.started[0].frames, 300u);
    EXPECT_EQ(output.started[0].channels, 2);
    EXPECT_EQ(output.started[0].rate, 11025);
    EXPECT_EQ(output.started[0].to, 300u);
    p.Stop();
    EXPECT_GE(output.stopAllCount, 1);
}

TEST(PlayerSound, Mp3DataDecodesToSamples) {
    const std::vector<uint8_t> mp3 = swf_test::makeMp3(10, true);
    const player::PcmSound pcm = player::DecodeMp3(mp3);
    EXPECT_EQ(pcm.rate, 44100);
    EXPECT_EQ(pcm.channels, 1);
    EXPECT_GE(pcm.Frames(), 1152u * 8); // the decoder may hold back the last frames
    EXPECT_TRUE(player::DecodeMp3(std::vector<uint8_t>(500, 0x55)).samples.empty());
}

TEST(PlayerSound, UnplayableFormatsDecodeToNothing) {
    player::SoundDef adpcm;
    adpcm.format = 1;
    adpcm.data.assign(100, 1);
    EXPECT_EQ(player::DecodeSound(adpcm), nullptr);
    player::SoundDef empty;
    EXPECT_EQ(player::DecodeSound(empty), nullptr);
    player::SoundDef eightBit;
    eightBit.is16Bit = false;
    eightBit.data = {128, 255, 0};
    const auto pcm = player::DecodeSound(eightBit);
    ASSERT_NE(pcm, nullptr);
    EXPECT_EQ(pcm->samples, (std::vector<int16_t>{0, 127 << 8, -128 << 8}));
}

TEST(PlayerSound, MixerSumsClipsLoopsAndStops) {
    auto loud = std::make_shared<player::PcmSound>();
    loud->rate = 44100;
    loud->samples.assign(4, 30000);
    player::SoundMixer mixer;
    mixer.Start(1, loud, 0, 4, 2);
    mixer.Start(2, loud, 2, 4, 1);
    std::vector<int16_t> out(20, -1);
    mixer.Mix(out.data(), 10);
    // Frames 0-1: both voices (clipped); 2-3 the first only; 4-7 its second loop; then silence.
    EXPECT_EQ(out[0], 32767);
    EXPECT_EQ(out[3], 32767);
    EXPECT_EQ(out[4], 30000);
    EXPECT_EQ(out[15], 30000);
    EXPECT_EQ(out[16], 0);
    EXPECT_EQ(mixer.VoiceCount(), 0u);
    mixer.Start(3, loud, 0, 4, 100);
    EXPECT_TRUE(mixer.IsPlaying(3));
    mixer.Stop(3);
    EXPECT_FALSE(mixer.IsPlaying(3));
    mixer.Start(4, loud, 4, 4, 1); // an empty range starts nothing
    EXPECT_FALSE(mixer.IsPlaying(4));
}
