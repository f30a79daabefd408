// Hostile files: every damaged movie fails with a reason or plays bounded; nothing crashes,
// hangs or allocates without limit.
#include "player_test_support.h"

#include "player/movie_definition.h"
#include "player/swf_file.h"
#include "player/text_reader.h"
#include "swf/actions.h"
#include "swf/place_object.h"
#include "swf/shape.h"
#include "swf/sprite.h"

#include <zlib.h>

using namespace player_test;

namespace {

Bytes SmallMovie(bool compressed) {
    auto movie = NewMovie(100, 80, compressed);
    movie->AddRectangle(0, 0, 10, 10)->SetSolidColor(0x0000ff);
    movie->PlaceObject(movie->Shapes().back(), 1);
    movie->ShowFrame();
    movie->ShowFrame();
    return MovieBytes(*movie);
}

// A plain movie of 100 x 80 pixels holding `tags` (raw tag bytes) and an End tag.
Bytes PlainMovie(const Bytes& tags) {
    Bytes file = {'F', 'W', 'S', 6, 0, 0, 0, 0};
    // RECT 0..2000 x 0..1600 twips with 12-bit fields.
    const Bytes rect = {0x60, 0x00, 0x3e, 0x80, 0x00, 0x32, 0x00};
    file.insert(file.end(), rect.begin(), rect.end());
    file.insert(file.end(), {0x00, 0x14, 0x01, 0x00});
    file.insert(file.end(), tags.begin(), tags.end());
    file.insert(file.end(), {0x00, 0x00});
    const uint32_t length = uint32_t(file.size());
    for (int i = 0; i < 4; ++i)
        file[4 + size_t(i)] = uint8_t(length >> (8 * i));
    return file;
}

// A tag with the long header.
Bytes Tag(uint16_t code, const Bytes& body) {
    Bytes tag = {uint8_t((code << 6 | 0x3f) & 0xff), uint8_t(code >> 2)};
    const uint32_t n = uint32_t(body.size());
    for (int i = 0; i < 4; ++i)
        tag.push_back(uint8_t(n >> (8 * i)));
    tag.insert(tag.end(), body.begin(), body.end());
    return tag;
}

std::string LoadError(const Bytes& bytes) {
    player::FlashPlayer p;
    std::string error;
    EXPECT_FALSE(p.Load(bytes, &error));
    EXPECT_FALSE(p.IsLoaded());
    return error;
}

} // namespace

TEST(PlayerReader, DamagedContainersAreRefusedWithAReason) {
    const Bytes good = SmallMovie(true);
    EXPECT_NE(LoadError({}).find("too short"), std::string::npos);
    EXPECT_NE(LoadError({'G', 'I', 'F', '8', '9', 'a', 0, 0, 0}).find("signature"), std::string::npos);
    // Cut inside the compressed header, and compressed data replaced by garbage.
    Bytes cut = good;
    cut.resize(9);
    EXPECT_FALSE(LoadError(cut).empty());
    Bytes garbage = good;
    for (size_t i = 8; i < garbage.size(); ++i)
        garbage[i] = uint8_t(i * 37);
    EXPECT_NE(LoadError(garbage).find("compressed"), std::string::npos);
    // A tag claiming more bytes than the file has.
    const Bytes lying = PlainMovie({0x3f, 0x00, 0xff, 0xff, 0xff, 0x00});
    EXPECT_NE(LoadError(lying).find("past the end"), std::string::npos);
}

