#include "swf/errors.h"
#include "swf/id3.h"
#include "swf/mpeg_audio.h"
#include "swf/shape.h"
#include "swf/sound.h"
#include "swf/sprite.h"
#include "swf/wave_reader.h"

#include "sound_builders.h"

#include <cmath>
#include "swf_test_helpers.h"

using namespace swf;
using namespace swf_test;
using vantora::test::TempDir;

namespace {

TWaveInfo readWave(const std::vector<uint8_t>& bytes) {
    TMemorySoundSource source(bytes.data(), bytes.size());
    return TWaveReader::ReadWave(source);
}

TWaveInfo readMp3(const std::vector<uint8_t>& bytes) {
    TMemorySoundSource source(bytes.data(), bytes.size());
    return TWaveReader::ReadMP3(source);
}

std::filesystem::path writeFile(const TempDir& dir, const std::string& name, const std::vector<uint8_t>& bytes) {
    vantora::test::writeFileBytes(dir / name, bytes);
    return dir / name;
}

} // namespace

// ---------------------------------------------------------------- readers

TEST(SoundWaveReader, ReadsPcmFieldsPastOtherChunks) {
    const TWaveInfo info = readWave(makeWav(1, 2, 22050, 16, std::vector<uint8_t>(400, 1), true));
    EXPECT_EQ(info.FormatTag, 1u);
    EXPECT_EQ(info.Channels, 2u);
    EXPECT_EQ(info.SampleRate, 22050u);
    EXPECT_EQ(info.BitsPerSample, 16u);
    EXPECT_EQ(info.SampleCount, 100u);
    EXPECT_EQ(info.DataSize, 400u);
    EXPECT_EQ(info.DataOffset, 12u + 14u + 24u + 8u); // RIFF header, LIST (odd, padded), fmt, data header
}

TEST(SoundWaveReader, DamagedFilesGiveZeroFieldsOrWhatIsThere) {
    const std::vector<uint8_t> good = makeWav(1, 1, 8000, 8, std::vector<uint8_t>(100, 7));
    // Cut anywhere inside the header: nothing is read.
    for (size_t cut = 0; cut < 44; ++cut) {
        const TWaveInfo info = readWave(std::vector<uint8_t>(good.begin(), good.begin() + ptrdiff_t(cut)));
        EXPECT_EQ(info.SampleCount, 0u) << "cut " << cut;
        EXPECT_EQ(info.DataSize, 0u) << "cut " << cut;
    }
    // A data chunk claiming more than the file holds keeps the bytes that are there.
    std::vector<uint8_t> longData = good;
    longData[40] = 0xFF; longData[41] = 0xFF; longData[42] = 0xFF; longData[43] = 0x7F;
    EXPECT_EQ(readWave(longData).DataSize, 100u);
    EXPECT_EQ(readWave(longData).SampleCount, 100u);
    // A chunk whose size jumps past the end hides the chunks after it.
    std::vector<uint8_t> body = {'W', 'A', 'V', 'E'};
    putChunk(body, "junk", {1, 2}, 0xFFFFFFF0u);
    std::vector<uint8_t> file = {'R', 'I', 'F', 'F', 0, 0, 0, 0};
    file.insert(file.end(), body.begin(), body.end());
    EXPECT_EQ(readWave(file).FormatTag, 0u);
    // A format chunk shorter than its fields, and zero channels or bits, divide by nothing.
    std::vector<uint8_t> zeroBits = makeWav(1, 0, 8000, 0, std::vector<uint8_t>(10, 0));
    EXPECT_EQ(readWave(zeroBits).SampleCount, 0u);
}

TEST(SoundMpegReader, DecodesFrameCountAndDurationAfterId3) {
    const TWaveInfo info = readMp3(makeMp3(10, false, 300));
    EXPECT_EQ(info.FormatTag, uint32_t(wfPlainMP3));
    EXPECT_EQ(info.SampleRate, 44100u);
    EXPECT_EQ(info.Channels, 2u);
    EXPECT_EQ(info.SamplesPerFrame, 1152u);
    EXPECT_EQ(info.FrameLength, 417u);
    EXPECT_EQ(info.FrameCount, 10u);
    EXPECT_EQ(info.BitRate, 128u);
    EXPECT_EQ(info.DataOffset, 0u);
    EXPECT_EQ(info.DataSize, 310u + 4170u); // the whole file, tag included
    // CBR duration: 4170 bytes at 128 kbit/s.
    EXPECT_NEAR(info.Duration, 4170.0 * 8 / 128000.0, 1e-9);
    EXPECT_EQ(info.SampleCount, uint32_t(std::llround(44100.0 * 4170.0 * 8 / 128000.0)));
    EXPECT_EQ(readMp3(makeMp3(3, true)).Channels, 1u);
}

