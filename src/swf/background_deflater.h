#pragma once
// TBackgroundDeflater: one zlib stream compressed on a worker thread while its pieces are still
// being made. Pieces are compressed in the order they are given; zlib's output does not depend on
// how its input is cut into pieces, so the result is the same as one call over all of it.

#include "swf/deflate.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <span>
#include <mutex>
#include <thread>
#include <vector>

namespace swf {

// Receives each block of the compressed stream once it is complete, in order, on the worker
// thread. What it does with a block must not throw.
using TCompressedBlockSink = std::function<void(std::span<const uint8_t> block)>;

class TBackgroundDeflater {
public:
    explicit TBackgroundDeflater(TCompressedBlockSink sink = {});
    // Stops the worker; what was not finished is discarded.
    ~TBackgroundDeflater();
    TBackgroundDeflater(const TBackgroundDeflater&) = delete;
    TBackgroundDeflater& operator=(const TBackgroundDeflater&) = delete;

    // Queues the next piece.
    void Write(std::vector<uint8_t> piece);
    // Waits until every piece is compressed, ends the stream and returns it. Throws swf::Error
    // when zlib failed. Call once.
    TCompressedBlocks Finish();

private:
    void Run();
    void HandOverBlocks(size_t upTo);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::vector<uint8_t>> pieces_;
    bool finishing_ = false;
    bool stopping_ = false;
    TCompressedBlocks output_;
    TCompressedBlockSink sink_;
    size_t handedOver_ = 0;
    std::exception_ptr failure_;
    std::thread worker_;
};

} // namespace swf
