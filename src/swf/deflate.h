#pragma once
// zlib compression for the movie body and for bitmap data, at zlib's default level.

#include <chrono>
#include <cstdint>
#include <functional>
#include <ostream>
#include <vector>

namespace swf {

// Compresses `size` bytes into a complete zlib stream. Throws swf::Error on a zlib failure.
std::vector<uint8_t> Deflate(const uint8_t* data, size_t size);

// Compresses a sequence of pieces into `destination`. `progress` (when set) is called with the
// number of input bytes consumed so far after each output block.
class TDeflateWriter {
public:
    TDeflateWriter(std::ostream& destination, std::function<void(uint64_t consumed)> progress = {});
    ~TDeflateWriter();
    TDeflateWriter(const TDeflateWriter&) = delete;
    TDeflateWriter& operator=(const TDeflateWriter&) = delete;

    void Write(const uint8_t* data, size_t size);
    // Flushes the rest of the zlib data; required before destruction for a complete stream.
    void Finish();

private:
    void Pump(int flush);
    struct State;
    State* state_;
    std::ostream& out_;
    std::function<void(uint64_t)> progress_;
    bool finished_ = false;
};

// Time spent inside zlib by this process (for the benchmark's split of building and compressing).
std::chrono::nanoseconds DeflateTime();
void ResetDeflateTime();

} // namespace swf