TEST(SoundMpegReader, FrameHeaderTableCases) {
    struct Case { uint8_t b1, b2; int version, layer, rate, bitRate, samples, length; };
    const Case cases[] = {
        {0xFB, 0x90, 10, 3, 44100, 128, 1152, 417},  // MPEG-1 layer III
        {0xFD, 0x94, 10, 2, 48000, 160, 1152, 480},  // MPEG-1 layer II
        {0xFF, 0x90, 10, 1, 44100, 288, 384, 312},   // MPEG-1 layer I: (12*288000/44100)*4
        {0xF3, 0x90, 20, 3, 22050, 80, 576, 261},    // MPEG-2 layer III
        {0xE3, 0x98, 25, 3, 8000, 80, 576, 720},     // MPEG-2.5 layer III
    };
    for (const Case& c : cases) {
        const uint8_t bytes[4] = {0xFF, c.b1, c.b2, 0};
        TMPEGFrameHeader h;
        ASSERT_TRUE(DecodeMPEGFrameHeader(bytes, h)) << int(c.b1) << " " << int(c.b2);
        EXPECT_EQ(h.Version, c.version);
        EXPECT_EQ(h.Layer, c.layer);
        EXPECT_EQ(h.SampleRate, c.rate);
        EXPECT_EQ(h.BitRate, c.bitRate);
        EXPECT_EQ(h.SamplesPerFrame, c.samples);
        EXPECT_EQ(h.FrameLength, c.length);
    }
    const uint8_t invalid[][4] = {{0xFF, 0xEB, 0x90, 0}, {0xFF, 0xF9, 0x90, 0}, {0xFF, 0xFB, 0xF0, 0}, {0xFF, 0xFB, 0x0C, 0}};
    for (const auto& bytes : invalid) {
        TMPEGFrameHeader h;
        EXPECT_FALSE(DecodeMPEGFrameHeader(bytes, h));
    }
}

TEST(SoundMpegReader, FilesWithoutAFrameOrWithHugeTagsReportNothing) {
    const std::vector<std::vector<uint8_t>> files = {
        {},
        std::vector<uint8_t>(5000, 0x42),
        makeMp3(0, false, 100),
        {'I', 'D', '3', 3, 0, 0, 0x7F, 0x7F, 0x7F, 0x7F, 0xFF, 0xFB, 0x90, 0}, // tag larger than the file
        {0xFF, 0xFB, 0x90}, // a header cut short
    };
    for (size_t i = 0; i < files.size(); ++i) {
        const TWaveInfo info = readMp3(files[i]);
        EXPECT_EQ(info.SampleRate, 0u) << i;
        EXPECT_EQ(info.SampleCount, 0u) << i;
        EXPECT_EQ(info.FormatTag, 0u) << i;
    }
}

TEST(SoundMpegReader, XingHeaderGivesTheFrameCount) {
    std::vector<uint8_t> file = makeMp3(4);
    const size_t at = 4 + 32;
    const uint8_t xing[] = {'X', 'i', 'n', 'g', 0, 0, 0, 1, 0, 0, 0, 3};
    std::copy(std::begin(xing), std::end(xing), file.begin() + ptrdiff_t(at));
    const TWaveInfo info = readMp3(file);
    EXPECT_EQ(info.FrameCount, 3u);
    EXPECT_NEAR(info.Duration, 3.0 * 1152 / 44100, 1e-9);
}

