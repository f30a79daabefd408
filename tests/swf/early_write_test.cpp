#include "swf/actions.h"
#include "swf/background_deflater.h"
#include "swf/deflate.h"
#include "swf/movie.h"
#include "swf/place_object.h"
#include "swf/shape.h"
#include "swf/sprite.h"

#include "swf_test_helpers.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <span>
#include <sstream>

using namespace swf;
using namespace swf_test;

namespace {

// What a test changes in the middle of building (after the first part was written ahead).
using Twist = std::function<void(TFlashMovie&, TFlashSprite* firstSprite)>;

// Two scenes' worth of definitions, sprites, placements, labels and actions. With `ahead`, the
// movie is written ahead after each part, as the movie builder does.
std::unique_ptr<TFlashMovie> buildMovie(bool ahead, uint16_t expectedFrames, const Twist& twist = {},
                                        TCompressedBlockSink sink = {}) {
    auto movie = std::make_unique<TFlashMovie>(0, 0, 320, 240, 20, true);
    movie->SetVersion(6);
    movie->SetCompressed(true);
    TFlashShape* back = movie->AddRectangle(0, 0, 319, 239);
    back->SetSolidColor(0x336699);
    movie->PlaceObject(back, 0);
    if (ahead)
        movie->BeginEarlyWrite(expectedFrames, std::move(sink));
    TFlashSprite* firstSprite = nullptr;
    for (int part = 0; part < 2; ++part) {
        TFlashSprite* sprite = movie->AddSprite();
        firstSprite = firstSprite ? firstSprite : sprite;
        TFlashShape* dot = movie->AddEllipse(10 * part, 10, 40, 40); // after the sprite: moved before it
        dot->SetSolidColor(0xFF0000 + part);
        for (int f = 0; f < 3; ++f) {
            sprite->PlaceObject(dot, 1)->SetTranslate(f * 5, 0);
            sprite->ShowFrame();
            sprite->RemoveObject(1);
        }
        movie->PlaceObject(sprite, 2);
        for (int f = 0; f < 4; ++f) {
            movie->PlaceObject(back, 1)->SetTranslate(f, part);
            if (f == 0)
                movie->SetFrameLabel("part" + std::to_string(part));
            if (f == 3)
                movie->FrameActions()->Stop();
            movie->ShowFrame();
            movie->RemoveObject(1);
        }
        if (ahead)
            movie->WriteFinishedItems();
        if (part == 0 && twist)
            twist(*movie, firstSprite);
    }
    return movie;
}

Bytes saved(TFlashMovie& movie) {
    movie.MakeStream();
    std::ostringstream out(std::ios::binary);
    movie.SaveToStream(out);
    const std::string s = out.str();
    return Bytes(s.begin(), s.end());
}

// A sink that keeps the blocks it is handed, one after the other.
TCompressedBlockSink collectInto(Bytes& collected) {
    return [&collected](std::span<const uint8_t> block) { collected.insert(collected.end(), block.begin(), block.end()); };
}

Bytes wholeMovie(const Twist& twist = {}) {
    auto movie = buildMovie(false, 0, twist);
    return saved(*movie);
}

} // namespace

// ---------------------------------------------------------------- written ahead

TEST(EarlyWrite, GivesTheFileWritingItWholeGives) {
    auto ahead = buildMovie(true, 8);
    EXPECT_TRUE(ahead->WritingAhead());
    const Bytes file = saved(*ahead);
    EXPECT_TRUE(ahead->FinishedAhead());
    EXPECT_EQ(file, wholeMovie());
    EXPECT_EQ(ahead->FrameCount(), 8);

    // The body stream holds the whole body as MakeStream always leaves it.
    auto whole = buildMovie(false, 0);
    whole->MakeStream();
    EXPECT_EQ(ahead->BodyStream(), whole->BodyStream());
}

TEST(EarlyWrite, TheFileParsesAndCanBeSavedTwice) {
    vantora::test::TempDir dir;
    auto movie = buildMovie(true, 8);
    const auto s = saveAndCheck(*movie, dir);
    EXPECT_TRUE(movie->FinishedAhead());
    EXPECT_EQ(s.frameCount, 8);
    EXPECT_EQ(s.signature, "CWS");
    movie->SaveToFile(dir / "again.swf");
    EXPECT_EQ(vantora::test::checkSwf(dir / "again.swf").tags.size(), s.tags.size());
    // A second MakeStream writes the whole movie the usual way, to the same bytes.
    const Bytes first = saved(*movie);
    EXPECT_FALSE(movie->FinishedAhead());
    EXPECT_EQ(first, wholeMovie());
}

