// A reader over a streamed source reads exactly what a reader over the same bytes in memory reads:
// values across the window's edges, blocks larger than the window, the same refusals of counts
// that cannot be genuine, and a clean end when the source fails part way.

#include "storage/byte_stream.h"
#include "storage/demo_record.h"
#include "storage/project_file.h"

#include "sample_projects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace vantora {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Serves its bytes in pieces of 1 to `maxPiece` bytes, and fails for good once `failAt` is reached.
class PiecewiseSource : public ByteSource {
public:
    explicit PiecewiseSource(Bytes bytes, std::size_t maxPiece = 7, std::size_t failAt = SIZE_MAX)
        : bytes_(std::move(bytes)), maxPiece_(maxPiece), failAt_(failAt) {}

    std::uint64_t size() const override { return bytes_.size(); }
    std::size_t read(std::uint8_t* out, std::size_t count) override {
        const std::size_t end = std::min(bytes_.size(), failAt_);
        const std::size_t n = std::min({count, end - position_, 1 + reads_++ % maxPiece_});
        std::memcpy(out, bytes_.data() + position_, n);
        position_ += n;
        return n;
    }

private:
    Bytes bytes_;
    std::size_t maxPiece_;
    std::size_t failAt_;
    std::size_t position_ = 0;
    int reads_ = 0;
};

Bytes counting(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    return bytes;
}

// Bytes 0..3: an int32; then a block of `blockSize` bytes; then an int32 count of 1 and a byte.
Bytes layout(std::size_t blockSize) {
    ByteWriter out;
    out.writeInt32(-123456);
    out.writeBytes(counting(blockSize));
    out.writeInt32(1);
    out.writeByte(0xAB);
    return out.take();
}

void expectLayoutRead(ByteReader& in, std::size_t blockSize) {
    std::int32_t value = 0;
    ASSERT_TRUE(in.readInt32(value));
    EXPECT_EQ(value, -123456);
    Bytes block;
    ASSERT_TRUE(in.readBytesInto(blockSize, block));
    EXPECT_EQ(block, counting(blockSize));
    std::int32_t count = 0;
    EXPECT_FALSE(in.readCount(count, 2)) << "a unit of 2 bytes cannot follow in 1 byte";
    ASSERT_TRUE(in.readCount(count, 1));
    EXPECT_EQ(count, 1);
    std::span<const std::uint8_t> view;
    EXPECT_FALSE(in.readBytes(2, view));
    ASSERT_TRUE(in.readBytes(1, view));
    EXPECT_EQ(view[0], 0xAB);
    EXPECT_TRUE(in.atEnd());
    std::uint8_t byte = 0;
    EXPECT_FALSE(in.readByte(byte));
}

TEST(ByteStream, StreamedReaderMatchesTheMemoryReaderAtAnyBlockSize) {
    // Blocks below, at and well above the 64 KiB window, so values straddle its edges.
    for (std::size_t blockSize : {0u, 1u, 65531u, 65536u, 65537u, 300001u}) {
        SCOPED_TRACE(blockSize);
        const Bytes bytes = layout(blockSize);
        ByteReader memory(bytes);
        expectLayoutRead(memory, blockSize);
        PiecewiseSource source(bytes);
        ByteReader streamed(source);
        expectLayoutRead(streamed, blockSize);
    }
}

TEST(ByteStream, ViewsLargerThanTheWindowAreWhole) {
    const Bytes bytes = counting(200000);
    PiecewiseSource source(bytes, 4096);
    ByteReader in(source);
    std::span<const std::uint8_t> view;
    ASSERT_TRUE(in.readBytes(3, view));
    ASSERT_TRUE(in.readBytes(150000, view));
    EXPECT_TRUE(std::equal(view.begin(), view.end(), bytes.begin() + 3));
    EXPECT_EQ(in.remaining(), 200000u - 150003u);
}

TEST(ByteStream, FailingSourceEndsTheStreamCleanly) {
    // The source stops inside the block: the block read fails and nothing after it can be read.
    const Bytes bytes = layout(100000);
    PiecewiseSource source(bytes, 7, 70000);
    ByteReader in(source);
    std::int32_t value = 0;
    ASSERT_TRUE(in.readInt32(value));
    Bytes block{1, 2, 3};
    EXPECT_FALSE(in.readBytesInto(100000, block));
    EXPECT_EQ(block, (Bytes{1, 2, 3})) << "a failed read leaves the target alone";
    EXPECT_EQ(in.position(), 4u);
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_FALSE(in.readInt32(value));
    std::span<const std::uint8_t> view;
    EXPECT_FALSE(in.readBytes(1, view));
}

TEST(ByteStream, FailureInsideSmallValuesStopsAtThem) {
    const Bytes bytes = layout(10);
    PiecewiseSource source(bytes, 3, 6);
    ByteReader in(source);
    std::int32_t value = 0;
    ASSERT_TRUE(in.readInt32(value));
    // The two bytes the source gave after the int32 are all that is left.
    EXPECT_EQ(in.remaining(), 2u);
    Bytes block;
    EXPECT_FALSE(in.readBytesInto(10, block));
    EXPECT_FALSE(in.readInt32(value));
    std::span<const std::uint8_t> view;
    ASSERT_TRUE(in.readBytes(2, view));
    EXPECT_EQ(view[0], bytes[4]);
    EXPECT_EQ(view[1], bytes[5]);
    EXPECT_TRUE(in.atEnd());
}

// A whole project read through a trickling source equals the project read from memory.
TEST(ByteStream, ProjectsReadTheSameStreamedAsInMemory) {
    const std::unique_ptr<TVantora> demo = test::MakeEveryKindDemo();
    demo->Scenes.front()->BackImage = Picture(PictureFormat::Bitmap, [] {
        Bytes bmp = test::SampleBmp();
        bmp.resize(bmp.size() + 200000, 0x5A); // a picture far larger than the window
        return bmp;
    }());
    Bytes saved;
    ASSERT_TRUE(SerializeProject(*demo, saved));

    PiecewiseSource source(saved, 13);
    ByteReader in(source);
    TVantora loaded;
    RecordError error;
    ASSERT_TRUE(ReadDemo(in, loaded, error)) << error.toResult().message;
    EXPECT_TRUE(in.atEnd());
    Bytes again;
    ASSERT_TRUE(SerializeProject(loaded, again));
    EXPECT_EQ(again, saved);
}

} // namespace
} // namespace vantora