TEST(SoundId3, ReadsTagsAndRefusesBrokenSizes) {
    std::vector<uint8_t> file = makeMp3(1, false, 20);
    std::vector<uint8_t> v1(128, 0);
    v1[0] = 'T'; v1[1] = 'A'; v1[2] = 'G'; v1[3] = 'H'; v1[4] = 'i';
    file.insert(file.end(), v1.begin(), v1.end());
    TMemorySoundSource source(file.data(), file.size());
    TID3v2 v2;
    ASSERT_TRUE(v2.Read(source));
    EXPECT_EQ(v2.TotalSize(), 30u);
    TID3v1 tag;
    ASSERT_TRUE(tag.Read(source));
    EXPECT_EQ(tag.Title(), "Hi");
    std::vector<uint8_t> badSize = {'I', 'D', '3', 3, 0, 0, 0x80, 0, 0, 0};
    TMemorySoundSource bad(badSize.data(), badSize.size());
    EXPECT_FALSE(v2.Read(bad));
}

// ---------------------------------------------------------------- sound character and tags

TEST(SoundCharacter, FormatBytesByFileKind) {
    TempDir dir;
    struct Case { std::string name; std::vector<uint8_t> bytes; uint8_t formatByte; uint32_t samples; int minVersion; };
    const std::vector<Case> cases = {
        {"stereo22.wav", makeWav(1, 2, 22050, 16, std::vector<uint8_t>(400, 1)), 0x0B, 100, 1},
        {"mono8k.WAV", makeWav(1, 1, 8000, 8, std::vector<uint8_t>(50, 1)), 0x00, 50, 1},
        {"mono11.wav", makeWav(1, 1, 11025, 16, std::vector<uint8_t>(50, 1)), 0x06, 25, 1},
        {"mono16k.wav", makeWav(1, 1, 16000, 16, std::vector<uint8_t>(50, 1)), 0x0A, 25, 1},
        {"odd.wav", makeWav(1, 1, 30000, 16, std::vector<uint8_t>(50, 1)), 0x02, 25, 1},
        {"music.mp3", makeMp3(5), 0x2F, 5747, 4},
        {"notes.txt", {1, 2, 3}, 0x00, 0, 1},
    };
    for (const Case& c : cases) {
        TFlashMovie movie(0, 0, 100, 100, 12, true);
        TFlashSound* sound = movie.AddSound(writeFile(dir, c.name, c.bytes));
        EXPECT_EQ(sound->FormatByte(), c.formatByte) << c.name;
        EXPECT_EQ(sound->SampleCount(), c.samples) << c.name;
        EXPECT_EQ(sound->MinVersion(), c.minVersion) << c.name;
    }
}

TEST(SoundCharacter, DefineSoundBodiesCopyTheData) {
    TempDir dir;
    TFlashMovie movie(0, 0, 100, 100, 12, true);
    const std::vector<uint8_t> pcm = {1, 2, 3, 4, 5, 6, 7, 8};
    TFlashSound* wav = movie.AddSound(writeFile(dir, "a.wav", makeWav(1, 2, 22050, 16, pcm)));
    EXPECT_EQ(hex(tagBytes(*wav)), "8f03" "0100" "0b" "02000000" "0102030405060708");

    const std::vector<uint8_t> mp3 = makeMp3(2);
    TFlashSound* music = movie.AddSound(writeFile(dir, "b.mp3", mp3));
    const Bytes tag = tagBytes(*music);
    ASSERT_EQ(tag.size(), 6u + 2 + 1 + 4 + 2 + mp3.size());
    EXPECT_EQ(hex(Bytes(tag.begin() + 6, tag.begin() + 15)), "0200" "2f" "fb080000" "0000");
    EXPECT_TRUE(std::equal(mp3.begin(), mp3.end(), tag.begin() + 15));

    // A missing file leaves the sound empty: a DefineSound without data.
    TFlashSound* missing = movie.AddSound(dir / "gone.wav");
    EXPECT_EQ(hex(tagBytes(*missing)), "8703" "0300" "00" "00000000");
}

TEST(SoundCharacter, AdpcmIsRefusedAndAddsNothing) {
    TempDir dir;
    TFlashMovie movie(0, 0, 100, 100, 12, true);
    EXPECT_THROW(movie.AddSound(writeFile(dir, "x.wav", makeWav(2, 1, 22050, 4, std::vector<uint8_t>(20, 0)))), Error);
    EXPECT_TRUE(movie.Objects().empty());
}