TEST(PlayerReader, HugeClaimsAreRefusedBeforeAllocating) {
    Bytes huge = SmallMovie(true);
    huge[7] = 0x7f; // a file length of about 2 GB
    EXPECT_NE(LoadError(huge).find("larger"), std::string::npos);
    // A zlib stream that inflates far past the limit: 300 MB of zeros compress to a few hundred KB.
    std::vector<uint8_t> zeros(1 << 20, 0);
    z_stream zs{};
    deflateInit(&zs, 9);
    Bytes packed(1 << 20);
    zs.next_out = packed.data();
    zs.avail_out = uInt(packed.size());
    for (int i = 0; i < 300; ++i) {
        zs.next_in = zeros.data();
        zs.avail_in = uInt(zeros.size());
        deflate(&zs, Z_NO_FLUSH);
    }
    deflate(&zs, Z_FINISH);
    packed.resize(size_t(zs.total_out));
    deflateEnd(&zs);
    Bytes bomb = {'C', 'W', 'S', 6, 0, 0, 0, 0x01};
    bomb.insert(bomb.end(), packed.begin(), packed.end());
    EXPECT_NE(LoadError(bomb).find("size limit"), std::string::npos);
    // An absurd stage.
    Bytes wide = PlainMovie({});
    wide[8] = 0xf8; // 31-bit fields: the rectangle now reads as enormous
    EXPECT_FALSE(LoadError(wide).empty());
}

TEST(PlayerReader, DamagedDefinitionsAreSkippedAndTheRestPlays) {
    // A lossless bitmap claiming 60000 x 60000 pixels, a shape cut short, then a good shape.
    const Bytes bitmap = Tag(36, {1, 0, 5, 0x60, 0xea, 0x60, 0xea, 0x78, 0x9c, 0x03, 0x00});
    const Bytes badShape = Tag(22, {2, 0, 0x50});
    const Bytes tags = [&] {
        Bytes t = bitmap;
        t.insert(t.end(), badShape.begin(), badShape.end());
        const Bytes show = {0x40, 0x00};
        t.insert(t.end(), show.begin(), show.end());
        return t;
    }();
    player::FlashPlayer p;
    LoadOrFail(p, PlainMovie(tags));
    EXPECT_EQ(p.TotalFrames(), 1);
    ASSERT_EQ(p.Definition()->Warnings().size(), 2u);
    EXPECT_NE(p.Definition()->Warnings()[0].find("outside the sizes"), std::string::npos);
    EXPECT_EQ(p.Definition()->Find(1), nullptr);
    EXPECT_EQ(p.RenderFrame().size(), QSize(100, 80));
}

TEST(PlayerReader, SpritesPlacingThemselvesAreBounded) {
    // Sprite 1 places sprite 1 at two depths: every level would double the instances.
    const Bytes place1 = {0x85, 0x06, 0x02, 0x01, 0x00, 0x01, 0x00};
    const Bytes place2 = {0x85, 0x06, 0x02, 0x02, 0x00, 0x01, 0x00};
    Bytes sprite = {1, 0, 1, 0};
    sprite.insert(sprite.end(), place1.begin(), place1.end());
    sprite.insert(sprite.end(), place2.begin(), place2.end());
    sprite.insert(sprite.end(), {0x40, 0x00, 0x00, 0x00});
    Bytes tags = Tag(39, sprite);
    tags.insert(tags.end(), place1.begin(), place1.end());
    tags.insert(tags.end(), {0x40, 0x00});
    player::FlashPlayer p;
    LoadOrFail(p, PlainMovie(tags));
    p.Tick();
    EXPECT_EQ(p.RenderFrame().size(), QSize(100, 80));
}

TEST(PlayerReader, ActionLoopsEndAtTheStepLimit) {
    // Jump -5: back to itself, forever.
    const Bytes loop = Tag(12, {0x99, 0x02, 0x00, 0xfb, 0xff, 0x00});
    Bytes tags = loop;
    tags.insert(tags.end(), {0x40, 0x00});
    player::FlashPlayer p;
    LoadOrFail(p, PlainMovie(tags));
    EXPECT_EQ(p.CurrentFrame(), 0);
}

