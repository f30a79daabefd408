// The running account of written bytes: pieces of one mebibyte whatever the feeding, digests that
// tell pieces apart, and the shared tally as libburn's thread and the verifier see it.
#include "discburn/block_tally.h"
#include "discburn/tallying_stream.h"

#include "image_readback.h"

#include <gtest/gtest.h>

#include <string>

namespace discora {
namespace {

using test::randomBytes;

constexpr std::size_t MiB = BlockTally::PieceBytes;

std::string hex(const BlockTally::Digest& digest) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (char c : digest) {
        const auto byte = static_cast<unsigned char>(c);
        text += digits[byte >> 4];
        text += digits[byte & 15];
    }
    return text;
}

BlockTally tallyOf(const std::string& data, std::size_t step) {
    BlockTally tally;
    for (std::size_t at = 0; at < data.size(); at += step)
        tally.add(data.data() + at, std::min(step, data.size() - at));
    tally.finish();
    return tally;
}

TEST(BlockTally, DigestsAreMd5) {
    // The reference values of RFC 1321.
    EXPECT_EQ(hex(digestOf("", 0)), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(hex(digestOf("abc", 3)), "900150983cd24fb0d6963f7d28e17f72");
}

TEST(BlockTally, PiecesAreWholeMebibytesAndTheRest) {
    struct Case {
        std::size_t bytes;
        std::size_t pieces;
    };
    for (const Case c : {Case{0, 0}, Case{1, 1}, Case{MiB - 1, 1}, Case{MiB, 1}, Case{MiB + 1, 2}, Case{3 * MiB, 3}}) {
        SCOPED_TRACE(c.bytes);
        const std::string data = randomBytes(c.bytes, 7);
        const BlockTally tally = tallyOf(data, 4096);
        EXPECT_EQ(tally.bytes(), c.bytes);
        ASSERT_EQ(tally.pieces().size(), c.pieces);
        for (std::size_t i = 0; i < c.pieces; ++i) {
            const std::size_t size = std::min(MiB, c.bytes - i * MiB);
            EXPECT_EQ(tally.pieces()[i], digestOf(data.data() + i * MiB, size)) << "piece " << i;
        }
    }
}

TEST(BlockTally, HowTheBytesArriveDoesNotMatter) {
    const std::string data = randomBytes(2 * MiB + 12345, 8);
    const BlockTally whole = tallyOf(data, data.size());
    for (std::size_t step : {std::size_t{1} << 11, std::size_t{1000}, MiB - 1, MiB + 1}) {
        const BlockTally pieces = tallyOf(data, step);
        EXPECT_EQ(pieces.pieces(), whole.pieces()) << "step " << step;
        EXPECT_EQ(pieces.bytes(), whole.bytes());
    }
}

TEST(BlockTally, OneChangedByteChangesOnlyItsPiece) {
    std::string data = randomBytes(3 * MiB, 9);
    const BlockTally before = tallyOf(data, 65536);
    data[MiB + 77] = static_cast<char>(data[MiB + 77] ^ 1);
    const BlockTally after = tallyOf(data, 65536);
    ASSERT_EQ(after.pieces().size(), 3u);
    EXPECT_EQ(after.pieces()[0], before.pieces()[0]);
    EXPECT_NE(after.pieces()[1], before.pieces()[1]);
    EXPECT_EQ(after.pieces()[2], before.pieces()[2]);
}

TEST(BlockTally, ACopyInTheMiddleOfAPieceGoesOnByItself) {
    const std::string data = randomBytes(MiB + 500, 10);
    BlockTally original;
    original.add(data.data(), 300);
    BlockTally copy = original;
    copy.add(data.data() + 300, data.size() - 300);
    copy.finish();
    original.add("other", 5);
    original.finish();
    EXPECT_EQ(copy.pieces(), tallyOf(data, 4096).pieces());
    EXPECT_EQ(original.bytes(), 305u);
    EXPECT_EQ(original.pieces().front(), digestOf((data.substr(0, 300) + "other").data(), 305));
}

TEST(SharedTally, SnapshotsCloseTheLastPieceWithoutEndingTheStream) {
    const std::string data = randomBytes(MiB + 10, 11);
    SharedTally shared;
    shared.add(data.data(), 10);
    const BlockTally early = shared.snapshot();
    EXPECT_EQ(early.bytes(), 10u);
    ASSERT_EQ(early.pieces().size(), 1u);
    EXPECT_EQ(early.pieces()[0], digestOf(data.data(), 10));

    shared.add(data.data() + 10, data.size() - 10);
    shared.endOfStream();
    shared.add("after the end", 13); // nothing more belongs to the stream
    EXPECT_EQ(shared.snapshot().pieces(), tallyOf(data, 999).pieces());
    EXPECT_EQ(shared.snapshot().bytes(), data.size());
}

} // namespace
} // namespace discora