TEST(SoundCharacter, StartSoundEncodings) {
    TSWFStartSound plain(7);
    EXPECT_EQ(hex(tagBytes(plain)), "c303" "0700" "00");
    TSWFStartSound all(7);
    all.SyncStop = true;
    all.SyncNoMultiple = true;
    all.HasInPoint = true;
    all.InPoint = 1;
    all.HasOutPoint = true;
    all.OutPoint = 2;
    all.HasLoops = true;
    all.LoopCount = 3;
    all.Envelope.push_back({4, 5, 6});
    const Bytes allTag = tagBytes(all);
    EXPECT_EQ(hex(Bytes(allTag.begin() + 2, allTag.end())),
              "0700" "3f" "01000000" "02000000" "0300" "01" "04000000" "0500" "0600");
}

TEST(SoundCharacter, StreamBlocksCarryOneFrameOfSamplesAndPadOrLoop) {
    TempDir dir;
    TFlashMovie movie(0, 0, 100, 100, 10, true);
    // 8000 Hz, 8-bit mono at 10 frames/s: 800 bytes a frame; 1000 bytes of data.
    TFlashSound* sound = movie.AddSound(writeFile(dir, "s.wav", makeWav(1, 1, 8000, 8, std::vector<uint8_t>(1000, 9))));
    Bytes head = bytesOf([&](TBitsEngine& be) { sound->WriteStreamHead(be, 10); });
    EXPECT_EQ(head[0] | head[1] << 8, tagSoundStreamHead2 << 6 | 4);
    EXPECT_EQ(head[2], 0x00);
    EXPECT_EQ(head[3], 0x00);
    EXPECT_EQ(head[4] | head[5] << 8, 800);
    auto blockBody = [&] {
        const Bytes b = bytesOf([&](TBitsEngine& be) { sound->WriteStreamBlock(be); });
        return Bytes(b.begin() + 6, b.end());
    };
    EXPECT_EQ(blockBody(), Bytes(800, 9));
    Bytes second = blockBody();
    ASSERT_EQ(second.size(), 800u);
    EXPECT_EQ(second[199], 9);
    EXPECT_EQ(second[200], 0); // silence after the end
    sound->SetStreamLoop(true);
    bytesOf([&](TBitsEngine& be) { sound->WriteStreamHead(be, 10); });
    blockBody();
    EXPECT_EQ(blockBody(), Bytes(800, 9)); // wraps to the start
}

TEST(SoundCharacter, ParserReadsSoundsStartedFromASprite) {
    TempDir dir;
    TFlashMovie movie(0, 0, 100, 100, 12, true);
    movie.SetVersion(6);
    TFlashSound* wav = movie.AddSound(writeFile(dir, "a.wav", makeWav(1, 2, 22050, 16, std::vector<uint8_t>(40, 0))));
    TFlashSound* mp3 = movie.AddSound(writeFile(dir, "b.mp3", makeMp3(3)));
    TFlashSprite* sprite = movie.AddSprite();
    sprite->StartSound(wav);
    sprite->StartSound(mp3);
    movie.PlaceObject(sprite, 1);
    movie.ShowFrame();
    const auto s = saveAndCheck(movie, dir);
    ASSERT_TRUE(s.ok) << s.error;
    const auto* first = s.find(tagDefineSound);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->integer("format"), 0);
    EXPECT_EQ(first->integer("soundRate"), 22000);
    EXPECT_EQ(first->integer("soundSize"), 16);
    EXPECT_EQ(first->integer("soundType"), 1);
    EXPECT_EQ(first->integer("sampleCount"), 10);
    EXPECT_EQ(first->integer("dataBytes"), 40);
    const auto* second = s.find(tagDefineSound, 1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->integer("format"), 2);
    EXPECT_EQ(second->integer("soundRate"), 44000);
    const auto* spriteTag = s.find(tagDefineSprite);
    ASSERT_NE(spriteTag, nullptr);
    ASSERT_GE(spriteTag->children.size(), 2u);
    EXPECT_EQ(spriteTag->children[0].integer("soundId"), wav->CharacterId());
    EXPECT_EQ(spriteTag->children[1].integer("soundId"), mp3->CharacterId());
}

