#pragma once
// TBackgroundDeflater: one zlib stream compressed on a worker thread while its pieces are still
// being made. Pieces are compressed in the order they are given; zlib's output does not depend on
// how its input is cut into pieces, so the result is the same as one call over all of it.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace swf {

class TBackgroundDeflater {
public:
    TBackgroundDeflater();
    // Stops the worker; what was not finished is discarded.
    ~TBackgroundDeflater();
    TBackgroundDeflater(const TBackgroundDeflater&) = delete;
    TBackgroundDeflater& operator=(const TBackgroundDeflater&) = delete;

    // Queues the next piece.
    void Write(std::vector<uint8_t> piece);
    // Waits until every piece is compressed, ends the stream and returns it. Throws swf::Error
    // when zlib failed. Call once.
    std::vector<uint8_t> Finish();

private:
    void Run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::vector<uint8_t>> pieces_;
    bool finishing_ = false;
    bool stopping_ = false;
    std::vector<uint8_t> output_;
    std::exception_ptr failure_;
    std::thread worker_;
};

} // namespace swf