// ---------------------------------------------------------------- falling back

TEST(EarlyWrite, AnyDifferenceFallsBackToWritingItWhole) {
    struct Case {
        const char* name;
        uint16_t expectedFrames;
        Twist twist;
    };
    const Case cases[] = {
        {"fewer frames than expected", 9, {}},
        {"more frames than expected", 7, {}},
        {"a later item raises the version", 8, [](TFlashMovie& m, TFlashSprite*) { m.MoveObject(5)->SetBlendMode(3); }},
        {"a definition moves into the written part",
         8, [](TFlashMovie& m, TFlashSprite* first) {
             TFlashShape* late = m.AddRectangle(0, 0, 5, 5);
             late->SetSolidColor(0x00FF00);
             first->PlaceObject(late, 3); // moved before the sprite, which is written already
         }},
        {"the prelude changes", 8, [](TFlashMovie& m, TFlashSprite*) { m.BackgroundColor() = TSWFRGB(1, 2, 3); }},
    };
    for (const Case& c : cases) {
        Bytes streamed;
        auto ahead = buildMovie(true, c.expectedFrames, c.twist, collectInto(streamed));
        const Bytes file = saved(*ahead);
        EXPECT_FALSE(ahead->FinishedAhead()) << c.name;
        EXPECT_FALSE(ahead->StreamedAhead()) << c.name << ": what the sink got is not the file";
        EXPECT_EQ(file, wholeMovie(c.twist)) << c.name;
    }
}

TEST(EarlyWrite, ChangesAfterMakeStreamAreNotHiddenByTheCompressedCopy) {
    {
        auto movie = buildMovie(true, 8);
        movie->MakeStream();
        ASSERT_TRUE(movie->FinishedAhead());
        movie->SetFrameRate(12.5); // in the compressed header tail
        std::ostringstream out(std::ios::binary);
        movie->SaveToStream(out);
        auto whole = buildMovie(false, 0);
        whole->MakeStream();
        whole->SetFrameRate(12.5);
        std::ostringstream expected(std::ios::binary);
        whole->SaveToStream(expected);
        EXPECT_EQ(out.str(), expected.str());
    }
    // Someone edits the body: its first byte, one in a middle word, the last one (outside the
    // whole words), or adds a byte. The edit (a byte index, or -1 to append) is made to both.
    const auto edit = [](std::vector<uint8_t>& body, long at) {
        if (at < 0)
            body.push_back(0x5A);
        else
            body[size_t(at)] ^= 0x5A;
    };
    const size_t size = [] {
        auto probe = buildMovie(true, 8);
        probe->MakeStream();
        return probe->BodyStream().size();
    }();
    for (const long at : {0L, long(size / 2), long(size) - 1, -1L}) {
        auto movie = buildMovie(true, 8);
        movie->MakeStream();
        ASSERT_EQ(movie->BodyStream().size(), size);
        edit(movie->BodyStream(), at);
        std::ostringstream out(std::ios::binary);
        movie->SaveToStream(out);
        auto whole = buildMovie(false, 0);
        whole->MakeStream();
        edit(whole->BodyStream(), at);
        std::ostringstream expected(std::ios::binary);
        whole->SaveToStream(expected);
        EXPECT_EQ(out.str(), expected.str()) << "edit at " << at;
    }
}

TEST(EarlyWrite, ASinkReceivesEverythingAfterTheFileHead) {
    Bytes streamed;
    auto movie = buildMovie(true, 8, {}, collectInto(streamed));
    movie->MakeStream();
    ASSERT_TRUE(movie->StreamedAhead());
    const std::array<uint8_t, 8> head = movie->FileHead();
    Bytes file(head.begin(), head.end());
    file.insert(file.end(), streamed.begin(), streamed.end());
    EXPECT_EQ(file, wholeMovie());
    EXPECT_EQ(std::string(file.begin(), file.begin() + 3), "CWS");

    // Without a sink nothing is streamed, though the movie still finishes ahead.
    auto quiet = buildMovie(true, 8);
    quiet->MakeStream();
    EXPECT_TRUE(quiet->FinishedAhead());
    EXPECT_FALSE(quiet->StreamedAhead());
}