TEST(SoundCharacter, UnplayableFormatsAreRefusedWithTheirReason) {
    TempDir dir;
    TFlashMovie movie(0, 0, 100, 100, 12, true);
    struct Case { const char* name; std::vector<uint8_t> bytes; const char* fragment; };
    std::vector<uint8_t> layer2 = makeMp3(3);
    for (size_t at = 0; at + 417 <= layer2.size(); at += 417)
        layer2[at + 1] = 0xFD; // MPEG-1 layer II
    const std::vector<Case> cases = {
        {"float.wav", makeWav(3, 1, 44100, 32, std::vector<uint8_t>(16, 0)), "format 3"},
        {"deep.wav", makeWav(1, 1, 44100, 24, std::vector<uint8_t>(18, 0)), "24-bit"},
        {"layer2.mp3", layer2, "layer 2"},
        {"layer2in.wav", makeWav(0x50, 2, 44100, 0, layer2), "layer 2"},
    };
    for (const Case& c : cases) {
        try {
            movie.AddSound(writeFile(dir, c.name, c.bytes));
            ADD_FAILURE() << c.name << " was accepted";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(c.fragment), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.name), std::string::npos) << e.what();
        }
    }
    EXPECT_TRUE(movie.Objects().empty());
    // MP3 inside a WAV container is taken as MP3.
    TFlashSound* wrapped = movie.AddSound(writeFile(dir, "mp3in.wav", makeWav(0x55, 2, 44100, 0, makeMp3(2))));
    EXPECT_EQ(wrapped->FormatByte(), 0x2F);
}

TEST(SoundCharacter, ParserReadsAMovieStreamingASound) {
    TempDir dir;
    TFlashMovie movie(0, 0, 100, 100, 10, true);
    movie.SetVersion(6);
    TFlashSound sound(&movie);
    sound.LoadFromFile(writeFile(dir, "s.wav", makeWav(1, 1, 11025, 16, std::vector<uint8_t>(4000, 1))));
    movie.SetStreamSound(&sound);
    TFlashShape* box = movie.AddRectangle(0, 0, 10, 10);
    movie.PlaceObject(box, 1);
    movie.ShowFrame(3);
    const auto s = saveAndCheck(movie, dir);
    ASSERT_TRUE(s.ok) << s.error;
    const auto* head = s.find(tagSoundStreamHead2);
    ASSERT_NE(head, nullptr);
    EXPECT_EQ(head->integer("streamFormat"), 0);
    EXPECT_EQ(head->integer("streamSoundRate"), 11000);
    EXPECT_EQ(head->integer("streamSoundSize"), 16);
    EXPECT_EQ(head->integer("streamSampleCount"), 1102);
    const auto blocks = s.all(tagSoundStreamBlock);
    ASSERT_EQ(blocks.size(), 3u);
    for (const auto* block : blocks)
        EXPECT_EQ(block->integer("dataBytes"), 2204);
    // Each block comes right before its frame's end.
    const std::vector<int> codes = s.codes();
    for (size_t i = 0; i + 1 < codes.size(); ++i) {
        if (codes[i] == tagSoundStreamBlock) {
            EXPECT_EQ(codes[i + 1], tagShowFrame);
        }
    }
}

TEST(SoundCharacter, Mp3StreamBlocksCarryWholeFramesUntilTheMovieCatchesUp) {
    TempDir dir;
    TFlashMovie movie(0, 0, 100, 100, 10, true);
    TFlashSound* sound = movie.AddSound(writeFile(dir, "m.mp3", makeMp3(5)));
    const Bytes head = bytesOf([&](TBitsEngine& be) { sound->WriteStreamHead(be, 10); });
    EXPECT_EQ(hex(Bytes(head.begin() + 2, head.end())), "0f" "2f" "3a11" "0000"); // 4410 samples a frame, latency 0
    auto block = [&] {
        const Bytes b = bytesOf([&](TBitsEngine& be) { sound->WriteStreamBlock(be); });
        const size_t headerLength = (b[0] & 0x3F) == 0x3F ? 6 : 2;
        return Bytes(b.begin() + ptrdiff_t(headerLength), b.end());
    };
    const Bytes first = block(); // 4 frames reach 4608 >= 4410 samples
    ASSERT_EQ(first.size(), 4u + 4 * 417);
    EXPECT_EQ(hex(Bytes(first.begin(), first.begin() + 6)), "0012" "0000" "fffb");
    const Bytes second = block(); // the fifth and last frame
    ASSERT_EQ(second.size(), 4u + 417);
    EXPECT_EQ(hex(Bytes(second.begin(), second.begin() + 4)), "8004" "0000");
    EXPECT_EQ(hex(block()), "00000000"); // nothing left: an empty block
}