// Going back replays the timeline from its first frame; a script that jumps between the first and
// the last of thousands of frames forever would replay them without end.
TEST(PlayerReader, ScriptsJumpingToAndFroStopReplayingAtTheTickBudget) {
    constexpr uint16_t kFrames = 4000;
    const uint16_t last = kFrames - 1;
    // Go to the last frame, go to the first, jump back to the start (-15 bytes), forever.
    const Bytes loop = Tag(12, {0x81, 0x02, 0x00, uint8_t(last & 0xff), uint8_t(last >> 8), 0x81, 0x02, 0x00, 0x00,
                                0x00, 0x99, 0x02, 0x00, 0xf1, 0xff, 0x00});
    Bytes tags = loop;
    tags.insert(tags.end(), {0x40, 0x00});
    for (uint16_t f = 1; f < kFrames; ++f) {
        // A place of a character that does not exist, at a depth of its own: one command a frame.
        const Bytes place = Tag(26, {0x02, uint8_t(f & 0xff), uint8_t(f >> 8), 0x07, 0x00});
        tags.insert(tags.end(), place.begin(), place.end());
        tags.insert(tags.end(), {0x40, 0x00});
    }
    player::FlashPlayer p;
    LoadOrFail(p, PlainMovie(tags));
    EXPECT_EQ(p.TotalFrames(), kFrames);
    EXPECT_GE(p.CurrentFrame(), 0);
    EXPECT_LT(p.CurrentFrame(), int(kFrames));
    p.Tick();
    EXPECT_LT(p.CurrentFrame(), int(kFrames));
}

TEST(PlayerReader, TruncatedMoviesAtEveryLengthFailOrLoadCleanly) {
    for (bool compressed : {false, true}) {
        const Bytes good = SmallMovie(compressed);
        for (size_t n = 0; n < good.size(); ++n) {
            player::FlashPlayer p;
            std::string error;
            Bytes cut = good;
            cut.resize(n);
            if (p.Load(cut, &error)) {
                p.Tick();
                EXPECT_EQ(p.RenderFrame().size(), QSize(100, 80));
            } else {
                EXPECT_FALSE(error.empty());
            }
        }
    }
}

TEST(PlayerReader, HeaderFieldsAreRead) {
    const player::SwfFile file = player::ReadSwfFile(SmallMovie(false));
    EXPECT_EQ(file.version, 6);
    EXPECT_EQ(file.frameRect.Width(), 2000);
    EXPECT_EQ(file.frameRect.Height(), 1600);
    EXPECT_DOUBLE_EQ(file.frameRate, 20.0);
    EXPECT_EQ(file.frameCount, 2);
}

namespace {

// Packs bit fields most significant bit first, as SWF records hold them.
struct BitPacker {
    Bytes bytes;
    int used = 8;
    void Put(uint32_t value, int count) {
        for (int i = count - 1; i >= 0; --i) {
            if (used == 8) {
                bytes.push_back(0);
                used = 0;
            }
            if ((value >> i) & 1u)
                bytes.back() |= uint8_t(0x80 >> used);
            ++used;
        }
    }
    void Byte(uint8_t b) {
        used = 8;
        bytes.push_back(b);
    }
};

} // namespace

// Glyph advances of 32 bits add up past the end of the coordinate range: the pen stops there.
TEST(PlayerReader, TextAdvancesThatOverflowStopAtTheEndOfTheRange) {
    BitPacker p;
    p.Byte(1), p.Byte(0); // character id
    p.Byte(0);            // empty bounds
    p.Byte(0);            // identity matrix
    p.Byte(1);            // glyph index bits
    p.Byte(32);           // advance bits
    p.Byte(0x81), p.Byte(0x00), p.Byte(0x7F); // a run at x = 0x7F00
    p.Byte(3);
    for (int i = 0; i < 3; ++i) {
        p.Put(0, 1);
        p.Put(0x7FFFFFFFu, 32);
    }
    p.Byte(0x80), p.Byte(0); // a second run, without glyphs, starting where the pen stopped
    p.Byte(0x80), p.Byte(3);
    for (int i = 0; i < 3; ++i) {
        p.Put(0, 1);
        p.Put(0x80000000u, 32); // the most negative advance
    }
    p.Byte(0x80), p.Byte(0);
    p.Byte(0);
    const auto text = player::ReadText(11, p.bytes);
    ASSERT_EQ(text->runs.size(), 4u);
    EXPECT_EQ(text->runs[0].x, 0x7F00);
    ASSERT_EQ(text->runs[0].glyphs.size(), 3u);
    EXPECT_EQ(text->runs[0].glyphs[2].advance, 0x7FFFFFFF);
    EXPECT_EQ(text->runs[1].x, INT32_MAX);
    EXPECT_EQ(text->runs[3].x, INT32_MIN);
}
