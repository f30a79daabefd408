#pragma once
// zlib compression for the movie body and for bitmap data, at zlib's default level.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <span>
#include <vector>

namespace swf {

// Compresses `size` bytes into a complete zlib stream. Throws swf::Error on a zlib failure.
std::vector<uint8_t> Deflate(const uint8_t* data, size_t size);

// Compressed bytes kept in the blocks zlib wrote them into, so that a large stream is handed on
// to a file without being copied or moved as it grows.
class TCompressedBlocks {
public:
    bool Empty() const { return size_ == 0; }
    size_t Size() const { return size_; }
    // Writes every block in order. Sets the stream's failure state as any write does.
    void WriteTo(std::ostream& destination) const;
    // All blocks in one vector.
    std::vector<uint8_t> Joined() const;
    size_t BlockCount() const { return blocks_.size(); }
    std::span<const uint8_t> BlockAt(size_t index) const { return {blocks_[index].data.get(), blocks_[index].used}; }

    // Free room at the end of the last block, a new block when it is full; Grow(n) then counts
    // n of those bytes as written.
    uint8_t* Room(size_t& room);
    void Grow(size_t n);

private:
    static constexpr size_t kBlockSize = 1 << 20;
    struct Block {
        std::unique_ptr<uint8_t[]> data; // not zero-filled: zlib writes every byte it counts
        size_t used = 0;
    };
    std::vector<Block> blocks_;
    size_t size_ = 0;
};

// Compresses a sequence of pieces into `destination`. `progress` (when set) is called with the
// number of input bytes consumed so far after each output block.
class TDeflateWriter {
public:
    TDeflateWriter(std::ostream& destination, std::function<void(uint64_t consumed)> progress = {});
    // Compresses straight into the blocks of `destination`, without a buffer in between.
    explicit TDeflateWriter(TCompressedBlocks& destination);
    ~TDeflateWriter();
    TDeflateWriter(const TDeflateWriter&) = delete;
    TDeflateWriter& operator=(const TDeflateWriter&) = delete;

    void Write(const uint8_t* data, size_t size);
    // Flushes the rest of the zlib data; required before destruction for a complete stream.
    void Finish();

private:
    // Exactly one of `stream` and `blocks` is set.
    TDeflateWriter(std::ostream* stream, TCompressedBlocks* blocks, std::function<void(uint64_t)> progress);
    void Pump(int flush);
    struct State;
    State* state_;
    std::ostream* out_ = nullptr;
    TCompressedBlocks* blocks_ = nullptr;
    std::function<void(uint64_t)> progress_;
    bool finished_ = false;
};

// Time spent inside zlib by this process (for the benchmark's split of building and compressing).
std::chrono::nanoseconds DeflateTime();
void ResetDeflateTime();

} // namespace swf