TEST(EarlyWrite, AnEditAfterMakeStreamEndsWhatWasStreamed) {
    Bytes streamed;
    auto movie = buildMovie(true, 8, {}, collectInto(streamed));
    movie->MakeStream();
    ASSERT_TRUE(movie->StreamedAhead());
    movie->BodyStream().back() ^= 1;
    EXPECT_FALSE(movie->StreamedAhead());
    auto other = buildMovie(true, 8, {}, collectInto(streamed));
    other->MakeStream();
    other->SetFrameCount(3);
    EXPECT_FALSE(other->StreamedAhead()) << "the compressed header tail would change";
}

TEST(EarlyWrite, OnlyCompressedMoviesAreWrittenAhead) {
    TFlashMovie movie(0, 0, 10, 10, 10, true);
    movie.BeginEarlyWrite(1);
    EXPECT_FALSE(movie.WritingAhead());
    movie.WriteFinishedItems(); // harmless
    movie.MakeStream();
    EXPECT_FALSE(movie.FinishedAhead());
}

TEST(EarlyWrite, AMovieDroppedWhileWritingAheadStopsItsWorker) {
    auto movie = buildMovie(true, 8);
    EXPECT_TRUE(movie->WritingAhead());
    movie.reset(); // must not hang or leak
    SUCCEED();
}

// ---------------------------------------------------------------- the background deflater

TEST(BackgroundDeflater, PiecesGiveTheBytesOfOneCompression) {
    Bytes data(300000);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = uint8_t((i * 2654435761u) >> 13 ^ (i / 700));
    const Bytes whole = Deflate(data.data(), data.size());
    for (size_t pieceSize : {size_t(1), size_t(4093), size_t(65536), data.size()}) {
        TBackgroundDeflater deflater;
        for (size_t at = 0; at < data.size();) {
            // Single bytes first, then larger pieces.
            const size_t step = pieceSize == 1 && at > 2000 ? 77777 : pieceSize;
            const size_t n = std::min(step, data.size() - at);
            deflater.Write(Bytes(data.begin() + std::ptrdiff_t(at), data.begin() + std::ptrdiff_t(at + n)));
            at += n;
        }
        EXPECT_EQ(deflater.Finish().Joined(), whole) << pieceSize;
    }
}

TEST(BackgroundDeflater, ASinkGetsEveryBlockOnceInOrderAsItIsCompleted) {
    // Noise that deflate cannot shrink, so that the output spans several blocks.
    Bytes data(3 << 20);
    uint32_t x = 12345;
    for (uint8_t& b : data) {
        x = x * 1664525u + 1013904223u;
        b = uint8_t(x >> 24);
    }
    std::vector<size_t> sizes;
    Bytes streamed;
    TBackgroundDeflater deflater([&](std::span<const uint8_t> block) {
        sizes.push_back(block.size());
        streamed.insert(streamed.end(), block.begin(), block.end());
    });
    for (size_t at = 0; at < data.size(); at += 100000)
        deflater.Write(Bytes(data.begin() + std::ptrdiff_t(at), data.begin() + std::ptrdiff_t(std::min(data.size(), at + 100000))));
    const TCompressedBlocks blocks = deflater.Finish();
    EXPECT_EQ(streamed, blocks.Joined());
    EXPECT_EQ(streamed, Deflate(data.data(), data.size()));
    ASSERT_EQ(sizes.size(), blocks.BlockCount());
    ASSERT_GE(sizes.size(), 3u);
    for (size_t i = 0; i + 1 < sizes.size(); ++i)
        EXPECT_EQ(sizes[i], size_t(1) << 20) << "block " << i << " is handed over full";
    EXPECT_GT(sizes.back(), 0u);
}

TEST(BackgroundDeflater, NothingWrittenIsAnEmptyStream) {
    TBackgroundDeflater deflater;
    deflater.Write({});
    EXPECT_EQ(deflater.Finish().Joined(), Deflate(nullptr, 0));
}
