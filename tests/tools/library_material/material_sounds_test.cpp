// The sounds: mono 16-bit PCM WAV files that our RIFF reader accepts, audible but not clipped,
// short enough for a click or a chime; and the WAV writer itself at its edges.

#include "library_material/sound_synthesis.h"
#include "library_material/wave_file.h"
#include "material_test_support.h"
#include "swf/wave_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace vantora::material {
namespace {

swf::TWaveInfo readWave(const std::vector<std::uint8_t>& bytes) {
    swf::TMemorySoundSource source(bytes.data(), bytes.size());
    return swf::TWaveReader::ReadWave(source);
}

std::vector<int> samplesOf(const std::vector<std::uint8_t>& bytes, const swf::TWaveInfo& info) {
    std::vector<int> samples;
    for (std::uint64_t at = info.DataOffset; at + 1 < info.DataOffset + info.DataSize && at + 1 < bytes.size(); at += 2)
        samples.push_back(static_cast<std::int16_t>(bytes[at] | bytes[at + 1] << 8));
    return samples;
}

std::vector<const MaterialFile*> allSounds() {
    std::vector<const MaterialFile*> sounds = test::FilesIn("Audios");
    sounds.push_back(test::Find("DefaultClick.wav"));
    return sounds;
}

TEST(MaterialSounds, TheAudiosFolderHoldsTheSynthesisedSounds) {
    std::vector<std::string> names;
    for (const MaterialFile* file : test::FilesIn("Audios"))
        names.push_back(file->relativePath.filename().string());
    for (const char* expected : {"MouseClick.wav", "KeyTap.wav", "Chime.wav", "Whoosh.wav", "Pop.wav", "ErrorBuzz.wav"})
        EXPECT_NE(std::find(names.begin(), names.end(), expected), names.end()) << expected;
}

TEST(MaterialSounds, EverySoundIsMonoSixteenBitPcmThatTheReaderAccepts) {
    for (const MaterialFile* file : allSounds()) {
        ASSERT_NE(file, nullptr);
        const swf::TWaveInfo info = readWave(file->bytes);
        EXPECT_EQ(info.FormatTag, swf::wfPCM) << file->relativePath;
        EXPECT_EQ(info.Channels, 1u) << file->relativePath;
        EXPECT_EQ(info.SampleRate, std::uint32_t(kSoundSampleRate)) << file->relativePath;
        EXPECT_EQ(info.BitsPerSample, 16u) << file->relativePath;
        EXPECT_EQ(info.DataOffset, 44u) << file->relativePath;
        EXPECT_EQ(info.DataSize, file->bytes.size() - 44) << file->relativePath;
        EXPECT_EQ(info.SampleCount, info.DataSize / 2) << file->relativePath;
        EXPECT_GT(info.Duration, 0.05) << file->relativePath;
        EXPECT_LT(info.Duration, 2.0) << file->relativePath;
    }
}

TEST(MaterialSounds, EverySoundIsAudibleWithoutClipping) {
    for (const MaterialFile* file : allSounds()) {
        const std::vector<int> samples = samplesOf(file->bytes, readWave(file->bytes));
        ASSERT_FALSE(samples.empty()) << file->relativePath;
        int peak = 0;
        for (int sample : samples)
            peak = std::max(peak, std::abs(sample));
        EXPECT_GT(peak, 32767 / 2) << file->relativePath << " is too quiet";
        EXPECT_LT(peak, 32767) << file->relativePath << " clips";
        // Each sound dies away rather than stopping with a crack.
        EXPECT_LT(std::abs(samples.back()), 32767 / 20) << file->relativePath;
    }
}

TEST(MaterialSounds, TheDefaultClickIsTheMouseClickOfTheLibrary) {
    const MaterialFile* click = test::Find("DefaultClick.wav");
    const MaterialFile* library = test::Find("Audios/MouseClick.wav");
    ASSERT_NE(click, nullptr);
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(click->bytes, library->bytes);
    EXPECT_LT(readWave(click->bytes).Duration, 0.2);
}

TEST(WaveFile, SamplesAreClampedAndRoundedToSixteenBits) {
    const std::vector<double> samples = {0.0, 1.0, -1.0, 2.5, -7.0, 0.5, -0.25};
    const std::vector<std::uint8_t> bytes = EncodeWave16(samples, 8000);
    const swf::TWaveInfo info = readWave(bytes);
    EXPECT_EQ(info.SampleRate, 8000u);
    EXPECT_EQ(samplesOf(bytes, info), (std::vector<int>{0, 32767, -32767, 32767, -32767, 16384, -8192}));
}

TEST(WaveFile, TheRiffSizeCoversEverythingAfterItsField) {
    const std::vector<std::uint8_t> bytes = EncodeWave16(std::vector<double>(5, 0.1));
    ASSERT_EQ(bytes.size(), 44u + 10u);
    const std::uint32_t riffSize = bytes[4] | bytes[5] << 8 | bytes[6] << 16 | std::uint32_t(bytes[7]) << 24;
    EXPECT_EQ(riffSize, bytes.size() - 8);
}

TEST(WaveFile, NoSamplesGiveAnEmptyDataChunk) {
    const std::vector<std::uint8_t> bytes = EncodeWave16({});
    EXPECT_EQ(bytes.size(), 44u);
    const swf::TWaveInfo info = readWave(bytes);
    EXPECT_EQ(info.FormatTag, swf::wfPCM);
    EXPECT_EQ(info.DataSize, 0u);
}

} // namespace
} // namespace vantora::material
