// Audio objects read back through the independent parser: the sound character, the StartSound in
// the object's sprite, the sprite's placement and removal, and sound data that cannot be played.

#include "movie_test_support.h"

#include "base/wave_header.h"

#include <cstdint>
#include <vector>

namespace vantora::test {
namespace {

constexpr int kDefineSound = 14;
constexpr int kStartSound = 15;

// A mono 16-bit PCM WAV file of `samples` samples at 22050 Hz.
std::vector<std::uint8_t> PcmWave(std::uint32_t samples) {
    std::vector<std::uint8_t> out;
    AppendPcmWaveHeader(out, 1, 22050, 16, samples * 2);
    for (std::uint32_t i = 0; i < samples; ++i)
        AppendU16(out, static_cast<std::uint16_t>((i % 20) < 10 ? 8000 : -8000));
    return out;
}

// The sprite defined for the object at `depth`: the one placed there, found by its id.
const SwfTag* SpriteById(const SwfSummary& movie, long id) {
    for (const SwfTag* sprite : movie.all(kDefineSprite))
        if (sprite->integer("id") == id)
            return sprite;
    return nullptr;
}

long IndexOfTag(const SwfSummary& movie, const SwfTag* tag) { return long(tag - movie.tags.data()); }

class SoundExport : public MovieTest {
protected:
    TDemoObject& AddAudio(TDemoFrame& scene, int start, int end, std::vector<std::uint8_t> data,
                          const char* type = "WAV") {
        TDemoObject& audio = AddObject(scene, TObjectKind::Audio, 0, 0, 32, 32, start, end);
        audio.AudioData = std::move(data);
        audio.AudioType = type;
        return audio;
    }
};

TEST_F(SoundExport, SoundStartsFromTheSpriteWhenTheObjectStartsAndTheSpriteLeavesWithIt) {
    TDemoFrame& scene = AddScene(10);
    const auto wave = PcmWave(2205);
    AddAudio(scene, 3, 7, wave);
    const SwfSummary movie = Build();
    // Depth 2: the first object. s = 6, leave = e - 1 = 13 at 20 frames per second.
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 2), (std::vector<int>{6}));
    EXPECT_EQ(FramesAt(movie, kRemoveObject2, 2), (std::vector<int>{13}));
    const SwfTag* place = PlacementAt(movie, 2, 6);
    ASSERT_NE(place, nullptr);
    const std::vector<long> matrix = MatrixOf(*place);
    EXPECT_TRUE(matrix.empty() || matrix == (std::vector<long>{65536, 0, 0, 65536, 0, 0}));
    EXPECT_TRUE(CxformOf(*place).empty());

    const SwfTag* sound = movie.find(kDefineSound);
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->integer("sampleCount"), 2205);
    EXPECT_EQ(sound->integer("dataBytes"), 2205 * 2);
    EXPECT_EQ(sound->integer("soundSize"), 16);
    EXPECT_EQ(sound->integer("soundType"), 0);
    const SwfTag* sprite = SpriteById(movie, place->integer("characterId"));
    ASSERT_NE(sprite, nullptr);
    EXPECT_LT(IndexOfTag(movie, sound), IndexOfTag(movie, sprite)) << "the sound is defined before its sprite";
    // Only the StartSound in the sprite's one frame (a sprite is written with at least one).
    ASSERT_EQ(sprite->codes(), (std::vector<int>{kStartSound, kShowFrame, 0}));
    EXPECT_EQ(sprite->children[0].integer("soundId"), sound->integer("id"));
    EXPECT_EQ(sprite->integer("frameCount"), 1);
    EXPECT_EQ(readFileBytes(home_.path() / "Temp" / "t1.WAV"), wave) << "the work file holds the data unchanged";
}

TEST_F(SoundExport, TwoSoundsStartingTogetherEachPlayFromTheirOwnSprite) {
    TDemoFrame& scene = AddScene(5);
    AddAudio(scene, 1, 5, PcmWave(100));
    AddAudio(scene, 1, 5, PcmWave(300)).Animation.StopWithScene = true;
    const SwfSummary movie = Build();
    EXPECT_EQ(movie.all(kDefineSound).size(), 2u);
    const SwfTag* first = PlacementAt(movie, 2, 2);
    const SwfTag* second = PlacementAt(movie, 3, 2);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first->integer("characterId"), second->integer("characterId"));
    const SwfTag* sprite1 = SpriteById(movie, first->integer("characterId"));
    const SwfTag* sprite2 = SpriteById(movie, second->integer("characterId"));
    ASSERT_TRUE(sprite1 && sprite2);
    EXPECT_EQ(sprite1->children[0].integer("soundId"), movie.find(kDefineSound, 0)->integer("id"));
    EXPECT_EQ(sprite2->children[0].integer("soundId"), movie.find(kDefineSound, 1)->integer("id"));
}

TEST_F(SoundExport, ObjectsWithoutUsableSoundAddNoSoundAndAreNeverPlaced) {
    TDemoFrame& scene = AddScene(5);
    AddAudio(scene, 0, 5, {});                                 // depth 2: no sound at all
    AddAudio(scene, 0, 5, {'R', 'I', 'F', 'F', 1, 2, 3});        // depth 3: damaged WAV
    AddAudio(scene, 0, 5, std::vector<std::uint8_t>(64, 0x55), "MP3"); // depth 4: no MP3 frames
    AddAudio(scene, 0, 5, PcmWave(50), "OGG");                 // depth 5: a type nobody reads
    AddAudio(scene, 0, 5, PcmWave(50));                        // depth 6: fine
    const SwfSummary movie = Build();
    EXPECT_EQ(movie.all(kDefineSprite).size(), 5u) << "every Audio object gets its sprite";
    EXPECT_EQ(movie.all(kDefineSound).size(), 1u);
    for (int depth : {2, 3, 4, 5}) {
        EXPECT_TRUE(FramesAt(movie, kPlaceObject2, depth).empty()) << depth;
        EXPECT_TRUE(FramesAt(movie, kRemoveObject2, depth).empty()) << depth;
    }
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 6), (std::vector<int>{0}));
}

TEST_F(SoundExport, BuildResultNamesEachSoundLeftOut) {
    TDemoFrame& scene = AddScene(5);
    AddAudio(scene, 0, 5, {}).Name = "Silent";
    AddAudio(scene, 0, 5, {'R', 'I', 'F', 'F', 1, 2, 3}).Name = "Broken";
    AddAudio(scene, 0, 5, PcmWave(50), "OGG").Name = "Odd";
    AddAudio(scene, 0, 5, PcmWave(50)).Name = "Fine";
    const MovieBuildResult result = BuildMovieFile(demo_, home_.path() / "notes.swf");
    ASSERT_TRUE(result.ok) << result.message;
    ASSERT_EQ(result.notes.size(), 2u);
    EXPECT_EQ(result.notes[0], "The sound of \"Broken\" is damaged (no audio found in it); it is left out.");
    EXPECT_EQ(result.notes[1], "The sound of \"Odd\" has the unknown type \"OGG\"; it is left out.");
}

} // namespace
} // namespace vantora::test
